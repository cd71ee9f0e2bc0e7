// Bar numbers and the lookup by number, the refusals of the numbering, the coded X values of the
// upper bent-up bars, and the lengths the skew-section drawing gathers for its bar codes.
#include "DrawingDesignFixture.h"

#include "CGLGZ_BtDraw.h"
#include "CGLGZ_EtDraw.h"
#include "WinUser.h"
#include "aced.h"

#include <memory>
#include <vector>

namespace {

std::vector<int> Numbers(CHLGZ_FaceInfo& face)
{
    std::vector<int> numbers;
    for (const CHLGZ_BASSteel* bar : CGLGZ_CapDraw::BarsInNumberingOrder(face))
        numbers.push_back(bar->GetTag());
    return numbers;
}

std::vector<int> Range(int first, int last)
{
    std::vector<int> out;
    for (int n = first; n <= last; ++n)
        out.push_back(n);
    return out;
}

std::unique_ptr<CGLGZ_CapDraw> Drawing(bool skew)
{
    if (skew)
        return std::make_unique<CGLGZ_BtDraw>();
    return std::make_unique<CGLGZ_EtDraw>();
}

} // namespace

class DrawingNumberingTest : public DrawingDesignFixture { };

TEST_F(DrawingNumberingTest, TheSampleIsNumberedFromTenFaceByFace)
{
    for (bool skew : { false, true }) {
        SCOPED_TRACE(skew ? "skew sections" : "normal sections");
        Load("sample.glt");
        std::unique_ptr<CGLGZ_CapDraw> draw = Drawing(skew);
        Attach(*draw);
        ASSERT_EQ(draw->NumberBarsAndCheck(), 1);
        CHLGZ_FaceInfo& main = model.GetMainFace();
        // Plates 10, 11; upper bent-up 12, 13; lower bent-up 14; bottom straight 15; top
        // straight 16; per support lower bent-up, bottom straight, top straight, 2 upper bent-up.
        EXPECT_EQ(Numbers(main), Range(10, 31));
        EXPECT_EQ(main.GetLUMSteels()[0].GetTag(), 15);
        EXPECT_EQ(main.GetSupports()[0].GetLPBSteels()[0].GetTag(), 17);
        EXPECT_EQ(main.GetSupports()[0].GetLPTSteels()[1].GetTag(), 21);
        EXPECT_EQ(draw->m_nEndPart, 0);
        EXPECT_EQ(model.GetEndFace().GetBarColumnCount(), 0);
        EXPECT_EQ(model.GetEndFace().GetLTLSteel().GetTag(), 0) << "a rectangular section has no end face";
        EXPECT_EQ(main.GetLBLSteel().GetColumnText(), L"101010101");
        EXPECT_EQ(main.GetStirrups().GetSize(), 5);
        EXPECT_EQ(draw->FindBarByNumber(10), &main.GetLTLSteel());
        EXPECT_EQ(draw->FindBarByNumber(31), &main.GetSupports()[2].GetLPTSteels()[1]);
        EXPECT_EQ(draw->FindBarByNumber(9), nullptr);
        EXPECT_EQ(draw->FindBarByNumber(32), nullptr);
        EXPECT_EQ(draw->FindBarByNumber(0), nullptr);
    }
}

