// The design file: drawing settings, symmetry, geometry, skeleton types, further parameters
// and bar grades, and the values that versions before 4.0 derive in place of missing lines.
#include "CBent_HlFile.h"

#include "DesignFileTokens.h"
#include "DesignLimits.h"

int CBent_HlFile::ReadDrawingSettings(ReadState& s)
{
    if (!s.features.drawingSettings)
        return 1;
    CStringArray t;
    if (!ReadRecord(t, L"DD", L"绘图比例参数错误，个数不正确或数据不正确"))
        return 0;
    s.design.SetElevationScale(TokenToReal(t[0]));
    s.design.SetSectionScale(TokenToReal(t[1]));
    if (!ReadRecord(t, L"II", L"绘图控制参数错误，个数不正确或数据不正确"))
        return 0;
    s.design.SetForceWholeDrawing(TokenToInt(t[0]));
    s.design.SetDrawTestDrawing(TokenToInt(t[1]));
    return 1;
}

int CBent_HlFile::ReadAddInfo(ReadState& s)
{
    if (!s.features.addInfo)
        return 1;
    CString text;
    if (!ReadTextRecord(text, L"盖梁附加信息错误，个数不正确或数据不正确"))
        return 0;
    s.design.GetAddInfo().SetApplicableTo(text);
    return 1;
}

int CBent_HlFile::ReadSymmetryAndAbutment(ReadState& s)
{
    if (!s.features.symmetryAndAbutment)
        return 1;
    CStringArray t;
    if (!ReadRecord(t, L"IIIIII", L"盖梁对称性参数错误，个数不正确或数据不正确"))
        return 0;
    CBent_PierInfo& d = s.design;
    d.SetGeneralSymmetric(TokenToInt(t[0]));
    d.SetColumnSpacingSymmetric(TokenToInt(t[1]));
    d.SetSectionStirrupsSymmetric(TokenToInt(t[2]));
    d.SetSkeletonArrangementSymmetric(TokenToInt(t[3]));
    d.SetBarSkeletonSymmetric(TokenToInt(t[4]));
    d.SetStrengtheningSymmetric(TokenToInt(t[5]));
    if (!ReadRecord(t, L"I", L"盖梁形式错误（桥墩桥台），个数不正确或数据不正确"))
        return 0;
    s.geometry.nAbutmentCap = TokenToInt(t[0]);
    return 1;
}

int CBent_HlFile::ReadSectionForm(ReadState& s)
{
    CStringArray t;
    if (!ReadRecord(t, L"II", L"盖梁截面形式及对称错误，个数不正确或数据不正确"))
        return 0;
    s.geometry.nSectionForm = TokenToInt(t[0]);
    s.geometry.nSectionSymmetric = TokenToInt(t[1]);
    return 1;
}

int CBent_HlFile::ReadMainDimensions(ReadState& s)
{
    CStringArray t;
    if (!ReadRecord(t, L"DDDD", L"盖梁长度宽度高度错误，个数不正确或数据不正确"))
        return 0;
    s.geometry.dLength = TokenToReal(t[0]);
    s.geometry.dWidth = TokenToReal(t[1]);
    s.geometry.dMiddleHeight = TokenToReal(t[2]);
    s.geometry.dColumnDiameter = TokenToReal(t[3]);
    return 1;
}

int CBent_HlFile::ReadEndDimensions(ReadState& s)
{
    CStringArray t;
    if (!ReadRecord(t, L"DDDDDD", L"盖梁左右侧数据错误，个数不正确或数据不正确"))
        return 0;
    CBent_BasicGeometry& g = s.geometry;
    g.dLeftWidth = TokenToReal(t[0]);
    g.dRightWidth = TokenToReal(t[1]);
    g.dLeftEndHeight = TokenToReal(t[2]);
    g.dRightEndHeight = TokenToReal(t[3]);
    g.dLeftAngle = TokenToReal(t[4]);
    g.dRightAngle = TokenToReal(t[5]);
    return 1;
}

