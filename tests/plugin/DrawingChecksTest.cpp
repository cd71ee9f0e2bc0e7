// The corrections and checks before the first view: supports and section codes, the
// strengthening report, skeleton columns and side bars, and the cut of a half drawing.
#include "DrawingDesignFixture.h"

#include "AcDbPolyline.h"
#include "CGLGZ_BtDraw.h"
#include "CGLGZ_EtDraw.h"
#include "CTov_DwgDataBase.h"
#include "WinUser.h"
#include "aced.h"

#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<double> Reals(const AcGeDoubleArray& list)
{
    return std::vector<double>(list.begin(), list.end());
}

std::vector<int> Ints(const AcGeIntArray& list)
{
    return std::vector<int>(list.begin(), list.end());
}

template <class T>
void Fill(AcArray<T>& list, const std::vector<T>& values)
{
    list.removeAll();
    for (const T& v : values)
        list.append(v);
}

AcDbObjectId AddLine(double y)
{
    auto* pl = new AcDbPolyline();
    pl->addVertexAt(0, AcGePoint2d(0.0, y));
    pl->addVertexAt(1, AcGePoint2d(100.0, y));
    AcDbObjectId id;
    if (!AppendToModelSpace(pl, id))
        delete pl;
    else
        pl->close();
    return id;
}

double EndX(AcDbObjectId id)
{
    ReadBack<AcDbPolyline> pl(id);
    AcGePoint2d end;
    if (pl)
        pl->getPointAt(pl->numVerts() - 1, end);
    return end.x;
}

} // namespace

class DrawingChecksTest : public DrawingDesignFixture { };

