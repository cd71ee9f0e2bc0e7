// Titles, labels, angle marks and the value pair statistics shared by both section drawings.
#include "FrameworkFixture.h"

#include "AcDb3PointAngularDimension.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbText.h"
#include "CGLGZ_BtDraw.h"
#include "CGLGZ_EtDraw.h"
#include "CHLGZ_PierInfo.h"
#include "CTov_DwgDataBase.h"
#include "MavUtils.h"
#include "RebarRules.h"

#include <cmath>
#include <string>

namespace {

constexpr double kTol = 1e-9;

std::wstring TextOf(AcDbObjectId id)
{
    ReadBack<AcDbText> text(id);
    return text ? std::wstring(text->textStringConst()) : std::wstring();
}

std::wstring LayerOf(AcDbObjectId id)
{
    ReadBack<AcDbEntity> entity(id);
    if (!entity)
        return {};
    ACHAR* name = entity->layer();
    std::wstring out(name);
    acutDelString(name);
    return out;
}

AcGePoint3dArray Pairs(std::initializer_list<AcGePoint3d> entries)
{
    AcGePoint3dArray out;
    for (const AcGePoint3d& p : entries)
        out.append(p);
    return out;
}

} // namespace

class DrawingTextsTest : public FrameworkFixture {
protected:
    void SetUp() override
    {
        FrameworkFixture::SetUp();
        for (const wchar_t* name : { L"01-图框", L"02-结构", L"08-标注", L"09-文本" }) {
            AcDbObjectId id;
            MavUtils::createLayerEx(name, L"Continuous", id, 1, false, false, false, false, 0);
        }
        for (const wchar_t* name : { L"BT", L"YB" }) {
            AcDbObjectId id;
            draw.CreateTextStyle(name, 0.0, 0.0, id);
        }
        draw.m_pDesign = &design;
        draw.m_dTitleHeight = 5.0;
        draw.m_dLabelHeight = 2.5;
        draw.m_dWidthFactor = 0.85;
    }
    CHLGZ_PierInfo design;
    CGLGZ_EtDraw draw;
};

TEST(DrawingTexts, ValuePairStatisticsSkipEmptyEntriesOnlyWhenComparing)
{
    const AcGePoint3dArray pairs = Pairs({ { 5, 0, 0 }, { 0, 0, 0 }, { 5, 1, 0 } });
    struct Case {
        AcGePoint3dArray list;
        int mode;
        int equal;
        double average, max, min;
    } cases[] = {
        { pairs, 0, 1, 10.0 / 3.0, 5.0, 0.0 },
        { pairs, 1, 1, 1.0 / 3.0, 1.0, 0.0 },
        { pairs, 2, 0, 1.0 / 3.0, 6.0, 0.0 },
        // An empty first entry is no reference either.
        { Pairs({ { 0, 0, 0 }, { 4, 2, 0 }, { 4.0005, 3, 0 } }), 0, 1, 8.0005 / 3.0, 4.0005, 0.0 },
        { Pairs({ { 4, 0, 0 }, { 4.001, 0, 0 } }), 0, 0, 4.0005, 4.001, 4.0 },
        { Pairs({ { -3, 7, 0 } }), 5, 1, 7.0, 4.0, 4.0 },
        { AcGePoint3dArray(), 0, 1, 0.0, 0.0, 0.0 },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CGLGZ_CapDraw::PointListAllEqual(c.list, c.mode), c.equal) << c.mode;
        EXPECT_NEAR(CGLGZ_CapDraw::PointListAverage(c.list, c.mode), c.average, kTol) << c.mode;
        EXPECT_NEAR(CGLGZ_CapDraw::PointListMax(c.list, c.mode), c.max, kTol) << c.mode;
        EXPECT_NEAR(CGLGZ_CapDraw::PointListMin(c.list, c.mode), c.min, kTol) << c.mode;
    }
}

TEST_F(DrawingTextsTest, LabelsStandClearOfTheirPointAwayFromIt)
{
    struct Case {
        int below;
        double angle;
        double dx, dy;
        AcDb::TextVertMode vertical;
    } cases[] = {
        { 0, 0.0, 0.0, 0.25, AcDb::kTextBottom },
        { 1, 0.0, 0.0, -0.25, AcDb::kTextTop },
        { 0, M_PI / 2, -0.25, 0.0, AcDb::kTextBottom },
        { 1, M_PI / 2, 0.25, 0.0, AcDb::kTextTop },
    };
    for (const Case& c : cases) {
        AcDbObjectId out;
        const AcDbObjectId id = draw.AddLabelText(out, { 10, 20, 3 }, L"N1", c.below, c.angle, c.below);
        EXPECT_EQ(id, out);
        ReadBack<AcDbText> text(id);
        ASSERT_TRUE(text);
        EXPECT_NEAR(text->alignmentPoint().x, 10 + c.dx, kTol);
        EXPECT_NEAR(text->alignmentPoint().y, 20 + c.dy, kTol);
        EXPECT_EQ(text->alignmentPoint().z, 0.0);
        EXPECT_EQ(text->horizontalMode(), AcDb::kTextCenter);
        EXPECT_EQ(text->verticalMode(), c.vertical);
        EXPECT_NEAR(text->rotation(), c.angle, kTol);
        EXPECT_EQ(text->height(), 2.5);
        EXPECT_EQ(text->widthFactor(), 0.85);
    }
    EXPECT_EQ(LayerOf(draw.m_idsMaskedTexts[0]), L"08-标注");
    // Only the flagged labels wait for a mask.
    EXPECT_EQ(draw.m_idsMaskedTexts.length(), 2);
}

