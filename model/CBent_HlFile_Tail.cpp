// The design file: side bars, sections, prestressing tendons, strengthening bars and the
// completion steps after the last record.
#include "CBent_HlFile.h"

#include "BarColumnCodes.h"
#include "DesignFileTokens.h"
#include "DesignLimits.h"

namespace {

// A line of n tokens needs at least 2n - 1 characters, and longer lines are refused.
constexpr int kMaxLineTokens = CIbFileText::kTokenBufferSize / 2;

CString Numbered(const wchar_t* format, int number)
{
    CString text;
    text.Format(format, number);
    return text;
}

} // namespace

int CBent_HlFile::ReadSideBars(ReadState& s)
{
    CStringArray t;
    CBent_MoreInfo& m = s.design.GetMoreInfo();
    if (!ReadRecord(t, L"D", L"盖梁侧面钢筋间距错误，个数不正确或数据不正确"))
        return 0;
    m.SetSideBarSpacing(TokenToReal(t[0]));
    if (!s.features.sideSpacingList)
        return 1;

    const wchar_t* const countMessage = L"盖梁侧面钢筋间距个数错误";
    if (!ReadRecord(t, L"I", countMessage))
        return 0;
    const int c = TokenToInt(t[0]);
    if (c < 0 || c > kMaxLineTokens)
        return Fail(countMessage);
    CArray<double, const double&>& spacings = m.GetSideSpacings();
    spacings.RemoveAll();
    if (c == 0)
        return 1;
    if (!ReadRecord(t, CString(L'D', c), L"盖梁侧面钢筋间距错误"))
        return 0;
    for (int i = 0; i < c; ++i)
        spacings.Add(TokenToReal(t[i]));
    return 1;
}

int CBent_HlFile::ReadSections(ReadState& s)
{
    CString line;
    if (!ReadLine(line))
        return Fail(L"找不到盖梁剖面信息！");
    CStringArray t;
    const int count = SplitTokens(t, line);
    const int m = count >= 1 && IsIntegerText(t[0]) ? TokenToInt(t[0]) : -1;
    if (m < 0 || m > kMaxSectionCount || count != m + 1 || !AreRealTokens(t, 1))
        return Fail(L"盖梁剖面信息错误！");
    for (int i = 1; i < count; ++i)
        s.design.GetSectionPositions().Add(TokenToInt(t[i]));
    return 1;
}

int CBent_HlFile::ReadPrestress(ReadState& s)
{
    CStringArray t;
    if (!ReadRecord(t, L"D", L"盖梁封锚钢筋间距错误，个数不正确或数据不正确"))
        return 0;
    s.design.GetMoreInfo().SetAnchorBarSpacing(TokenToReal(t[0]));
    const wchar_t* const countMessage = L"盖梁预筋数量错误，个数不正确或数据不正确";
    if (!ReadRecord(t, L"I", countMessage))
        return 0;
    const int tendons = TokenToInt(t[0]);
    if (!FileCanHold(tendons))
        return Fail(countMessage);
    for (int j = 1; j <= tendons; ++j)
        if (!ReadTendon(s, j))
            return 0;
    return 1;
}

int CBent_HlFile::ReadTendon(ReadState& s, int number)
{
    static const wchar_t* const kFields[] = {L"编号", L"编束根数", L"张拉方式", L"工作长度", L"剖面个数", L"导线点个数"};
    CStringArray t;
    const int basic = ReadTypedRecord(t, L"IIIDII");
    if (basic == 0)
        return Fail(Numbered(L"第%d条预应力基本参数不存在或数据个数不对", number));
    int badField = basic < 0 ? ~basic : -1;
    const int points = basic > 0 ? TokenToInt(t[5]) : 0;
    // A negative guide point count is as malformed as a letter in its place.
    if (badField < 0 && !FileCanHold(points))
        badField = 5;
    if (badField >= 0) {
        CString message;
        message.Format(L"第%d条预应力基本参数【%s】格式错误", number, kFields[badField]);
        return Fail(message, t[badField]);
    }
    CHLGZ_HlBarStruct tendon;
    tendon.SetNumber(TokenToInt(t[0]));
    tendon.SetBundleCount(TokenToInt(t[1]));
    tendon.SetTensionMode(TokenToInt(t[2]));
    tendon.SetWorkingLength(TokenToReal(t[3]));
    const int values = TokenToInt(t[4]);

    // Section values: from one up to the twenty a tendon keeps.
    const bool valuesFit = values >= 1 && values <= kMaxTendonSectionValues;
    const int read = ReadTypedRecord(t, valuesFit ? CString(L'D', values) : CString());
    if (!valuesFit || read == 0)
        return Fail(Numbered(L"第%d条预应力剖面数据不存在或个数不对", number));
    if (read < 0)
        return Fail(Numbered(L"第%d条预应力剖面数据格式错误", number));
    for (int i = 0; i < values; ++i)
        tendon.GetSectionValues().Add(TokenToReal(t[i]));

    for (int k = 0; k < points; ++k) {
        const int result = ReadTypedRecord(t, L"IDDD");
        if (result == 0)
            return Fail(Numbered(L"第%d条预应力导线点数据不存在或个数不对", number));
        if (result < 0)
            return Fail(Numbered(L"第%d条预应力导线点数据格式错误", number));
        CHLGZ_HlPointStruct point;
        point.SetSupport(TokenToInt(t[0]));
        point.SetX(TokenToReal(t[1]));
        point.SetY(TokenToReal(t[2]));
        point.SetR(TokenToReal(t[3]));
        tendon.GetPoints().Add(point);
    }
    s.design.GetTendons().Add(tendon);
    return 1;
}