TEST_F(DrawingChecksTest, SectionCodesBeyondTheCutLabelsOrTheSupportsAreRefused)
{
    struct Case {
        const char* name;
        std::vector<int> sections;
        bool noSupports;
        int result;
        const wchar_t* text;
    };
    // The sample has three supports: codes 1 to 3 name them, 4 and 5 the spans between them.
    const Case cases[] = {
        { "given codes and the middle", { 1, 2, 4, 0 }, false, 1, nullptr },
        { "nine sections", { 1, 2, 3, 4, 5, 1, 2, 3, 4 }, false, 1, nullptr },
        { "the last span", { 5 }, false, 1, nullptr },
        { "ten sections", { 1, 2, 3, 4, 5, 1, 2, 3, 4, 5 }, false, 0, L"剖面位置数量超过9个，无法输出盖梁图！" },
        { "a span after the last support", { 1, 6 }, false, 0, L"剖面位置6超出支座范围，无法输出盖梁图！" },
        { "a negative code", { 2, -1 }, false, 0, L"剖面位置-1超出支座范围，无法输出盖梁图！" },
        { "no supports: left to the support check", { 4 }, true, 1, nullptr },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Load("sample.glt", [&](CBent_PierInfo& d, CBent_BasicGeometry&) {
            d.GetSectionPositions().RemoveAll();
            for (int code : c.sections)
                d.GetSectionPositions().Add(code);
            if (c.noSupports)
                d.GetSupportDistances().RemoveAll();
        });
        CGLGZ_EtDraw draw;
        Attach(draw);
        const size_t before = mBoxes->Boxes().size();
        draw.NormalizeSupports();
        EXPECT_EQ(draw.CheckSectionPositions(), c.result);
        const auto boxes = mBoxes->Boxes();
        ASSERT_EQ(boxes.size(), before + (c.text != nullptr ? 1 : 0));
        if (c.text == nullptr)
            continue;
        EXPECT_EQ(boxes.back().caption, L"断面位置错误");
        EXPECT_EQ(boxes.back().text, c.text);
        EXPECT_EQ(boxes.back().type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
        EXPECT_EQ(boxes.back().owner, adsw_acadMainWnd());
    }
}

TEST_F(DrawingChecksTest, SupportsSpanEquallyAndSectionsFollowTheCap)
{
    struct Case {
        const char* name;
        std::vector<double> supports;
        int code;
        std::vector<int> sections;
        std::vector<double> expectedSupports;
        std::vector<int> expectedSections;
    };
    const double e = (9000.0 - 500.0 - 2000.0) / 3.0;
    const Case cases[] = {
        { "equal spans", { 1000, 3000, 3500, 1000 }, 1, {}, { 1000, e, e, 1000 }, {} },
        { "spans as given", { 1000, 3000, 3500, 1000 }, 0, {}, { 1000, 3000, 3500, 1000 }, {} },
        { "two supports have no span to share", { 1000, 3000 }, 1, {}, { 1000, 3000 }, {} },
        { "middle support of three", { 1000, 3000, 1000 }, 0, { 0, 3 }, { 1000, 3000, 1000 }, { 2, 3 } },
        // The middle span of four (code 6) lies between supports 2 and 3, before support 3.
        { "middle span of four", { 1000, 3000, 3500, 1000 }, 0, { 0, 3 }, { 1000, 3000, 3500, 1000 }, { 6, 3 } },
        { "spans between their supports", { 1000, 3000, 1000 }, 0, { 5, 1, 4, 3, 2 }, { 1000, 3000, 1000 },
            { 1, 4, 2, 5, 3 } },
        { "only the first zero", { 1000, 3000, 1000 }, 0, { 0, 0, 1 }, { 1000, 3000, 1000 }, { 0, 1, 2 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Load("sample.glt");
        geometry.dLength = 9000.0;
        geometry.dLeftWidth = geometry.dRightWidth = 250.0;
        Fill(model.GetSupportDistances(), c.supports);
        Fill(model.GetSectionPositions(), c.sections);
        CGLGZ_EtDraw draw;
        Attach(draw);
        draw.m_nSupportCode = c.code;
        draw.NormalizeSupports();
        const std::vector<double> supports = Reals(model.GetSupportDistances());
        ASSERT_EQ(supports.size(), c.expectedSupports.size());
        for (size_t i = 0; i < supports.size(); ++i)
            EXPECT_NEAR(supports[i], c.expectedSupports[i], 1e-9);
        EXPECT_EQ(Ints(model.GetSectionPositions()), c.expectedSections);
    }
}

TEST_F(DrawingChecksTest, StrengtheningReportSetsTheSwitchesAndTheNumberOfGroups)
{
    struct Case {
        const char* name;
        bool skew;
        int supports;
        int form;
        double distances[4];
        int mode;
        int edge, middle, bottom, same;
        int formAfter;
        double distanceAfter;
        const wchar_t* line;
    };
    // The sample: left width 1800, first support 2200, both end angles 70.
    const Case cases[] = {
        { "three groups", false, 3, 0, { 1500, 1200, 1600, 2000 }, 3, 1, 1, 1, 0, 0, 1500,
            L"加强钢筋设置:边柱顶有,中柱顶有,跨中底有,\n" },
        { "middle columns as the edge columns", false, 3, 0, { 1500, 1500, 1500, 2000 }, 2, 1, 1, 1, 1, 0, 1500,
            L"加强钢筋设置:边柱顶有,中柱顶有,跨中底有,顶板边中柱相同\n" },
        { "two supports have no middle column", false, 2, 0, { 1500, 1200, 1600, 2000 }, 2, 1, 0, 1, 0, 0, 1500,
            L"加强钢筋设置:边柱顶有,中柱顶无,跨中底有,\n" },
        { "no lengths", false, 3, 0, { 0, 0, 0, 0 }, 0, 0, 0, 0, 1, 0, 0, L"加强钢筋设置:边柱顶无,中柱顶无,跨中底无,\n" },
        { "from the left end, normal sections", false, 3, 2, { 1500, 1500, 1500, 2000 }, 3, 1, 1, 1, 0, 1, 2500,
            L"加强钢筋设置:边柱顶有,中柱顶有,跨中底有,\n" },
        { "from the left end, skew sections", true, 3, 2, { 1500, 1500, 1500, 2000 }, 2, 1, 1, 1, 1, 0, 1500,
            L"加强钢筋设置:边柱顶有,中柱顶有,跨中底有,顶板边中柱相同\n" },
        { "from the left end without supports", false, 0, 2, { 1500, 1500, 1500, 2000 }, 2, 1, 0, 1, 0, 1, 300,
            L"加强钢筋设置:边柱顶有,中柱顶无,跨中底有,\n" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Load("sample.glt");
        model.GetSupportDistances().setLogicalLength(c.supports);
        CHLGZ_ExtendSteel& steel = model.GetExtendSteel();
        Fill(steel.GetCodes(), { 9000, 110, 11, 9000 });
        steel.SetEdgeOuterForm(c.form);
        steel.SetEdgeOuterDistance(c.distances[0]);
        steel.SetEdgeInnerDistance(c.distances[1]);
        steel.SetMiddlePierDistance(c.distances[2]);
        steel.SetMidSpanDistance(c.distances[3]);
        std::unique_ptr<CGLGZ_CapDraw> draw;
        if (c.skew)
            draw = std::make_unique<CGLGZ_BtDraw>();
        else
            draw = std::make_unique<CGLGZ_EtDraw>();
        Attach(*draw);
        app().transcript().clear();
        draw->ReportStrengtheningBars();
        EXPECT_EQ(transcript(), c.line);
        EXPECT_EQ(draw->m_nStrengtheningMode, c.mode);
        EXPECT_EQ(steel.GetEdgeTopSwitch(), c.edge);
        EXPECT_EQ(steel.GetMiddleTopSwitch(), c.middle);
        EXPECT_EQ(steel.GetBottomSwitch(), c.bottom);
        EXPECT_EQ(steel.GetSameAsEdgeSwitch(), c.same);
        EXPECT_EQ(steel.GetEdgeOuterForm(), c.formAfter);
        EXPECT_DOUBLE_EQ(steel.GetEdgeOuterDistance(), c.distanceAfter);
    }
}

TEST_F(DrawingChecksTest, SkeletonColumnsAndSideBarsAreReadyForTheViews)
{
    Load("sample.glt");
    CGLGZ_EtDraw draw;
    Attach(draw);
    // A column is occupied when any bar of the main face lies in it.
    model.GetMainFace().GetLUPSteels()[0].SetColumnText(L"010000000");
    app().transcript().clear();
    draw.CheckSideBarSpacing();
    EXPECT_EQ(Reals(draw.m_dSkeletonSpacings), std::vector<double>(8, 212.5));
    EXPECT_EQ(Ints(draw.m_bSkeletonColumn), (std::vector<int> { 1, 1, 1, 0, 1, 0, 1, 0, 1 }));
    EXPECT_EQ(Ints(model.GetExtendSteel().GetCodes()), (std::vector<int> { 0, 0, 0, 111, 0, 111, 0, 1111, 0 }));
    EXPECT_EQ(Reals(model.GetMoreInfo().GetSideSpacings()), std::vector<double>(10, 150.0));
    EXPECT_EQ(transcript(), L"");
}

TEST_F(DrawingChecksTest, MissingSpacingsAreSpreadEvenlyAndABarEndDistanceClearsTheCover)
{
    struct Case {
        const char* name;
        double width;
        double distance;
        std::vector<double> sideSpacings;
        double nominal;
        double skeletonSpacing;
        double distanceAfter;
        std::vector<double> sideAfter;
        bool notice;
    };
    // Nine columns over the width inside side covers of 50; side height 1600 - 50 - 50; the
    // skeleton bars are d32 ribbed (34.5 outside) behind an end cover of 50.
    const Case cases[] = {
        { "equal columns and nominal side bars", 2000, 1500, {}, 150, 237.5, 1415.5, std::vector<double>(10, 150.0),
            false },
        { "a side spacing that does not divide", 2000, 1500, {}, 400, 237.5, 1415.5, std::vector<double>(3, 500.0),
            false },
        { "no nominal side spacing", 2000, 1500, {}, 0, 237.5, 1415.5, { 1500.0 }, false },
        { "a distance inside the cover", 1800, 50, { 700, 803 }, 150, 212.5, 0, { 700, 803 }, true },
        { "spacings within 2 mm", 1800, 50, { 700, 801 }, 150, 212.5, 0, { 700, 801 }, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Load("sample.glt");
        geometry.dWidth = c.width;
        model.GetMoreInfo().GetSkeletonSpacings().removeAll();
        Fill(model.GetMoreInfo().GetSideSpacings(), c.sideSpacings);
        model.GetMoreInfo().SetSideBarSpacing(c.nominal);
        model.GetExtendSteel().SetEdgeOuterForm(1);
        model.GetExtendSteel().SetEdgeOuterDistance(c.distance);
        CGLGZ_EtDraw draw;
        Attach(draw);
        app().transcript().clear();
        draw.CheckSideBarSpacing();
        EXPECT_EQ(Reals(draw.m_dSkeletonSpacings), std::vector<double>(8, c.skeletonSpacing));
        EXPECT_DOUBLE_EQ(model.GetExtendSteel().GetEdgeOuterDistance(), c.distanceAfter);
        EXPECT_EQ(Reals(model.GetMoreInfo().GetSideSpacings()), c.sideAfter);
        EXPECT_EQ(transcript(), c.notice ? L"侧面钢筋间距错误，系统尝试自动修正！\n" : L"");
    }
}

TEST_F(DrawingChecksTest, ColumnTextsComeInTheOrderOfTheBarNumbers)
{
    Load("sample.glt");
    CHLGZ_FaceInfo& face = model.GetMainFace();
    face.GetLUMSteels()[0].SetColumnText(L"bottom straight");
    face.GetSupports()[0].GetLPBSteels()[0].SetColumnText(L"first lower bent-up");
    CGLGZ_BtDraw draw;
    Attach(draw);
    CStringArray texts;
    texts.Add(L"left over");
    // Plates, 2 upper and 1 lower bent-up, 1 bottom and 1 top straight, 3 supports of 5.
    ASSERT_EQ(draw.CollectColumnTexts(texts, 1), 22);
    EXPECT_EQ(texts[0], L"101010101");
    EXPECT_EQ(texts[5], L"bottom straight");
    EXPECT_EQ(texts[7], L"first lower bent-up");
    EXPECT_EQ(draw.CollectColumnTexts(texts, 0), 2);
}

TEST_F(DrawingChecksTest, AHalfDrawingIsCutAtTheMiddleOfTheCap)
{
    Load("sample.glt");
    CHLGZ_FaceInfo& face = model.GetMainFace();
    CArray<CHLGZ_PoleInfo, const CHLGZ_PoleInfo&>& supports = face.GetSupports();
    CArray<LineInfo, const LineInfo&> outline;
    for (double x : { -40.0, 60.0, 0.0, 100.0 })
        outline.Add(LineInfo { AcGePoint3d(x, 10.0, 0.0), AcGePoint3d(x, -10.0, 0.0) });
    struct Case {
        const char* name;
        int half;
        int lineCount;
        int result;
        double cutAt;
    };
    const Case cases[] = {
        { "half drawing", 1, 4, 1, 50.0 },
        { "whole drawing", 0, 4, 0, 100.0 },
        { "no end faces", 1, 3, 1, 100.0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        face.GetLTLSteel().SetFirstId(AddLine(0));
        face.GetLUTSteels()[1].SetFirstId(AddLine(1));
        for (INT_PTR s = 0; s < supports.GetSize(); ++s) {
            supports[s].GetLPTSteels()[0].SetFirstId(AddLine(3));
            supports[s].GetLPTSteels()[0].SetSecondId(AddLine(4));
            supports[s].GetLPBSteels()[0].SetFirstId(AddLine(5));
        }
        CArray<LineInfo, const LineInfo&> lines;
        for (int i = 0; i < c.lineCount; ++i)
            lines.Add(outline[i]);
        CGLGZ_EtDraw draw;
        Attach(draw);
        draw.m_bHalfDrawing = c.half;
        EXPECT_EQ(draw.ClipViewAtMiddle(face, lines), c.result);
        EXPECT_DOUBLE_EQ(EndX(face.GetLTLSteel().GetFirstId()), c.cutAt);
        EXPECT_DOUBLE_EQ(EndX(face.GetLUTSteels()[1].GetFirstId()), c.cutAt);
        // Only the bars of the supports from the middle one on reach past the middle.
        EXPECT_DOUBLE_EQ(EndX(supports[0].GetLPTSteels()[0].GetFirstId()), 100.0);
        EXPECT_DOUBLE_EQ(EndX(supports[0].GetLPBSteels()[0].GetFirstId()), 100.0);
        for (INT_PTR s = 1; s < supports.GetSize(); ++s) {
            EXPECT_DOUBLE_EQ(EndX(supports[s].GetLPTSteels()[0].GetFirstId()), c.cutAt);
            EXPECT_DOUBLE_EQ(EndX(supports[s].GetLPTSteels()[0].GetSecondId()), c.cutAt);
            EXPECT_DOUBLE_EQ(EndX(supports[s].GetLPBSteels()[0].GetFirstId()), c.cutAt);
        }
    }
}
