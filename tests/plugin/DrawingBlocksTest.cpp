// The symbol blocks the drawing defines for itself and the weld and mark inserts that place them.
#include "FrameworkFixture.h"

#include "AcDbBlockReference.h"
#include "AcDbBlockTableRecordIterator.h"
#include "AcDbLine.h"
#include "AcDbSolid.h"
#include "CGLGZ_EtDraw.h"
#include "CHLGZ_PierInfo.h"
#include "CTov_DwgDataBase.h"
#include "MavUtils.h"

#include <cmath>

namespace {

constexpr double kTol = 1e-9;

// The abscissas of the lines in a block, in their order.
std::vector<double> LineXs(AcDbObjectId blockId)
{
    std::vector<double> xs;
    AcDbBlockTableRecord* pRecord = nullptr;
    if (acdbOpenObject(pRecord, blockId, AcDb::kForRead) != Acad::eOk)
        return xs;
    AcDbBlockTableRecordIterator* it = nullptr;
    pRecord->newIterator(it);
    for (it->start(); !it->done(); it->step()) {
        AcDbObjectId id;
        it->getEntityId(id);
        ReadBack<AcDbLine> line(id);
        if (line) {
            xs.push_back(line->startPoint().x);
            EXPECT_EQ(line->colorIndex(), 0);
        }
    }
    delete it;
    pRecord->close();
    return xs;
}

struct Placed {
    AcGePoint3d position;
    double rotation;
    AcGeScale3d scale;
    AcDbObjectId block;
};

std::vector<Placed> References(AcDbDatabase* pDb)
{
    std::vector<Placed> out;
    AcDbBlockTableRecord* pModel = MavUtils::openCurrentSpaceBlock(AcDb::kForRead, pDb);
    if (pModel == nullptr)
        return out;
    AcDbBlockTableRecordIterator* it = nullptr;
    pModel->newIterator(it);
    for (it->start(); !it->done(); it->step()) {
        AcDbObjectId id;
        it->getEntityId(id);
        ReadBack<AcDbBlockReference> ref(id);
        if (ref)
            out.push_back({ ref->position(), ref->rotation(), ref->scaleFactors(), ref->blockTableRecord() });
    }
    delete it;
    pModel->close();
    return out;
}

} // namespace

class DrawingBlocksTest : public FrameworkFixture {
protected:
    void SetUp() override
    {
        FrameworkFixture::SetUp();
        for (const wchar_t* name : { L"04-钢筋", L"07-辅助", L"08-标注" }) {
            AcDbObjectId id;
            MavUtils::createLayerEx(name, L"Continuous", id, 1, false, false, false, false, 0);
        }
        draw.m_pDesign = &design;
        draw.m_dScale = 50.0;
    }
    CHLGZ_PierInfo design;
    CGLGZ_EtDraw draw;
};

TEST_F(DrawingBlocksTest, WeldBlocksHatchTheMiddleHalfAndAreDefinedOnce)
{
    struct Case {
        int weldType, type;
        size_t count;
        double first, last;
    } cases[] = {
        { 0, 0, 10, 9.0, 27.0 },
        { 0, 2, 5, 19.0, 27.0 },
        { 1, 1, 20, 9.0, 27.0 },
    };
    for (const Case& c : cases) {
        SetUp();
        design.GetMoreInfo().SetWeldType(c.weldType);
        const AcDbObjectId id = draw.GetWeldBlock(36.0, 2.0, c.type);
        ASSERT_FALSE(id.isNull());
        const std::vector<double> xs = LineXs(id);
        ASSERT_EQ(xs.size(), c.count) << c.type;
        EXPECT_NEAR(xs.front(), c.first, kTol);
        EXPECT_NEAR(xs.back(), c.last, kTol);
        // A second request with another length finds the first definition unchanged.
        EXPECT_EQ(draw.GetWeldBlock(100.0, 9.0, c.type), id);
        EXPECT_EQ(LineXs(id).size(), c.count);
        ReadBack<AcDbBlockTableRecord> record(id);
        ASSERT_TRUE(record);
        EXPECT_NEAR(record->origin().x, c.type == 0 ? 0.0 : 18.0, kTol);
    }
}

TEST_F(DrawingBlocksTest, ArrowBlocksAreFoundByNameAndMakeTheirLayerCurrent)
{
    const AcDbObjectId leader = CGLGZ_CapDraw::GetLeaderArrowBlock();
    const AcDbObjectId dim = CGLGZ_CapDraw::GetDimArrowBlock();
    ASSERT_FALSE(leader.isNull());
    ASSERT_FALSE(dim.isNull());
    EXPECT_NE(leader, dim);
    EXPECT_EQ(LineXs(leader).size(), 0u);
    EXPECT_EQ(LineXs(dim).size(), 3u);
    AcDbObjectId other;
    MavUtils::getLayerId(L"07-辅助", other);
    MavUtils::selectLayer(L"07-辅助");
    EXPECT_EQ(CGLGZ_CapDraw::GetLeaderArrowBlock(), leader);
    AcDbObjectId label;
    MavUtils::getLayerId(L"08-标注", label);
    EXPECT_EQ(db()->clayer(), label);
    EXPECT_NE(other, label);
}