int CBent_HlFile::ReadStrengthening(ReadState& s)
{
    if (!s.features.strengthening)
        return 1;
    CBent_ExtendSteel& e = s.design.GetExtendSteel();
    e.Reset();
    CStringArray t;
    const bool own = s.features.strengtheningOwnMessages;
    if (!ReadRecord(t, L"II", own ? L"盖梁顶板直筋基本参数错误，个数不正确或数据不正确"
                                  : L"盖梁顶板加强直筋基本参数错误，个数不正确或数据不正确"))
        return 0;
    e.SetTopBarType(TokenToInt(t[0]));
    e.SetTopDiameter(TokenToInt(t[1]));
    if (!ReadRecord(t, L"II", own ? L"盖梁底板直筋基本参数错误，个数不正确或数据不正确"
                                  : L"盖梁底板加强直筋基本参数错误，个数不正确或数据不正确"))
        return 0;
    e.SetBottomBarType(TokenToInt(t[0]));
    e.SetBottomDiameter(TokenToInt(t[1]));

    if (!ReadRecord(t, L"IIII", L"距离形式参数错误，个数不正确或数据不正确"))
        return 0;
    e.SetEdgeOuterForm(TokenToInt(t[0]));
    e.SetEdgeInnerForm(TokenToInt(t[1]));
    e.SetMiddlePierForm(TokenToInt(t[2]));
    e.SetMidSpanForm(TokenToInt(t[3]));
    if (!ReadRecord(t, L"DDDD", L"距离参数错误，个数不正确或数据不正确"))
        return 0;
    e.SetEdgeOuterDistance(TokenToReal(t[0]));
    e.SetEdgeInnerDistance(TokenToReal(t[1]));
    e.SetMiddlePierDistance(TokenToReal(t[2]));
    e.SetMidSpanDistance(TokenToReal(t[3]));
    if (s.features.multiLayerDecrement) {
        if (!ReadRecord(t, L"D", L"加强钢筋多层递减值错误，个数不正确或数据不正确"))
            return 0;
        e.SetMultiLayerDecrement(TokenToReal(t[0]));
    }

    const wchar_t* const countMessage = L"加强筋列数参数错误，个数不正确或数据不正确";
    if (!ReadRecord(t, L"I", countMessage))
        return 0;
    const int columns = TokenToInt(t[0]);
    if (columns < 0 || columns > kMaxBarColumns)
        return Fail(countMessage);
    for (int j = 1; j <= columns; ++j) {
        if (!ReadRecord(t, L"I", Numbered(L"加强筋列(第%d列)参数错误，个数不正确或数据不正确", j)))
            return 0;
        e.GetCodes().Add(TokenToInt(t[0]));
    }
    return 1;
}

int CBent_HlFile::Complete(ReadState& s)
{
    CBent_PierInfo& d = s.design;
    CBent_ExtendSteel& e = d.GetExtendSteel();
    CBent_FaceInfo& main = d.GetMainFace();
    const int columns = main.GetBarColumnCount();

    // 1. One strengthening code per bar column of the main face (files with strengthening bars).
    if (s.features.strengthening && !e.SetCodeCount(columns))
        return Fail(L"加强筋列数参数错误，个数不正确或数据不正确");
    //    Versions 3.1 to 3.3 knew the skeleton columns only from the top-plate column text.
    if (s.features.markSkeletonColumns) {
        const CString text = main.GetLTLSteel().GetColumnText();
        for (int i = 0; i < columns && i < text.GetLength(); ++i)
            if (text[i] == L'1')
                SetSkeletonCode(e.GetCodes()[i], TRUE);
    }

    // 2. Without middle piers there is no middle-pier setting.
    if (d.GetSupportDistances().GetSize() < 3)
        e.ClearCodeTens();

    // 3. A symmetric bar skeleton: the right half of the main face mirrors the left.
    if (d.GetBarSkeletonSymmetric())
        main.ApplySymmetry();
    return 1;
}
