// The design file: elevation bar groups, skeleton data and stirrups.
#include "CBent_HlFile.h"

#include "DesignFileTokens.h"
#include "DesignLimits.h"

namespace {

const wchar_t* const kPositionMessage = L"盖梁立面钢筋剖切位置错误，个数不正确或数据不正确";
const wchar_t* const kSupportMessage = L"盖梁立面钢筋支座编号错误，个数不正确或数据不正确";
const wchar_t* const kColumnMessage = L"盖梁立面钢筋列信息错误";

// Layout types of a bar group.
enum LayoutType { kTopPlate = 0, kBottomPlate = 1, kUpperBent = 2, kLowerBent = 3, kTopStraight = 4, kBottomStraight = 5 };

} // namespace

int CBent_HlFile::ReadBarCounts(ReadState& s)
{
    CStringArray t;
    const wchar_t* const message = L"盖梁立面钢筋及箍筋数量错误，个数不正确或数据不正确";
    if (!ReadRecord(t, L"II", message))
        return 0;
    s.elevationBarCount = TokenToInt(t[0]);
    s.stirrupCount = TokenToInt(t[1]);
    if (!FileCanHold(s.elevationBarCount) || !FileCanHold(s.stirrupCount))
        return Fail(message);
    return 1;
}

int CBent_HlFile::ReadElevationBars(ReadState& s)
{
    for (int i = 0; i < s.elevationBarCount; ++i)
        if (!ReadBarGroup(s))
            return 0;
    return 1;
}

// Version 3.0 on: 0 the main face, p the p-th skeleton-type face. Before: 0 the main face,
// any other position the end face. A face that the design does not have takes no bars.
CBent_FaceInfo* CBent_HlFile::SelectFace(ReadState& s, int position)
{
    if (position == 0)
        return &s.design.GetMainFace();
    if (!s.features.skeletonTypes)
        return &s.design.GetEndFace();
    CArray<CBent_FaceInfo, const CBent_FaceInfo&>& faces = s.design.GetFaceList();
    if (position < 1 || position > faces.GetSize())
        return nullptr;
    return &faces[position - 1];
}

int CBent_HlFile::ReadBarGroup(ReadState& s)
{
    CStringArray t;
    if (!ReadRecord(t, L"I", kPositionMessage))
        return 0;
    CBent_FaceInfo* face = SelectFace(s, TokenToInt(t[0]));
    if (face == nullptr)
        return Fail(kPositionMessage, t[0]);
    if (!ReadRecord(t, L"I", L"盖梁立面钢筋布置类型错误，个数不正确或数据不正确"))
        return 0;
    const int type = TokenToInt(t[0]);
    if (!ReadRecord(t, L"I", kSupportMessage))
        return 0;
    const int support = TokenToInt(t[0]);

    if (type == kTopPlate) {
        CBent_LTLSteel bar = face->GetLTLSteel();
        if (!ReadRecord(t, L"DD", L"盖梁顶板筋错误，个数不正确或数据不正确"))
            return 0;
        bar.SetLeftDistance(TokenToReal(t[0]));
        bar.SetRightDistance(TokenToReal(t[1]));
        if (!ReadColumnLine(s, bar, *face, L"盖梁顶板筋错误，列信息错误"))
            return 0;
        face->GetLTLSteel() = bar;
        return 1;
    }
    if (type == kBottomPlate) {
        CBent_LBLSteel bar = face->GetLBLSteel();
        if (!ReadColumnLine(s, bar, *face, L"盖梁底板筋错误，列信息错误"))
            return 0;
        face->GetLBLSteel() = bar;
        return 1;
    }
    if (type < kUpperBent || type > kBottomStraight)
        return 1;

    // A bar at a support needs that support among the design's supports.
    if (support < 0 || support > s.design.GetSupportDistances().GetSize())
        return Fail(kSupportMessage, t[0]);
    while (face->GetSupports().GetSize() < support)
        face->GetSupports().Add(CBent_PoleInfo());
    if (type == kUpperBent)
        return ReadUpperBentBars(s, *face, support);
    if (type == kLowerBent)
        return ReadLowerBentBars(s, *face, support);
    return ReadStraightBars(s, *face, type, support);
}

int CBent_HlFile::ReadUpperBentBars(ReadState& s, CBent_FaceInfo& face, int support)
{
    CStringArray t;
    int bendType = 0;
    if (s.features.bendTypeLines) {
        if (!ReadRecord(t, L"I", L"盖梁上弯起筋弯起类型错误，个数不正确或数据不正确"))
            return 0;
        bendType = TokenToInt(t[0]);
    }

    if (support >= 1) {
        CBent_LPTSteel bar;
        if (!ReadRecord(t, L"IDD", L"盖梁上弯起筋错误，个数不正确或数据不正确"))
            return 0;
        bar.SetBendType(bendType);
        bar.SetConnectFlag(TokenToInt(t[0]));
        bar.SetAxisDistances(TokenToReal(t[1]), TokenToReal(t[2]));
        if (!ReadColumnLine(s, bar, face, kColumnMessage))
            return 0;
        face.GetSupports()[support - 1].GetLPTSteels().Add(bar);
        return 1;
    }

    // A label token, then one pair of axis distances per support.
    const wchar_t* const message = L"整体立面上弯起筋参数错误，数据个数错误或数据类型错误！";
    CString line;
    if (!ReadLine(line))
        return Fail(message);
    const int count = SplitTokens(t, line);
    if (count < 1 || count % 2 == 0 || !AreRealTokens(t, 1))
        return Fail(message);
    CArray<double, const double&> left;
    CArray<double, const double&> right;
    for (int i = 1; i + 1 < count; i += 2) {
        left.Add(TokenToReal(t[i]));
        right.Add(TokenToReal(t[i + 1]));
    }
    CBent_LUTSteel bar;
    bar.SetBendType(bendType);
    if (!bar.SetColumnLists(left, right))
        return Fail(message);
    if (!ReadColumnLine(s, bar, face, kColumnMessage))
        return 0;
    face.GetLUTSteels().Add(bar);
    return 1;
}

