// The drawing run: the values it settles, the refusals it and the drawing classes make with
// their exact boxes and lines, and designs that reach the drawing refused or cut short.
#include "PluginFixture.h"

#include "AcDbBlockReference.h"
#include "CGLGZ_BtDraw.h"
#include "CGLGZ_EtDraw.h"

#include <functional>

namespace {

class Run : public PluginFixture {
protected:
    // The title blocks: references to the title-block drawing, one a sheet.
    static size_t TitleBlocks()
    {
        size_t n = 0;
        for (AcDbObjectId id : entitiesOf<AcDbBlockReference>()) {
            ReadBack<AcDbBlockReference> ref(id);
            ReadBack<AcDbBlockTableRecord> block(ref->blockTableRecord());
            n += block && block->isFromExternalReference() ? 1 : 0;
        }
        return n;
    }
};

TEST_F(Run, WeldLengthKeepsTheRangeCorrectsOutsideItAndComputesWithoutOne)
{
    struct Case {
        double width;
        double length;
        const wchar_t* line;
    };
    const Case cases[] = {
        { 100.0, 100.0, L"采用用户设置焊缝值100mm!\n" },
        { 500.0, 500.0, L"采用用户设置焊缝值500mm!\n" },
        { 99.9, 0.0, L"焊缝设置不合理,系统已经自动纠正!\n" },
        { 500.1, 0.0, L"焊缝设置不合理,系统已经自动纠正!\n" },
        { 0.0, 280.0, L"焊缝设置为自动计算!\n" },
        { -20.0, 280.0, L"焊缝设置为自动计算!\n" },
    };
    for (const Case& c : cases) {
        app().transcript().clear();
        CHLGZ_PierInfo model;
        model.GetMoreInfo().SetSkeletonDiameter(28);
        model.GetMoreInfo().SetWeldWidth(c.width);
        EXPECT_DOUBLE_EQ(CorbeldrawCommand::SettleWeldLength(model), c.length) << c.width;
        EXPECT_EQ(transcript(), c.line) << c.width;
    }
}

TEST_F(Run, LengthsAlongTheSkewProjectWithTheLeftAngle)
{
    struct Case {
        double length;
        double expected;
        int spacingSymmetric;
    };
    // 300.5 / sin 30° = 601, odd with three symmetric spacings: 600; 602 stays.
    const Case cases[] = { { -300.5, 600.0, 1 }, { -301.0, 602.0, 1 }, { -300.5, 601.0, 0 }, { 12601.0, 12601.0, 1 } };
    for (const Case& c : cases) {
        CHLGZ_PierInfo model;
        model.SetGeneralSymmetric(1);
        model.SetColumnSpacingSymmetric(c.spacingSymmetric);
        model.GetSupportDistances().append(-100.0);
        model.GetSupportDistances().append(200.0);
        model.GetSupportDistances().append(-50.0);
        CBent_BasicGeometry g = CorbeldrawCommand::InitialGeometry();
        g.dLength = c.length;
        g.dLeftAngle = 30.0;
        g.dRightAngle = 60.0;
        g.dLeftWidth = 250.0;
        g.dRightWidth = -500.0;
        CorbeldrawCommand::ProjectSkewLengths(model, g);
        EXPECT_DOUBLE_EQ(g.dLength, c.expected) << c.length;
        EXPECT_DOUBLE_EQ(g.dLeftWidth, 250.0);
        EXPECT_DOUBLE_EQ(g.dRightWidth, 1000.0); // with the left 30°, not the right 60°
        EXPECT_DOUBLE_EQ(model.GetSupportDistances()[0], 200.0);
        EXPECT_DOUBLE_EQ(model.GetSupportDistances()[1], 200.0);
        EXPECT_DOUBLE_EQ(model.GetSupportDistances()[2], 100.0);
    }
    // Without general symmetry nothing is projected.
    CHLGZ_PierInfo model;
    model.SetGeneralSymmetric(0);
    CBent_BasicGeometry g = CorbeldrawCommand::InitialGeometry();
    g.dLength = -300.5;
    g.dLeftAngle = 30.0;
    CorbeldrawCommand::ProjectSkewLengths(model, g);
    EXPECT_DOUBLE_EQ(g.dLength, -300.5);
}

TEST_F(Run, EndPartsTrimTheOuterSpacingsOfAPierCapAndVanishOnAnAbutment)
{
    CHLGZ_PierInfo model;
    for (double d : { 2200.0, 4100.0, 2200.0 })
        model.GetSupportDistances().append(d);
    CBent_BasicGeometry g = CorbeldrawCommand::InitialGeometry();
    g.dLeftWidth = 1800.0;
    g.dRightWidth = 1700.0;
    CHLGZ_PierInfo abutmentModel = model;
    CBent_BasicGeometry abutment = g;
    abutment.nAbutmentCap = 1;

    CorbeldrawCommand::TrimEndParts(model, g);
    EXPECT_DOUBLE_EQ(model.GetSupportDistances()[0], 400.0);
    EXPECT_DOUBLE_EQ(model.GetSupportDistances()[1], 4100.0);
    EXPECT_DOUBLE_EQ(model.GetSupportDistances()[2], 500.0);

    CorbeldrawCommand::TrimEndParts(abutmentModel, abutment);
    EXPECT_DOUBLE_EQ(abutment.dLeftWidth, 0.0);
    EXPECT_DOUBLE_EQ(abutment.dRightWidth, 0.0);
    EXPECT_DOUBLE_EQ(abutmentModel.GetSupportDistances()[0], 2200.0);
    EXPECT_DOUBLE_EQ(abutmentModel.GetSupportDistances()[2], 2200.0);
}

TEST_F(Run, StrengtheningDistancesNotGivenClearTheirDigitsOfEveryCode)
{
    CHLGZ_PierInfo model;
    CHLGZ_ExtendSteel& steel = model.GetExtendSteel();
    steel.GetCodes().append(111);
    steel.GetCodes().append(9111);
    steel.SetEdgeOuterDistance(0.0);
    steel.SetEdgeInnerDistance(300.0);
    steel.SetMiddlePierDistance(-1.0);
    CorbeldrawCommand::ClearStrengtheningDigits(model);
    EXPECT_EQ(steel.GetCodes()[0], 10);
    EXPECT_EQ(steel.GetCodes()[1], 9010);
}

// A design changed from the sample, the run's result, and what the command line and the boxes
// must then hold.
struct Refusal {
    const char* name;
    std::function<void(CBent_PierInfo&, CBent_BasicGeometry&)> change;
    int result;
    const wchar_t* expected;
    int titleBlocks;
};

TEST_F(Run, RefusalsShowTheirBoxOrLineAndDrawNothing)
{
    const Refusal cases[] = {
        { "right end angle 0", [](auto&, auto& g) { g.dRightAngle = 0.0; }, 0,
            L"[角度错误] 当前盖梁左侧或右侧角度为0，无法绘制盖梁图！", 0 },
        { "length 0", [](auto&, auto& g) { g.dLength = 0.0; }, 0, L"盖梁长度错误，无法绘制盖梁\n", 0 },
        { "width 0", [](auto&, auto& g) { g.dWidth = 0.0; }, 0, L"盖梁宽度错误，无法绘制盖梁\n", 0 },
        { "middle height 0", [](auto&, auto& g) { g.dMiddleHeight = -1.0; }, 0, L"中部高度错误，无法绘制盖梁\n", 0 },
        { "column diameter 0", [](auto&, auto& g) { g.dColumnDiameter = 0.0; }, 0, L"墩柱直径错误，无法绘制盖梁\n", 0 },
        { "left end height 0", [](auto&, auto& g) { g.dLeftEndHeight = 0.0; }, 0, L"左端高度错误，无法绘制盖梁\n", 0 },
        { "square cap, normal sections", [](auto&, auto& g) { g.dLeftAngle = g.dRightAngle = 90.0; }, 1,
            L"[分支错误] 当前盖梁左右两侧角度均为90°，请按斜布骨架绘制！", 0 },
        { "left width 0, right end whole", [](auto&, auto& g) { g.dLeftWidth = 0.0; }, 1,
            L"[无法确认台帽] 盖梁左边与右边参数不统一，无法作是否为台帽判断，请检查后重试！", 0 },
        { "skew sections, left width 0, right end whole",
            [](auto& d, auto& g) {
                d.GetMoreInfo().SetBendDownMode(1);
                g.dLeftWidth = 0.0;
            },
            1, L"[无法确认台帽] 盖梁左边与右边参数不统一，无法作是否为台帽判断，请检查后重试！", 0 },
        { "abutment with both ends 0 is drawn",
            [](auto&, auto& g) {
                g.nAbutmentCap = 1;
                g.dLeftEndHeight = g.dRightEndHeight = 0.0;
            },
            1, L"wipeout F ON", 1 },
        { "square cap, skew sections, is drawn",
            [](auto& d, auto& g) {
                d.GetMoreInfo().SetBendDownMode(1);
                g.dLeftAngle = g.dRightAngle = 90.0;
            },
            1, L"wipeout F ON", 1 },
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        app().docManager().newDocument();
        app().transcript().clear();
        CBent_PierInfo design;
        CBent_BasicGeometry geometry;
        ReadExample("sample.glt", design, geometry);
        c.change(design, geometry);
        CorbeldrawCommand command;
        EXPECT_EQ(command.DrawDesign(design, geometry, 1, 0), c.result);
        EXPECT_TRUE(Has(transcript(), c.expected)) << transcript();
        // Drawn or not: a drawing has one title block a sheet.
        EXPECT_EQ(TitleBlocks() > 0, c.titleBlocks > 0);
        EXPECT_EQ(Has(transcript(), L"wipeout F ON"), c.result == 1);
    }
}

TEST_F(Run, ADesignTheCheckRefusesGoesOnAndIsRefusedOrDrawnSafelyLater)
{
    struct Case {
        const char* name;
        int mode;
        bool noSupports;
        const wchar_t* check;
        const wchar_t* later;
        size_t titleBlocks;
    };
    const Case cases[] = {
        { "no supports, normal sections", 0, true, L"[数据错误] 墩柱个数太少，至少需要一个墩柱",
            L"[缺少支座] 当前盖梁没有指定支座，无法输出盖梁图！", 0 },
        { "no supports, skew sections", 1, true, L"[数据错误] 墩柱个数太少，至少需要一个墩柱",
            L"[缺少支座] 当前盖梁没有指定支座，无法输出盖梁图！", 0 },
        { "no bar columns", 0, false, L"[数据错误] 钢筋列数太少，至少需要一列钢筋", L"wipeout F ON", 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app().docManager().newDocument();
        app().transcript().clear();
        CBent_PierInfo design;
        CBent_BasicGeometry geometry;
        ReadExample("sample.glt", design, geometry);
        design.GetMoreInfo().SetBendDownMode(c.mode);
        if (c.noSupports)
            design.GetSupportDistances().RemoveAll();
        design.GetExtendSteel().GetCodes().RemoveAll();
        CorbeldrawCommand command;
        EXPECT_EQ(command.DrawDesign(design, geometry, 1, 0), 1);
        const std::wstring text = transcript();
        EXPECT_TRUE(Has(text, c.check)) << text;
        EXPECT_TRUE(Has(text, c.later)) << text;
        EXPECT_EQ(TitleBlocks() > 0, c.titleBlocks > 0);
    }
}

TEST_F(Run, FurtherSkeletonTypesAreSetUpButNotDrawn)
{
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    ReadExample("sample.glt", design, geometry);
    design.GetFaceList().Add(design.GetMainFace());
    CorbeldrawCommand command;
    EXPECT_EQ(command.DrawDesign(design, geometry, 1, 0), 1);
    EXPECT_TRUE(Has(transcript(), L"wipeout F ON"));
    EXPECT_EQ(TitleBlocks(), 0u);
}

TEST_F(Run, TheCurrentDesignFileIsReadWholeAndAFileThatCannotBeOpenedEndsTheRun)
{
    // No current design yet: the reader says so and the run ends.
    {
        CorbeldrawCommand command;
        EXPECT_EQ(command.Run(), 0);
        EXPECT_TRUE(Has(transcript(), L"[")) << transcript();
        EXPECT_FALSE(Has(transcript(), L"wipeout"));
        app().transcript().clear();
    }
    // A path far beyond 260 characters, to a copy of the sample.
    std::filesystem::path deep = mFolder;
    for (int i = 0; i < 12; ++i)
        deep /= std::string(30, static_cast<char>('a' + i));
    std::filesystem::create_directories(deep);
    const std::filesystem::path copy = deep / "sample.glt";
    std::filesystem::copy_file(std::string(CORBEL_SOURCE_DIR) + "/examples/sample.glt", copy);
    ASSERT_GT(copy.string().size(), 360u);
    const std::string path = copy.string();
    SetCurrentDesign(std::wstring(path.begin(), path.end()));
    CorbeldrawCommand command;
    EXPECT_EQ(command.Run(), 1);
    EXPECT_GE(TitleBlocks(), 1u);
    EXPECT_EQ(app().docManager().resourceDepth(), 0u);

    app().transcript().clear();
    SetCurrentDesign(L"/nonexistent/folder/none.glt");
    EXPECT_EQ(command.Run(), 0);
    EXPECT_TRUE(Has(transcript(), L"none.glt")) << transcript();
    EXPECT_FALSE(Has(transcript(), L"wipeout"));
    EXPECT_EQ(app().docManager().resourceDepth(), 0u);
}

TEST_F(Run, ScaleRuleTakesTheFirstStandardScaleAboveTheLengthIn285Steps)
{
    struct Case {
        double user;
        double length;
        double scale;
    };
    const Case cases[] = { { 0, 30000, 125 }, { 0, 28500, 125 }, { 0, 200, 1 }, { 0, 1000000, 2000 }, { 75, 30000, 75 } };
    for (const Case& c : cases) {
        CBent_BasicGeometry g;
        g.dLength = c.length;
        CGLGZ_EtDraw et;
        et.m_pGeometry = &g;
        et.SetScale(c.user);
        CGLGZ_BtDraw bt;
        bt.m_pGeometry = &g;
        bt.SetScale(c.user);
        EXPECT_DOUBLE_EQ(et.m_dScale, c.scale) << c.length;
        EXPECT_DOUBLE_EQ(bt.m_dScale, c.scale) << c.length;
    }
}

// A plan wider than a sheet's views at the user's scale takes the next standard scale at which
// it fits (the sample's cap is 1800 wide, skewed 20 degrees at its ends); a half drawing
// measures half the cap.
TEST_F(Run, ScaleTooSmallForTheSheetGivesWayToTheNextStandardScaleThatFits)
{
    struct Case {
        double user;
        double length;
        int half;
        double scale;
        bool reported;
    };
    const Case cases[] = { { 50, 12600, 0, 50, false }, { 50, 20160, 0, 62.5, true }, { 50, 20160, 1, 50, false },
        { 100, 20160, 0, 100, false }, { 50, 60000, 0, 200, true } };
    for (const Case& c : cases) {
        app().transcript().clear();
        CBent_BasicGeometry g;
        g.dLength = c.length;
        g.dWidth = 1800;
        g.dLeftAngle = g.dRightAngle = 70;
        CGLGZ_EtDraw drawing;
        drawing.m_pGeometry = &g;
        drawing.SetScale(c.user);
        drawing.m_bHalfDrawing = c.half;
        drawing.FitScaleToSheet();
        EXPECT_DOUBLE_EQ(drawing.m_dScale, c.scale) << c.length;
        EXPECT_EQ(Has(transcript(), L"改用1:"), c.reported) << transcript();
    }
}

TEST_F(Run, WeldLengthOfTheDrawingsFromTheirOuterDiameters)
{
    struct Case {
        int diameter;
        int barType;
        int weldType;
        double et;
        double bt;
    };
    const Case cases[] = {
        { 28, 1, 0, 150.0, 150.0 }, { 28, 0, 0, 140.0, 150.0 }, { 28, 1, 1, 300.0, 300.0 }, { 30, 1, 0, 150.0, 150.0 },
    };
    for (const Case& c : cases) {
        CHLGZ_PierInfo model;
        model.GetMoreInfo().SetSkeletonDiameter(c.diameter);
        model.GetMoreInfo().SetSkeletonBarType(c.barType);
        model.GetMoreInfo().SetWeldType(c.weldType);
        CGLGZ_EtDraw et;
        CGLGZ_BtDraw bt;
        et.m_pDesign = bt.m_pDesign = &model;
        et.m_dWeldLength = bt.m_dWeldLength = 0.0;
        EXPECT_DOUBLE_EQ(et.GetWeldLength(), c.et) << c.diameter << " " << c.barType;
        EXPECT_DOUBLE_EQ(bt.GetWeldLength(), c.bt) << c.diameter << " " << c.barType;
        et.m_dWeldLength = bt.m_dWeldLength = 160.0;
        EXPECT_DOUBLE_EQ(et.GetWeldLength(), 160.0);
        EXPECT_DOUBLE_EQ(bt.GetWeldLength(), 160.0);
    }
    EXPECT_DOUBLE_EQ(CGLGZ_EtDraw().m_dWeldLength, 280.0);
    EXPECT_DOUBLE_EQ(CGLGZ_BtDraw().m_dWeldLength, 0.0);
}

TEST_F(Run, SheetNumerals)
{
    const std::pair<int, const wchar_t*> cases[] = { { 1, L"一" }, { 10, L"十" }, { 19, L"十九" }, { 20, L"二十" },
        { 35, L"三十五" }, { 100, L"一百" }, { 105, L"一百零五" }, { 110, L"一百一十" }, { 123, L"一百二十三" } };
    for (const auto& [n, text] : cases)
        EXPECT_EQ(std::wstring(CGLGZ_CapDraw::SheetNumeral(n).GetString()), text) << n;
}

} // namespace