TEST_F(DrawingTextsTest, RangeLabelsNeedAFivePointShapeAndTheDrawFlag)
{
    const auto shape = [](int n) {
        CHLGZ_SteelCode record;
        for (int i = 0; i < n; ++i)
            record.aPoints.append(AcGePoint3d(i * 10.0, i % 2 * 10.0, 0.0));
        return record;
    };
    struct Case {
        int points, draw;
        double first, second, half;
        int range;
        std::wstring texts[2];
    } cases[] = {
        { 4, 1, 1000, 1200, 500, 1, {} },
        { 6, 1, 1000, 1200, 500, 1, {} },
        { 5, 0, 1000, 1200, 500, 1, {} },
        { 5, 1, 1000, 1200, 125, 1, { L"120~100", L"12.5" } },
        { 5, 1, 1000, 1000.0005, 500, 1, { L"100", L"50" } },
        { 5, 1, 1000, 1200, 62.5, 0, { L"12.5/2", L"12.5/2" } },
    };
    for (const Case& c : cases) {
        CHLGZ_SteelCode record = shape(c.points);
        draw.AddRangeLabel(record, c.first, c.second, c.half, c.range, c.draw);
        if (c.texts[0].empty()) {
            EXPECT_EQ(record.aEntityIds.length(), 0);
            continue;
        }
        ASSERT_EQ(record.aEntityIds.length(), 2);
        EXPECT_EQ(TextOf(record.aEntityIds[0]), c.texts[0]);
        EXPECT_EQ(TextOf(record.aEntityIds[1]), c.texts[1]);
        ReadBack<AcDbText> second(record.aEntityIds[1]);
        ASSERT_TRUE(second);
        // A quarter of the way from point 2 (20, 0) to point 3 (30, 10), 0.25 above.
        EXPECT_NEAR(second->alignmentPoint().x, 22.5, kTol);
        EXPECT_NEAR(second->alignmentPoint().y, 2.75, kTol);
    }
}

TEST_F(DrawingTextsTest, AngleMarksKeepTheLegShortAndIgnoreThePointOrder)
{
    const AcGePoint3d low(0, 0, 0);
    const AcGePoint3d high(30, 10, 0);
    for (bool swapped : { false, true }) {
        AcDbObjectIdArray ids;
        draw.DrawAngleMark(swapped ? high : low, swapped ? low : high, ids);
        ASSERT_EQ(ids.length(), 2);
        ReadBack<AcDbLine> leg(ids[0]);
        ASSERT_TRUE(leg);
        EXPECT_NEAR(leg->startPoint().distanceTo(low), 0.0, kTol);
        EXPECT_NEAR(leg->endPoint().distanceTo(AcGePoint3d(12, 0, 0)), 0.0, kTol);
        EXPECT_EQ(LayerOf(ids[0]), L"08-标注");
        ReadBack<AcDb3PointAngularDimension> dim(ids[1]);
        ASSERT_TRUE(dim);
        EXPECT_NEAR(dim->centerPoint().distanceTo(low), 0.0, kTol);
        EXPECT_NEAR(dim->xLine2Point().distanceTo(high), 0.0, kTol);
        EXPECT_TRUE(dim->dimse1());
        EXPECT_TRUE(dim->dimse2());
        EXPECT_EQ(dim->dimtmove(), 2);
        // The arc lies 0.8 of the leg from the vertex.
        EXPECT_NEAR(dim->arcPoint().distanceTo(low), 9.6, kTol);
    }
}

TEST_F(DrawingTextsTest, DimensionStylesAreNamedAfterTheScale)
{
    struct Case {
        double scale;
        const wchar_t* name;
    } cases[] = { { 100.0, L"DIM100" }, { 62.5, L"DIM62.5" } };
    for (const Case& c : cases) {
        AcDbObjectId styleId;
        ASSERT_EQ(draw.CreateDimStyle(c.name, c.scale, styleId), 1);
        draw.SelectDimStyle(c.scale == 100.0 ? 62.5 : 100.0);
        draw.SelectDimStyle(c.scale);
        EXPECT_EQ(db()->dimstyle(), styleId) << c.scale;
    }
}