TEST_F(DrawingNumberingTest, ASmallDesignIsNumberedInTheOrderOfItsLists)
{
    Load("sample.glt");
    CHLGZ_FaceInfo& face = model.GetMainFace();
    face.GetLUTSteels().RemoveAt(1);
    face.GetLUMSteels().RemoveAll();
    face.GetLUPSteels().Add(face.GetLUPSteels()[0]);
    face.GetSupports().SetSize(1);
    CHLGZ_PoleInfo& support = face.GetSupports()[0];
    support.GetLPBSteels().RemoveAll();
    support.GetLPMSteels().RemoveAll();
    support.GetLPPSteels().RemoveAll();
    support.GetLPTSteels().RemoveAt(1);
    model.GetSupportDistances().setLogicalLength(1);
    CGLGZ_EtDraw draw;
    Attach(draw);
    ASSERT_EQ(draw.NumberBarsAndCheck(), 1);
    EXPECT_EQ(face.GetLTLSteel().GetTag(), 10);
    EXPECT_EQ(face.GetLBLSteel().GetTag(), 11);
    EXPECT_EQ(face.GetLUTSteels()[0].GetTag(), 12);
    EXPECT_EQ(face.GetLUBSteels()[0].GetTag(), 13);
    EXPECT_EQ(face.GetLUPSteels()[0].GetTag(), 14);
    EXPECT_EQ(face.GetLUPSteels()[1].GetTag(), 15);
    EXPECT_EQ(support.GetLPTSteels()[0].GetTag(), 16);
    EXPECT_EQ(draw.FindBarByNumber(16), &support.GetLPTSteels()[0]);
    EXPECT_EQ(draw.FindBarByNumber(9), nullptr);
}

TEST_F(DrawingNumberingTest, TheEndFaceOfAnLShapedSectionContinuesTheCount)
{
    Load("l-section.glt");
    CGLGZ_BtDraw draw;
    Attach(draw);
    ASSERT_EQ(draw.NumberBarsAndCheck(), 1);
    CHLGZ_FaceInfo& main = model.GetMainFace();
    CHLGZ_FaceInfo& end = model.GetEndFace();
    EXPECT_EQ(draw.m_nEndPart, -1);
    EXPECT_EQ(Numbers(main), Range(10, 26));
    EXPECT_EQ(Numbers(end), Range(27, 28));
    EXPECT_EQ(draw.FindBarByNumber(28), &end.GetLBLSteel());
    // Beside the end part the first column holds only the plate and top straight bars.
    EXPECT_EQ(main.GetLTLSteel().GetColumnText(), L"10101010101");
    EXPECT_EQ(main.GetLBLSteel().GetColumnText(), L"00101010101");
    EXPECT_EQ(end.GetLTLSteel().GetColumnText().GetLength(), 3);
}

