#include <unistd.h>
// What the design-file writer tests share.
#include "DesignFileTestSupport.h"

#include "CodePage.h"

#include <fstream>
#include <sstream>

CString Wide(const fs::path& path) { return CString(path.string().c_str()); }

std::string Bytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::wstring> Lines(const fs::path& path)
{
    std::wstring text;
    EXPECT_TRUE(AnsiToWide(Bytes(path), text)) << path;
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

int ReadDesign(const fs::path& path, CBent_PierInfo& design, CBent_BasicGeometry& geometry)
{
    CBent_HlFile file;
    file.SetPath(Wide(path));
    file.SetPierInfo(&design);
    file.SetBasicGeometry(&geometry);
    return file.Read();
}

int WriteDesign(const fs::path& path, CBent_PierInfo& design, CBent_BasicGeometry& geometry)
{
    CBent_HlFile file;
    file.SetPath(Wide(path));
    file.SetPierInfo(&design);
    file.SetBasicGeometry(&geometry);
    return file.Save();
}

namespace {

CArray<double, const double&> Reals(std::initializer_list<double> values)
{
    CArray<double, const double&> list;
    for (double v : values)
        list.Add(v);
    return list;
}

template <class Bar>
Bar Straight(double left, double right, const CString& columns)
{
    Bar bar;
    bar.SetLeftDistance(left);
    bar.SetRightDistance(right);
    bar.SetColumnText(columns);
    return bar;
}

CBent_LPTSteel UpperAtSupport(int bendType, int connected, double left, double right, const CString& columns)
{
    CBent_LPTSteel bar;
    bar.SetBendType(bendType);
    bar.SetConnectFlag(connected);
    bar.SetAxisDistances(left, right);
    bar.SetColumnText(columns);
    return bar;
}

CBent_LPBSteel LowerAtSupport(int parameter, double left, double right, double height, const CString& columns)
{
    CBent_LPBSteel bar;
    bar.SetBendDownParameter(parameter);
    bar.SetDistancesAndRadius(left, right, height);
    bar.SetColumnText(columns);
    return bar;
}

CBent_PAFSteel Stirrup(int start, int end)
{
    CBent_PAFSteel stirrup;
    stirrup.SetStartColumn(start);
    stirrup.SetEndColumn(end);
    return stirrup;
}

void BuildMainFace(CBent_FaceInfo& face)
{
    const CString columns = L"10101";
    face.SetBarColumnCount(5);
    face.SetSupportCount(3);
    face.GetLTLSteel() = Straight<CBent_LTLSteel>(50, 60.125, columns);
    face.GetLBLSteel().SetColumnText(columns);
    face.GetLUPSteels().Add(Straight<CBent_LUPSteel>(1400, 1400.5, columns));
    face.GetLUMSteels().Add(Straight<CBent_LUMSteel>(0, 0, columns));
    for (int bendType : {0, 1}) {
        CBent_LUTSteel upper;
        upper.SetBendType(bendType);
        upper.SetColumnLists(Reals({900, 99999, 80250.5}), Reals({99999, 1234.5678901, 900}));
        upper.SetColumnText(columns);
        face.GetLUTSteels().Add(upper);
    }
    CBent_LUBSteel lower;
    lower.SetBendDownParameter(0);
    lower.SetColumnLists(Reals({1600, 1500, 1600}), Reals({1600.25, 1500, 1600}), Reals({350, 320.5, 350}));
    lower.SetColumnText(columns);
    face.GetLUBSteels().Add(lower);
    for (int s = 0; s < 3; ++s) {
        CBent_PoleInfo& support = face.GetSupports()[s];
        support.GetLPPSteels().Add(Straight<CBent_LPPSteel>(2100 + s, 2100, columns));
        support.GetLPMSteels().Add(Straight<CBent_LPMSteel>(1200, 1200.75, columns));
        support.GetLPTSteels().Add(UpperAtSupport(0, 1, 650, 99999, columns));
        support.GetLPTSteels().Add(UpperAtSupport(1, 0, 1100, 1100.5, columns));
        support.GetLPBSteels().Add(LowerAtSupport(1, 1500, 1500, 320 + s, columns));
    }
    face.GetStirrups().Add(Stirrup(1, 5));
    face.GetStirrups().Add(Stirrup(2, 4));
    face.GetStirrups().Add(Stirrup(3, -1));
}

// The reader gives the faces of the skeleton types no bar columns, so their column texts are empty.
void BuildSkeletonFaces(CArray<CBent_FaceInfo, const CBent_FaceInfo&>& faces)
{
    for (int i = 0; i < 2; ++i) {
        CBent_FaceInfo face;
        face.SetSupportCount(3);
        face.GetLTLSteel() = Straight<CBent_LTLSteel>(70 + i, 80, L"");
        face.GetLBLSteel().SetColumnText(L"");
        faces.Add(face);
    }
    faces[0].GetLUPSteels().Add(Straight<CBent_LUPSteel>(300, 310, L""));
    faces[0].GetSupports()[1].GetLPTSteels().Add(UpperAtSupport(1, 1, 700, 99999, L""));
}

void BuildMoreInfo(CBent_MoreInfo& m)
{
    m.SetSeismicStirrups(1);
    m.SetStirrupSpacing(150.5);
    m.SetDenseStirrupSpacing(100.25);
    m.SetSkewStirrupSpacing(210);
    m.SetDensifyInPierRanges(1);
    m.SetDenseRangeEdgeOuter(900);
    m.SetDenseRangeEdgeInner(-1);
    m.SetDenseHalfRangeMiddle(650.5);
    m.SetCapType(1);
    m.SetWeldType(1);
    m.SetWeldWidth(160.5);
    m.SetBendAngle(30);
    m.SetBendRadius(320);
    m.SetSkeletonBarType(2);
    m.SetSkeletonDiameter(32);
    m.SetStirrupBarType(0);
    m.SetStirrupDiameter(10);
    m.SetSideBarType(1);
    m.SetSideDiameter(12);
    m.SetAnchorBarType(0);
    m.SetAnchorDiameter(14);
    m.SetSideBarSpacing(125.5);
    m.SetAnchorBarSpacing(110);
    m.SetBendDownMode(0);
    m.SetOuterUpperFixed(0);
    m.GetSkeletonSpacings().Copy(Reals({212.5, 212.5, 300, 212.5}));
    m.GetSideSpacings().Copy(Reals({170, 170.125, 170}));
}

void BuildTendons(CArray<CHLGZ_HlBarStruct, const CHLGZ_HlBarStruct&>& tendons)
{
    CHLGZ_HlBarStruct first;
    first.SetNumber(1);
    first.SetBundleCount(7);
    first.SetTensionMode(2);
    first.SetWorkingLength(12345.678);
    first.GetSectionValues().Copy(Reals({0.25, 0.5, 0.123456789}));
    for (int k = 0; k < 2; ++k) {
        CHLGZ_HlPointStruct point;
        point.SetSupport(k + 1);
        point.SetX(1000.5 * k);
        point.SetY(-350.125);
        point.SetR(15000);
        first.GetPoints().Add(point);
    }
    tendons.Add(first);
    CHLGZ_HlBarStruct second;
    second.SetNumber(2);
    second.SetBundleCount(5);
    second.GetSectionValues().Add(1.0);
    tendons.Add(second);
}

void BuildStrengthening(CBent_ExtendSteel& e)
{
    e.SetTopBarType(2);
    e.SetTopDiameter(25);
    e.SetBottomBarType(0);
    e.SetBottomDiameter(22);
    e.SetEdgeOuterForm(1);
    e.SetEdgeInnerForm(0);
    e.SetMiddlePierForm(1);
    e.SetMidSpanForm(1);
    e.SetEdgeOuterDistance(1400.5);
    e.SetEdgeInnerDistance(0.1234567);
    e.SetMiddlePierDistance(1100);
    e.SetMidSpanDistance(2000.0 / 3);
    e.SetMultiLayerDecrement(500.25);
    for (int code : {9000, 1101, 9111, 101, 9000})
        e.GetCodes().Add(code);
}

} // namespace

void BuildFullDesign(CBent_PierInfo& d, CBent_BasicGeometry& g)
{
    d.SetElevationScale(75);
    d.SetSectionScale(30.5);
    d.SetForceWholeDrawing(1);
    d.GetAddInfo().SetApplicableTo(L"1#、2# 桥墩");
    d.SetGeneralSymmetric(1);
    d.SetColumnSpacingSymmetric(0);
    d.SetSectionStirrupsSymmetric(1);
    d.SetSkeletonArrangementSymmetric(0);
    d.SetBarSkeletonSymmetric(0);
    d.SetStrengtheningSymmetric(1);
    d.SetTopCover(50.25);
    d.SetBottomCover(45);
    d.SetSideCover(40);
    d.SetEndCover(60);
    d.SetAnchorSealingCover(55);
    d.SetSupportCount(1);
    d.GetSupportDistances().Copy(Reals({2200.5, 4100, 2200.5}));
    for (int code : {0, 1, 4})
        d.GetSectionPositions().Add(code);
    BuildMainFace(d.GetMainFace());
    d.GetEndFace().SetBarColumnCount(3);
    d.GetEndFace().GetStirrups().Add(Stirrup(1, 3));
    BuildSkeletonFaces(d.GetFaceList());
    d.SetPlateBarsText(L"11011");
    d.SetSkeletonTypeText(L"AABBA");
    BuildMoreInfo(d.GetMoreInfo());
    BuildTendons(d.GetTendons());
    BuildStrengthening(d.GetExtendSteel());

    g = CBent_BasicGeometry();
    g.nAbutmentCap = 1;
    g.nSectionForm = 1;
    g.dLength = 10400.5;
    g.dWidth = 2200;
    g.dMiddleHeight = 1800;
    g.dColumnDiameter = 1500;
    g.dLeftWidth = 1800;
    g.dRightWidth = 1750.25;
    g.dLeftEndHeight = 1000;
    g.dRightEndHeight = 900;
    g.dLeftAngle = 70.5;
    g.dRightAngle = 90;
    g.dLWidth = 600;
    g.dLHeight = 500;
}

void DesignFileTest::SetUp()
{
    m_dir = fs::temp_directory_path() /
            ("editor-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
             std::to_string(::getpid()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
    m_boxes->SetLog(nullptr);
}

void DesignFileTest::TearDown()
{
    std::error_code error;
    fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(m_dir, error);
}