int CBent_HlFile::ReadLowerBentBars(ReadState& s, CBent_FaceInfo& face, int support)
{
    CStringArray t;
    if (support >= 1) {
        CBent_LPBSteel bar;
        if (!ReadRecord(t, L"IDDD", L"盖梁下弯起筋错误，个数不正确或数据不正确"))
            return 0;
        bar.SetBendDownParameter(TokenToInt(t[0]));
        bar.SetDistancesAndRadius(TokenToReal(t[1]), TokenToReal(t[2]), TokenToReal(t[3]));
        if (!ReadColumnLine(s, bar, face, kColumnMessage))
            return 0;
        face.GetSupports()[support - 1].GetLPBSteels().Add(bar);
        return 1;
    }

    // The bend-down parameter, then per support the left and right axis distances and the
    // radius or height.
    const wchar_t* const message = L"整体立面下弯起筋参数错误，数据个数错误或数据类型错误！";
    CString line;
    if (!ReadLine(line))
        return Fail(message);
    const int count = SplitTokens(t, line);
    if (count < 1 || (count - 1) % 3 != 0 || !IsIntegerText(t[0]) || !AreRealTokens(t, 1))
        return Fail(message);
    CArray<double, const double&> left;
    CArray<double, const double&> right;
    CArray<double, const double&> radius;
    for (int i = 1; i + 2 < count; i += 3) {
        left.Add(TokenToReal(t[i]));
        right.Add(TokenToReal(t[i + 1]));
        radius.Add(TokenToReal(t[i + 2]));
    }
    CBent_LUBSteel bar;
    bar.SetBendDownParameter(TokenToInt(t[0]));
    if (!bar.SetColumnLists(left, right, radius))
        return Fail(message);
    if (!ReadColumnLine(s, bar, face, kColumnMessage))
        return 0;
    face.GetLUBSteels().Add(bar);
    return 1;
}

int CBent_HlFile::ReadStraightBars(ReadState& s, CBent_FaceInfo& face, int type, int support)
{
    CStringArray t;
    if (type == kTopStraight) {
        if (!ReadRecord(t, L"DD", L"盖梁顶板直筋错误，个数不正确或数据不正确"))
            return 0;
        if (support == 0) {
            CBent_LUPSteel bar;
            bar.SetLeftDistance(TokenToReal(t[0]));
            bar.SetRightDistance(TokenToReal(t[1]));
            if (!ReadColumnLine(s, bar, face, kColumnMessage))
                return 0;
            face.GetLUPSteels().Add(bar);
            return 1;
        }
        CBent_LPPSteel bar;
        bar.SetLeftDistance(TokenToReal(t[0]));
        bar.SetRightDistance(TokenToReal(t[1]));
        if (!ReadColumnLine(s, bar, face, kColumnMessage))
            return 0;
        face.GetSupports()[support - 1].GetLPPSteels().Add(bar);
        return 1;
    }

    // Bottom straight bars: those of the whole elevation have no parameter line.
    if (support == 0) {
        CBent_LUMSteel bar;
        if (!ReadColumnLine(s, bar, face, kColumnMessage))
            return 0;
        face.GetLUMSteels().Add(bar);
        return 1;
    }
    CBent_LPMSteel bar;
    if (!ReadRecord(t, L"DD", L"盖梁底板直筋错误，个数不正确或数据不正确"))
        return 0;
    bar.SetLeftDistance(TokenToReal(t[0]));
    bar.SetRightDistance(TokenToReal(t[1]));
    if (!ReadColumnLine(s, bar, face, kColumnMessage))
        return 0;
    face.GetSupports()[support - 1].GetLPMSteels().Add(bar);
    return 1;
}

int CBent_HlFile::ReadColumnLine(ReadState& s, CBent_BASSteel& bar, const CBent_FaceInfo& face,
                                 const wchar_t* message)
{
    CString text;
    if (!ReadTextRecord(text, message))
        return 0;
    bar.SetColumnText(text);
    if (s.features.resizeColumnText && !bar.SetColumnCount(face.GetBarColumnCount(), FALSE))
        return Fail(message);
    return 1;
}

int CBent_HlFile::ReadSkeletonData(ReadState& s)
{
    if (!s.features.skeletonTypes || s.skeletonTypeCount <= 0)
        return 1;
    CString text;
    if (!ReadTextRecord(text, L"是否需要顶底板筋错误"))
        return 0;
    s.design.SetPlateBarsText(text);
    if (!ReadTextRecord(text, L"骨架类型错误"))
        return 0;
    s.design.SetSkeletonTypeText(text);
    return 1;
}

int CBent_HlFile::ReadStirrups(ReadState& s)
{
    CStringArray t;
    for (int i = 0; i < s.stirrupCount; ++i) {
        if (!ReadRecord(t, L"III", L"盖梁箍筋错误，个数不正确或数据不正确"))
            return 0;
        CBent_PAFSteel stirrup;
        stirrup.SetStartColumn(TokenToInt(t[1]));
        stirrup.SetEndColumn(TokenToInt(t[2]));
        CBent_FaceInfo& face = TokenToInt(t[0]) == 0 ? s.design.GetMainFace() : s.design.GetEndFace();
        face.GetStirrups().Add(stirrup);
    }
    return 1;
}