TEST_F(DrawingNumberingTest, DesignsTheNumberingCannotDrawAreRefused)
{
    struct Case {
        const char* name;
        const char* example;
        Change change;
        int normal, skew;
        const wchar_t* caption;
        const wchar_t* text;
        UINT type;
    };
    const UINT ok = MB_OK | MB_ICONINFORMATION;
    const Case cases[] = {
        { "one main column", "sample.glt", [](auto& d, auto&) { d.GetMainFace().SetBarColumnCount(1); }, 0, 0,
            L"列数错误", L"盖梁主部骨架列数错误，请在剖面页上修改骨架列数！", ok },
        { "one end column", "l-section.glt", [](auto& d, auto&) { d.GetEndFace().SetBarColumnCount(1); }, 0, 0,
            L"列数错误", L"端盖梁端部骨架列数错误，请在剖面页上修改骨架列数！", ok },
        { "a stirrup past the columns", "sample.glt",
            [](auto& d, auto&) { d.GetMainFace().GetStirrups()[0].SetEndColumn(10); }, 0, 0, L"无法继续",
            L"部分箍筋的箍筋范围超出骨架钢筋排数，平面图及断面图出现错误", static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION) },
        { "an X missing between supports", "sample.glt",
            [](auto& d, auto&) { d.GetMainFace().GetLUTSteels()[0].SetLeftAxisDistanceAt(1, 99999); }, 0, 1,
            L"上弯起筋错误", L"部分整体立面上弯起钢筋X值使用错误，请检查！", ok },
        { "a Y missing before the last support", "sample.glt",
            [](auto& d, auto&) { d.GetMainFace().GetLUTSteels()[1].SetRightAxisDistanceAt(0, 99999); }, 0, 1,
            L"上弯起筋错误", L"部分整体立面上弯起钢筋X值使用错误，请检查！", ok },
        { "the outer ends missing", "sample.glt",
            [](auto& d, auto&) {
                d.GetMainFace().GetLUTSteels()[0].SetLeftAxisDistanceAt(0, 99999);
                d.GetMainFace().GetLUTSteels()[0].SetRightAxisDistanceAt(2, 99999);
            },
            1, 1, nullptr, nullptr, 0 },
        { "a bar over the middle support alone", "sample.glt",
            [](auto& d, auto&) {
                CBent_LUTSteel& bar = d.GetMainFace().GetLUTSteels()[0];
                for (int i : { 0, 2 }) {
                    bar.SetLeftAxisDistanceAt(i, 99999);
                    bar.SetRightAxisDistanceAt(i, 99999);
                }
            },
            1, 1, nullptr, nullptr, 0 },
    };
    for (const Case& c : cases) {
        for (bool skew : { false, true }) {
            SCOPED_TRACE(std::string(c.name) + (skew ? ", skew sections" : ", normal sections"));
            Load(c.example, c.change);
            std::unique_ptr<CGLGZ_CapDraw> draw = Drawing(skew);
            Attach(*draw);
            // Either answer to the Yes/No box stops the drawing.
            if (c.type & MB_YESNO)
                mBoxes->QueueAnswer(skew ? IDNO : IDYES);
            const size_t before = mBoxes->Boxes().size();
            const int result = draw->NumberBarsAndCheck();
            EXPECT_EQ(result, skew ? c.skew : c.normal);
            const auto boxes = mBoxes->Boxes();
            ASSERT_EQ(boxes.size(), before + (result == 0 ? 1 : 0));
            if (result != 0)
                continue;
            EXPECT_EQ(boxes.back().caption, c.caption);
            EXPECT_EQ(boxes.back().text, c.text);
            EXPECT_EQ(boxes.back().type, c.type);
            EXPECT_EQ(mBoxes->PendingAnswers(), 0u);
            EXPECT_EQ(boxes.back().owner, adsw_acadMainWnd());
        }
    }
    // Refused on the column count before any number is given.
    Load("sample.glt", cases[0].change);
    CGLGZ_EtDraw draw;
    Attach(draw);
    EXPECT_EQ(draw.NumberBarsAndCheck(), 0);
    EXPECT_EQ(model.GetMainFace().GetLTLSteel().GetTag(), 0);
}

