// The design file: supports with the end-distance adjustment of the older versions, bar
// column counts, skeleton spacings, bends and the stirrup spacing line.
#include "CBent_HlFile.h"

#include "DesignFileTokens.h"
#include "DesignLimits.h"

#include <cmath>

namespace {

// The constants the older readers were built on, kept so that old files read as they always did.
constexpr double kDegree = 3.1415926535 / 180;
constexpr double kQuarterTurn = 1.57079632675;

// The end width that the end-distance adjustment adds: a negative width of a skewed end is
// measured across the skew.
double EffectiveEndWidth(double width, double angle)
{
    double w = width;
    if (width < 0 && angle > 0 && angle < 180)
        w = width / std::cos(angle * kDegree - kQuarterTurn);
    return std::fabs(w);
}

// Versions before 4.0 stored the end supports' distances from the cap's ends without the end
// width; the width is added back, across the skew for a negative distance.
double AdjustEndDistance(double distance, double width, double angle)
{
    if (distance >= 0)
        return distance + width;
    if (angle > 0 && angle < 180)
        return distance - std::cos(angle * kDegree - kQuarterTurn) * width;
    return distance;
}

} // namespace

int CBent_HlFile::ReadSupports(ReadState& s)
{
    CString line;
    if (!ReadLine(line))
        return Fail(L"找不到盖梁支座信息！");
    CStringArray t;
    const int count = SplitTokens(t, line);
    const int k = count >= 2 ? TokenToInt(t[1]) : -1;
    if (k < 0 || k > kMaxSupportCount || count != k + 2 || !IsIntegerText(t[0]) || !IsIntegerText(t[1]) ||
        !AreRealTokens(t, 2))
        return Fail(L"盖梁支座信息错误！");

    CBent_PierInfo& d = s.design;
    d.SetSupportCount(TokenToInt(t[0]));
    CArray<double, const double&>& distances = d.GetSupportDistances();
    for (int i = 0; i < k; ++i)
        distances.Add(TokenToReal(t[i + 2]));

    // Versions before 4.0: the end supports measured from the ends of the cap proper. Version
    // 3.3 adjusted twice, and its files were drawn so; they are read the same way.
    const CBent_BasicGeometry& g = s.geometry;
    const double left = EffectiveEndWidth(g.dLeftWidth, g.dLeftAngle);
    const double right = EffectiveEndWidth(g.dRightWidth, g.dRightAngle);
    for (int pass = 0; pass < s.features.endDistancePasses; ++pass) {
        if (k >= 1)
            distances[0] = AdjustEndDistance(distances[0], left, g.dLeftAngle);
        if (k >= 2)
            distances[k - 1] = AdjustEndDistance(distances[k - 1], right, g.dRightAngle);
    }

    BOOL fitted = d.GetMainFace().SetSupportCount(k);
    for (INT_PTR i = 0; i < d.GetFaceList().GetSize(); ++i)
        fitted = d.GetFaceList()[i].SetSupportCount(k) && fitted;
    return fitted ? 1 : Fail(L"盖梁支座信息错误！");
}

int CBent_HlFile::ReadColumnCounts(ReadState& s)
{
    CStringArray t;
    const wchar_t* const message = L"盖梁钢筋最大列数错误，个数不正确或数据不正确";
    if (!ReadRecord(t, L"II", message))
        return 0;
    if (!s.design.GetMainFace().SetBarColumnCount(TokenToInt(t[0])) ||
        !s.design.GetEndFace().SetBarColumnCount(TokenToInt(t[1])))
        return Fail(message);
    return 1;
}

int CBent_HlFile::ReadSkeletonSpacings(ReadState& s)
{
    CStringArray t;
    const wchar_t* const countMessage = L"盖梁骨架间距个数错误";
    if (!ReadRecord(t, L"I", countMessage))
        return 0;
    // The spacings lie between neighbouring bar columns.
    const int c = TokenToInt(t[0]);
    if (c < 0 || c > kMaxBarColumns)
        return Fail(countMessage);
    CArray<double, const double&>& spacings = s.design.GetMoreInfo().GetSkeletonSpacings();
    spacings.RemoveAll();
    if (c == 0)
        return 1;
    if (!ReadRecord(t, CString(L'D', c), L"盖梁骨架间距错误"))
        return 0;
    for (int i = 0; i < c; ++i)
        spacings.Add(TokenToReal(t[i]));
    return 1;
}

int CBent_HlFile::ReadBendAndStirrupSpacing(ReadState& s)
{
    CStringArray t;
    CBent_MoreInfo& m = s.design.GetMoreInfo();
    if (!ReadRecord(t, L"II", L"盖梁上下弯起筋弯曲角度及弯曲半径，个数不正确或数据不正确"))
        return 0;
    m.SetBendAngle(TokenToInt(t[0]));
    m.SetBendRadius(TokenToInt(t[1]));

    m.SetSeismicStirrups(0);
    if (s.features.seismicStirrups) {
        if (!ReadRecord(t, L"I", L"箍筋是否抗震参数错误，个数不正确或数据不正确"))
            return 0;
        m.SetSeismicStirrups(TokenToInt(t[0]));
    }

    const wchar_t* const message = L"盖梁箍筋间距及加密范围错误，个数不正确或数据不正确";
    if (s.features.sevenStirrupValues) {
        if (!ReadRecord(t, L"DDDIDDD", message))
            return 0;
        m.SetStirrupSpacing(TokenToReal(t[0]));
        m.SetDenseStirrupSpacing(TokenToReal(t[1]));
        m.SetSkewStirrupSpacing(TokenToReal(t[2]));
        t.RemoveAt(2);
    } else {
        // Without the skew-layout spacing the skew layout stepped as far beyond the normal
        // spacing as the densified one falls short of it.
        if (!ReadRecord(t, L"DDIDDD", message))
            return 0;
        m.SetStirrupSpacing(TokenToReal(t[0]));
        m.SetDenseStirrupSpacing(TokenToReal(t[1]));
        m.SetSkewStirrupSpacing(m.GetStirrupSpacing() + (m.GetStirrupSpacing() - m.GetDenseStirrupSpacing()));
    }
    m.SetDensifyInPierRanges(TokenToInt(t[2]));
    m.SetDenseRangeEdgeOuter(TokenToReal(t[3]));
    m.SetDenseRangeEdgeInner(TokenToReal(t[4]));
    m.SetDenseHalfRangeMiddle(TokenToReal(t[5]));
    return 1;
}