TEST_F(DrawingBlocksTest, WeldMarksStandAwayFromTheReferencePoint)
{
    for (int t = 0; t < 3; ++t)
        draw.m_idWeldBlocks[t] = draw.GetWeldBlock(36.0, 2.0, t);
    const double pi = 3.1415926535;
    struct Case {
        AcGePoint3d a, b, q;
        int clip, type;
        size_t count;
        AcGePoint3d position;
        double rotation;
        int placedType;
        bool mirrored;
    } cases[] = {
        // horizontal below Q: turned half round, at the right end
        { { 0, 0, 0 }, { 10, 0, 0 }, { 5, 5, 0 }, 0, 0, 1, { 10, 0, 0 }, -pi, 0, false },
        { { 10, 0, 0 }, { 0, 0, 0 }, { 5, -5, 0 }, 0, 0, 1, { 0, 0, 0 }, 0.0, 0, false },
        { { 3, 0, 0 }, { 3, 8, 0 }, { 0, 4, 0 }, 0, 0, 1, { 3, 8, 0 }, -pi / 2, 0, false },
        { { 3, 8, 0 }, { 3, 0, 0 }, { 9, 4, 0 }, 0, 0, 1, { 3, 0, 0 }, pi / 2, 0, false },
        { { 0, 0, 0 }, { 4, 3, 0 }, { 0, 9, 0 }, 0, 0, 1, { 4, 3, 0 }, pi + std::asin(0.6), 0, false },
        { { 0, 3, 0 }, { 4, 0, 0 }, { 0, 9, 0 }, 0, 1, 1, { 2, 1.5, 0 }, pi - std::asin(0.6), 1, false },
        // cut at x = 100
        { { 90, 5, 0 }, { 110, 5, 0 }, { 0, 0, 0 }, 1, 0, 1, { 100, 5, 0 }, 0.0, 2, true },
        { { 101, 5, 0 }, { 120, 5, 0 }, { 0, 0, 0 }, 1, 0, 0, {}, 0.0, 0, false },
        { { 100.03, 5, 0 }, { 120, 5, 0 }, { 0, 0, 0 }, 1, 0, 1, { 100.03, 5, 0 }, 0.0, 0, false },
    };
    for (const Case& c : cases) {
        draw.m_bClipAtMiddle = c.clip;
        const size_t before = References(db()).size();
        draw.InsertMirroredBlock(c.a, c.b, c.q, 100.0, c.type);
        const std::vector<Placed> refs = References(db());
        ASSERT_EQ(refs.size(), before + c.count) << c.a.x << "," << c.a.y;
        if (c.count == 0)
            continue;
        const Placed& p = refs.back();
        EXPECT_NEAR(p.position.x, c.position.x, kTol) << c.a.x;
        EXPECT_NEAR(p.position.y, c.position.y, kTol) << c.a.x;
        EXPECT_EQ(p.block, draw.m_idWeldBlocks[c.placedType]);
        EXPECT_NEAR(std::fabs(p.scale.sx), 1.0 / 50.0, kTol);
        EXPECT_EQ(p.scale.sx * p.scale.sy * p.scale.sz < 0.0, c.mirrored) << c.a.x;
        if (!c.mirrored) {
            EXPECT_NEAR(p.rotation, c.rotation, 1e-9) << c.a.x;
        }
    }
    AcDbObjectId aux;
    MavUtils::getLayerId(L"07-辅助", aux);
    EXPECT_EQ(db()->clayer(), aux);
}

TEST_F(DrawingBlocksTest, MarkInsertTurnsScalesAndMirrorsAcrossTheHorizontal)
{
    const AcDbObjectId arrow = CGLGZ_CapDraw::GetLeaderArrowBlock();
    CGLGZ_CapDraw::InsertMarkBlock({ 5, 6, 0 }, 2.0, 180.0, arrow);
    const int mirror = 1;
    CGLGZ_CapDraw::InsertMarkBlock({ 5, 6, 0 }, 2.0, 30.0, arrow, &mirror);
    const std::vector<Placed> refs = References(db());
    ASSERT_EQ(refs.size(), 2u);
    EXPECT_NEAR(refs[0].rotation, 3.1415926535, 1e-12);
    EXPECT_NEAR(refs[0].scale.sx, 2.0, kTol);
    EXPECT_NEAR(refs[1].position.y, 6.0, kTol);
    // Flipped in y: the reference's x axis now points below the horizontal.
    const bool flipped = refs[1].scale.sx * refs[1].scale.sy * refs[1].scale.sz < 0.0;
    EXPECT_TRUE(flipped);
}