TEST_F(DrawingTextsTest, BoxedTitlesCarryTwoUnderlinesAndTheSecondTextAfterThem)
{
    for (const wchar_t* second : { L"", L"1:5" }) {
        const size_t before = modelSpace().size();
        EXPECT_EQ(draw.AddBoxedText({ 100, 50, 0 }, L"立面", second), 1);
        const std::vector<AcDbObjectId> all = modelSpace();
        const std::vector<AcDbObjectId> added(all.begin() + static_cast<long>(before), all.end());
        ASSERT_EQ(added.size(), second[0] == L'\0' ? 3u : 4u);
        EXPECT_EQ(TextOf(added[0]), L"立面");
        EXPECT_EQ(LayerOf(added[0]), L"09-文本");
        ReadBack<AcDbLine> upper(added[1]);
        ReadBack<AcDbLine> lower(added[2]);
        ASSERT_TRUE(upper && lower);
        EXPECT_EQ(LayerOf(added[1]), L"01-图框");
        EXPECT_EQ(LayerOf(added[2]), L"02-结构");
        EXPECT_NEAR(upper->startPoint().y - lower->startPoint().y, 1.0, kTol);
        EXPECT_NEAR(upper->startPoint().x, lower->startPoint().x, kTol);
        EXPECT_NEAR(upper->endPoint().x, lower->endPoint().x, kTol);
        if (second[0] == L'\0')
            continue;
        ReadBack<AcDbText> text(added[3]);
        ASSERT_TRUE(text);
        EXPECT_NEAR(text->alignmentPoint().x, upper->endPoint().x + 2.55, kTol);
        EXPECT_NEAR(text->alignmentPoint().y, upper->endPoint().y, kTol);
        EXPECT_NEAR(text->height(), 3.0, kTol);
        EXPECT_EQ(LayerOf(added[3]), L"02-结构");
    }
}

TEST_F(DrawingTextsTest, TheSkewSectionDrawingSetsASecondTextTwiceAsFarAfterTheUnderlines)
{
    CGLGZ_BtDraw skew;
    skew.m_pDesign = &design;
    skew.m_dTitleHeight = draw.m_dTitleHeight;
    skew.m_dWidthFactor = draw.m_dWidthFactor;
    struct Case {
        CGLGZ_CapDraw* drawing;
        double offset;
    } cases[] = { { &draw, 2.55 }, { &skew, 5.1 } };
    for (const Case& c : cases) {
        const size_t before = modelSpace().size();
        c.drawing->AddBoxedText({ 100, 50, 0 }, L"平面", L"1:50");
        const std::vector<AcDbObjectId> all = modelSpace();
        ASSERT_EQ(all.size(), before + 4u);
        ReadBack<AcDbLine> upper(all[before + 1]);
        ReadBack<AcDbText> text(all[before + 3]);
        ASSERT_TRUE(upper && text);
        EXPECT_NEAR(text->alignmentPoint().x - upper->endPoint().x, c.offset, kTol);
    }
}

TEST_F(DrawingTextsTest, AverageRangeLabelsShowTheLengthsWithoutHooksInCentimetres)
{
    // Type 0 bars of 20 mm: the two 90 degree hooks take t metres off each length.
    const double t = 2.0 * GetHookLength(20, 0, 90, 0.0) / 1000.0;
    struct Case {
        double longest, shortest;
        int halving;
        std::vector<std::wstring> texts;
        double firstX;
    } cases[] = {
        { 2.0 + t, 2.0 + t, 0, { L"200" }, 5.0 },
        { 2.0 + t, 2.0 + t, 1, { L"200/2", L"200/2" }, 5.0 },
        { 2.5 + t, 2.0 + t, 1, { L"(200~250)/2", L"(200~250)/2" }, 5.0 },
        { 2.5 + t, 2.0 + t, 0, { L"200~250" }, 5.0 },
    };
    for (const Case& c : cases) {
        CHLGZ_SteelCode record;
        record.nDiameter = 20;
        record.dMaxLength = c.longest;
        record.dMinLength = c.shortest;
        for (const AcGePoint3d& p : { AcGePoint3d(0, 10, 0), AcGePoint3d(0, 0, 0), AcGePoint3d(20, 0, 0),
                 AcGePoint3d(20, 10, 0) })
            record.aPoints.append(p);
        draw.AddAverageRangeLabel(record, c.halving);
        ASSERT_EQ(record.aEntityIds.length(), static_cast<int>(c.texts.size()));
        for (size_t i = 0; i < c.texts.size(); ++i)
            EXPECT_EQ(TextOf(record.aEntityIds[static_cast<int>(i)]), c.texts[i]);
        ReadBack<AcDbText> first(record.aEntityIds[0]);
        ASSERT_TRUE(first);
        EXPECT_NEAR(first->alignmentPoint().x, c.firstX, kTol);
        if (c.halving) {
            ReadBack<AcDbText> second(record.aEntityIds[1]);
            ASSERT_TRUE(second);
            EXPECT_NEAR(second->alignmentPoint().x, 15.0 - 7.0, kTol);
        }
    }
    CHLGZ_SteelCode five;
    for (int i = 0; i < 5; ++i)
        five.aPoints.append(AcGePoint3d(i, 0, 0));
    draw.AddAverageRangeLabel(five, 1);
    EXPECT_EQ(five.aEntityIds.length(), 0);
}

