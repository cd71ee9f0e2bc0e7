// Bar marks: their text, their length statistics, the box around the entities of their detail.
#include "CHLGZ_SteelCode.h"
#include "CScopedMessageBoxAnswerer.h"
#include "DrawingDbFixture.h"

using CHLGZ_SteelCodeTest = DrawingDbTest;

namespace {

// An entity whose extents are given, so that merging can be checked apart from how each
// entity class measures itself.
class BoxedLine : public AcDbLine {
public:
    BoxedLine(const AcGePoint3d& min, const AcGePoint3d& max, Acad::ErrorStatus status = Acad::eOk)
        : AcDbLine(min, max), m_min(min), m_max(max), m_status(status)
    {
    }
    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override
    {
        if (m_status == Acad::eOk)
            extents.set(m_min, m_max);
        return m_status;
    }

private:
    AcGePoint3d m_min, m_max;
    Acad::ErrorStatus m_status;
};

std::vector<std::wstring> Texts(const std::vector<CScriptedMessageBoxAnswerer::Box>& boxes)
{
    std::vector<std::wstring> texts;
    for (const auto& box : boxes)
        texts.push_back(box.text);
    return texts;
}

} // namespace

TEST(CHLGZ_SteelCode, MarkTextAndLengths)
{
    CHLGZ_SteelCode mark;
    EXPECT_EQ(mark.nFurther1, 1);
    EXPECT_EQ(mark.nFurther2, 1);
    mark.nNumber = 12;
    EXPECT_EQ(mark.FormatMark(), CString(L"12"));
    mark.nPrimed = 1;
    EXPECT_EQ(mark.FormatMark(), CString(L"12'"));

    for (double length : {5000.0, 3000.0, 4000.0})
        mark.AddLength(length);
    EXPECT_EQ(mark.dMaxLength, 5000.0);
    EXPECT_EQ(mark.dMinLength, 3000.0);
    EXPECT_EQ(mark.dTotalLength, 12000.0);

    mark.Reset();
    mark.AddLength(2.5);
    EXPECT_EQ(mark.dMinLength, 2.5);
    EXPECT_EQ(mark.dMaxLength, 2.5);
    EXPECT_EQ(mark.nPrimed, 0);
}

TEST_F(CHLGZ_SteelCodeTest, ExtentsMergeWhatCanBeMeasuredAndWiden)
{
    CHLGZ_SteelCode mark;
    mark.ptMin = AcGePoint3d(-500, -500, 0);
    mark.aEntityIds.append(AcDbObjectId());
    mark.aEntityIds.append(AddToModelSpace(new BoxedLine(AcGePoint3d(10, 20, 0), AcGePoint3d(30, 25, 0))));
    mark.aEntityIds.append(m_db->modelSpaceId());  // not an entity
    mark.aEntityIds.append(AddToModelSpace(
        new BoxedLine(AcGePoint3d(-1000, 0, 0), AcGePoint3d(1000, 0, 0), Acad::eNotImplementedYet)));
    mark.aEntityIds.append(AddToModelSpace(new BoxedLine(AcGePoint3d(0, 22, -1), AcGePoint3d(12, 40, 2))));

    mark.GetExtents(0);
    EXPECT_EQ(mark.ptMin, AcGePoint3d(-3, 17, -1));
    EXPECT_EQ(mark.ptMax, AcGePoint3d(33, 43, 2));

    // Every entity was closed again: it opens for write.
    AcDbEntity* entity = nullptr;
    ASSERT_EQ(acdbOpenObject(entity, mark.aEntityIds[1], AcDb::kForWrite), Acad::eOk);
    entity->close();
}

TEST_F(CHLGZ_SteelCodeTest, ExtentsWithoutEntitiesWidenTheBoxAndTraceEachStep)
{
    CScopedMessageBoxAnswerer boxes;
    boxes->SetLog(nullptr);
    CHLGZ_SteelCode mark;
    mark.aEntityIds.append(AcDbObjectId());
    mark.GetExtents(1);
    EXPECT_EQ(mark.ptMin, AcGePoint3d(-3, -3, 0));
    EXPECT_EQ(mark.ptMax, AcGePoint3d(3, 3, 0));
    EXPECT_EQ(Texts(boxes->Boxes()), std::vector<std::wstring>{L"A1"});

    mark.aEntityIds.append(AddToModelSpace(new BoxedLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0))));
    mark.GetExtents(1);
    EXPECT_EQ(Texts(boxes->Boxes()), (std::vector<std::wstring>{L"A1", L"A1", L"A1", L"A2", L"A3"}));
    EXPECT_EQ(mark.ptMax, AcGePoint3d(4, 4, 0));
}

TEST_F(CHLGZ_SteelCodeTest, ExtentsOfRealEntitiesAreMerged)
{
    CHLGZ_SteelCode mark;
    mark.aEntityIds.append(AddToModelSpace(new AcDbLine(AcGePoint3d(10, 5, 0), AcGePoint3d(40, 25, 0))));
    mark.aEntityIds.append(AddToModelSpace(new AcDbLine(AcGePoint3d(-2, 30, 0), AcGePoint3d(0, 31, 0))));
    mark.GetExtents(0);
    // The box of both lines, widened by the margin of 3 on each side.
    EXPECT_EQ(mark.ptMin, AcGePoint3d(-5, 2, 0));
    EXPECT_EQ(mark.ptMax, AcGePoint3d(43, 34, 0));
}