TEST_F(DrawingNumberingTest, CodedXValuesLieInsideTheAnchorageLimits)
{
    struct Case {
        const char* name;
        int supports;
        bool skew;
        double first, last;
    };
    // Left: 250 + 1010 at a square end, less the end cover 60: 1200. Right, three supports:
    // 2200 + 1800 + cot 70 x (900 - 50) = 4309.38, rounded, less 60: 4249. One support: the
    // rest of the length, 12600 - 250 - 1010, + 309.38: 11649 - 60 = 11589.
    const Case cases[] = {
        { "three supports", 3, false, 1200 - 150, 4249 - 200 },
        { "one support", 1, false, 1200 - 150, 11589 - 200 },
        { "skew sections keep the codes", 3, true, 80150, 80200 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Load("sample.glt", [](CBent_PierInfo& d, CBent_BasicGeometry& g) {
            g.dLeftWidth = 250.0;
            g.dLeftAngle = 90.0;
            d.SetEndCover(60.0);
            d.GetSupportDistances()[0] = 1010.0;
            d.GetMainFace().GetLUTSteels()[0].SetLeftAxisDistanceAt(0, 80150);
            d.GetMainFace().GetLUTSteels()[0].SetRightAxisDistanceAt(2, 80200);
            d.GetMainFace().GetLUTSteels()[1].SetLeftAxisDistanceAt(0, 99999);
        });
        model.GetSupportDistances().setLogicalLength(c.supports);
        std::unique_ptr<CGLGZ_CapDraw> draw = Drawing(c.skew);
        Attach(*draw);
        ASSERT_EQ(draw->NumberBarsAndCheck(), 1);
        const CHLGZ_LUTSteel& bar = model.GetMainFace().GetLUTSteels()[0];
        EXPECT_DOUBLE_EQ(bar.GetPointX(0), c.first);
        EXPECT_DOUBLE_EQ(bar.GetPointY(-1), c.last);
        EXPECT_DOUBLE_EQ(bar.GetPointX(-1), 900.0);
        EXPECT_DOUBLE_EQ(model.GetMainFace().GetLUTSteels()[1].GetPointX(0), 99999.0);
    }
}

TEST_F(DrawingNumberingTest, AFaceWithoutStirrupsGetsOneOverAllItsColumns)
{
    Load("l-section.glt", [](CBent_PierInfo& d, CBent_BasicGeometry&) {
        d.GetMainFace().GetStirrups().RemoveAll();
        d.GetEndFace().GetStirrups().RemoveAll();
    });
    CGLGZ_EtDraw draw;
    Attach(draw);
    ASSERT_EQ(draw.NumberBarsAndCheck(), 1);
    for (CHLGZ_FaceInfo* face : { &model.GetMainFace(), &model.GetEndFace() }) {
        ASSERT_EQ(face->GetStirrups().GetSize(), 1);
        EXPECT_EQ(face->GetStirrups()[0].GetStartColumn(), 1);
        EXPECT_EQ(face->GetStirrups()[0].GetEndColumn(), face->GetBarColumnCount());
    }
}

TEST_F(DrawingNumberingTest, BarCodesGatherTheLengthsOfTheColumnsTheirBarsOccupy)
{
    Load("square-two-columns.glt");
    CGLGZ_BtDraw draw;
    Attach(draw);
    ASSERT_EQ(draw.NumberBarsAndCheck(), 1);
    CHLGZ_BASSteel& bar = *draw.FindBarByNumber(12);
    bar.SetColumnText(L"1011");
    for (double length : { 1.0, 2.0, 3.0, 4.0 })
        bar.GetFirstLengths().append(length);
    for (double length : { 5.0, 6.0, 7.0, 8.0 })
        bar.GetSecondLengths().append(length);
    draw.FindBarByNumber(13)->GetFirstLengths().append(1.0);
    struct Case {
        std::vector<int> members;
        int count;
        double longest, shortest, average;
    };
    const Case cases[] = {
        { { 12, -12 }, 6, 8.0, 1.0, (1.0 + 3.0 + 4.0 + 5.0 + 7.0 + 8.0) / 6.0 },
        { { -12 }, 3, 8.0, 5.0, 20.0 / 3.0 },
        // A length row that does not match the column text, and a number no bar has.
        { { 13, 99 }, 0, 0.0, 0.0, 0.0 },
    };
    for (const Case& c : cases) {
        CHLGZ_SteelCode code;
        for (int member : c.members)
            code.aTags.append(member);
        draw.m_steelCodes.Add(code);
    }
    EXPECT_EQ(draw.ComputeCodeLengths(), 1);
    for (INT_PTR i = 0; i < draw.m_steelCodes.GetSize(); ++i) {
        SCOPED_TRACE(i);
        const CHLGZ_SteelCode& code = draw.m_steelCodes[i];
        EXPECT_EQ(code.nDiameter, model.GetMoreInfo().GetSkeletonDiameter());
        EXPECT_EQ(code.nCount, cases[i].count);
        EXPECT_DOUBLE_EQ(code.dMaxLength, cases[i].longest);
        EXPECT_DOUBLE_EQ(code.dMinLength, cases[i].shortest);
        EXPECT_DOUBLE_EQ(code.dAverageLength, cases[i].average);
    }
}