TEST_F(DrawingTextsTest, SegmentLabelsWriteTheOwnTextsOrTheMeasuredLengths)
{
    draw.m_dScale = 50.0;
    const auto shape = [](int vertices) {
        const AcGePoint2d corners[] = { { 20, 30 }, { 0, 30 }, { 0, 0 }, { 20, 0 }, { 20, 30 } };
        auto* pl = new AcDbPolyline();
        for (int i = 0; i < vertices; ++i)
            pl->addVertexAt(static_cast<unsigned int>(i), corners[i]);
        AcDbObjectId id;
        EXPECT_TRUE(AppendToModelSpace(pl, id));
        pl->close();
        CHLGZ_SteelCode record;
        record.aEntityIds.append(id);
        return record;
    };
    struct Case {
        int vertices;
        std::vector<std::wstring> own;
        int suppress;
        std::vector<std::wstring> texts;
    } cases[] = {
        { 5, {}, 0, { L"100", L"100", L"150", L"150" } },
        { 5, { L"A1", L"" }, 0, { L"A1", L"A1", L"150", L"150" } },
        { 5, { L"", L"B2" }, 1, { L"B2" } },
        // A shape without its last segments has nothing to label.
        { 4, {}, 0, {} },
    };
    for (const Case& c : cases) {
        CHLGZ_SteelCode record = shape(c.vertices);
        for (const std::wstring& text : c.own)
            record.aTexts.Add(CString(text.c_str()));
        record.nFurther3 = c.suppress;
        draw.AddSegmentLabels(record);
        ASSERT_EQ(record.aEntityIds.length(), static_cast<int>(c.texts.size()) + 1);
        for (size_t i = 0; i < c.texts.size(); ++i)
            EXPECT_EQ(TextOf(record.aEntityIds[static_cast<int>(i) + 1]), c.texts[i]);
    }
    // Without the repeat suppression the first label sits below the bottom segment 2-3.
    CHLGZ_SteelCode record = shape(5);
    draw.AddSegmentLabels(record);
    ReadBack<AcDbText> bottom(record.aEntityIds[1]);
    ASSERT_TRUE(bottom);
    EXPECT_NEAR(bottom->alignmentPoint().x, 10.0, kTol);
    EXPECT_NEAR(bottom->alignmentPoint().y, -0.25, kTol);
    EXPECT_EQ(bottom->verticalMode(), AcDb::kTextTop);
    // Nothing to open, nothing drawn.
    CHLGZ_SteelCode empty;
    draw.AddSegmentLabels(empty);
    EXPECT_EQ(empty.aEntityIds.length(), 0);
}

TEST_F(DrawingTextsTest, TableTextsAreCentredInTheirStyleWithTheDefaultHeightWhenNoneIsGiven)
{
    draw.m_dParam4 = 3.0;
    MavUtils::selectLayer(L"02-结构");
    AcDbObjectId yb;
    MavEntityLib().getTextStyleId(L"YB", yb);
    struct Case {
        double height, expected;
    } cases[] = { { 0.0, 3.0 }, { -1.0, 3.0 }, { 4.5, 4.5 } };
    for (const Case& c : cases) {
        draw.AddTableText(7.0, 8.0, L"N1", c.height);
        ReadBack<AcDbText> text(modelSpace().back());
        ASSERT_TRUE(text);
        EXPECT_EQ(std::wstring(text->textStringConst()), L"N1");
        EXPECT_EQ(text->textStyle(), yb);
        EXPECT_EQ(text->horizontalMode(), AcDb::kTextCenter);
        EXPECT_EQ(text->verticalMode(), AcDb::kTextVertMid);
        EXPECT_NEAR(text->alignmentPoint().distanceTo(AcGePoint3d(7, 8, 0)), 0.0, kTol);
        EXPECT_EQ(text->height(), c.expected);
        EXPECT_EQ(text->widthFactor(), 0.85);
        EXPECT_EQ(text->rotation(), 0.0);
    }
    EXPECT_EQ(LayerOf(modelSpace().back()), L"02-结构");
}