int CBent_HlFile::ReadLDimensions(ReadState& s)
{
    CStringArray t;
    if (!ReadRecord(t, L"DD", L"盖梁L数据错误，个数不正确或数据不正确"))
        return 0;
    s.geometry.dLWidth = TokenToReal(t[0]);
    s.geometry.dLHeight = TokenToReal(t[1]);
    if (s.features.symmetryAndAbutment)
        return 1;

    // Files without symmetry and abutment lines: an abutment cap has no left cantilever, and
    // the section symmetric value stood for the symmetry settings.
    s.geometry.nAbutmentCap = s.geometry.dLeftWidth == 0.0 ? 1 : 0;
    const int symmetric = s.geometry.nSectionSymmetric;
    CBent_PierInfo& d = s.design;
    d.SetGeneralSymmetric(symmetric == 1 || symmetric == 2 ? 1 : 0);
    d.SetColumnSpacingSymmetric(symmetric == 2 ? 1 : 0);
    d.SetSectionStirrupsSymmetric(0);
    d.SetSkeletonArrangementSymmetric(1);
    d.SetBarSkeletonSymmetric(symmetric == 2 ? 1 : 0);
    d.SetStrengtheningSymmetric(symmetric == 2 ? 1 : 0);
    return 1;
}

int CBent_HlFile::ReadSkeletonTypeCount(ReadState& s)
{
    if (!s.features.skeletonTypes)
        return 1;
    CStringArray t;
    const wchar_t* const message = L"盖梁骨架类型错误，个数不正确或数据不正确";
    if (!ReadRecord(t, L"I", message))
        return 0;
    const int n = TokenToInt(t[0]);
    if (n < 0)
        return Fail(L"盖梁骨架类型错误，该参数必须大于（多骨架）或等于0（单骨架）");
    // Each skeleton type is the type of at least one bar column.
    if (n > kMaxBarColumns)
        return Fail(message, t[0]);
    s.skeletonTypeCount = n;
    for (int i = 0; i < n; ++i)
        s.design.GetFaceList().Add(CBent_FaceInfo());
    return 1;
}

int CBent_HlFile::ReadMoreInfo(ReadState& s)
{
    CStringArray t;
    CBent_MoreInfo& m = s.design.GetMoreInfo();
    if (!ReadRecord(t, L"I", L"盖梁下弯类型错误，个数不正确或数据不正确"))
        return 0;
    m.SetBendDownMode(TokenToInt(t[0]));
    if (!ReadRecord(t, L"I", L"盖梁外侧上弯起筋是否固定错误，个数不正确或数据不正确"))
        return 0;
    m.SetOuterUpperFixed(TokenToInt(t[0]));
    if (!ReadRecord(t, L"I", L"盖梁类型参数错误，个数不正确或数据不正确"))
        return 0;
    m.SetCapType(TokenToInt(t[0]));

    if (!ReadRecord(t, L"DDDDD", L"盖梁保护层参数错误，个数不正确或数据不正确"))
        return 0;
    CBent_PierInfo& d = s.design;
    d.SetTopCover(TokenToReal(t[0]));
    d.SetBottomCover(TokenToReal(t[1]));
    d.SetSideCover(TokenToReal(t[2]));
    d.SetEndCover(TokenToReal(t[3]));
    d.SetAnchorSealingCover(TokenToReal(t[4]));

    if (!ReadRecord(t, L"I", L"盖梁焊缝类型参数错误，个数不正确或数据不正确"))
        return 0;
    m.SetWeldType(TokenToInt(t[0]));
    m.SetWeldWidth(0.0);
    if (!s.features.weldWidth)
        return 1;
    if (!ReadRecord(t, L"D", L"盖梁焊缝宽度参数错误，个数不正确或数据不正确"))
        return 0;
    m.SetWeldWidth(TokenToReal(t[0]));
    return 1;
}

int CBent_HlFile::ReadBarParameters(ReadState& s)
{
    CStringArray t;
    CBent_MoreInfo& m = s.design.GetMoreInfo();
    if (!ReadRecord(t, L"II", L"盖梁骨架钢筋基本参数错误，个数不正确或数据不正确"))
        return 0;
    m.SetSkeletonBarType(TokenToInt(t[0]));
    m.SetSkeletonDiameter(TokenToInt(t[1]));
    if (!ReadRecord(t, L"II", L"盖梁箍筋钢筋基本参数错误，个数不正确或数据不正确"))
        return 0;
    m.SetStirrupBarType(TokenToInt(t[0]));
    m.SetStirrupDiameter(TokenToInt(t[1]));
    if (!ReadRecord(t, L"II", L"盖梁侧面钢筋基本参数错误，个数不正确或数据不正确"))
        return 0;
    m.SetSideBarType(TokenToInt(t[0]));
    m.SetSideDiameter(TokenToInt(t[1]));
    if (!ReadRecord(t, L"II", L"盖梁封锚钢筋基本参数错误，个数不正确或数据不正确"))
        return 0;
    m.SetAnchorBarType(TokenToInt(t[0]));
    m.SetAnchorDiameter(TokenToInt(t[1]));
    return 1;
}
