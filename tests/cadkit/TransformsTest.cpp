// Transforms: points, plan geometry and entities moved, turned about Z and scaled; entity forms
// close what they were given, id forms open it themselves; the user system's matrix.
#include "FactoryFixture.h"

#include "MavUtils.h"

#include "AcDbLine.h"
#include "AcDbObject.h"
#include "AcGeLineSeg2d.h"
#include "AcGeMatrix3d.h"

#include <numbers>

namespace {

constexpr double kHalfPi = std::numbers::pi / 2.0;

class Transforms : public FactoryFixture {
protected:
    static AcDbObjectId addLine(const AcGePoint3d& start, const AcGePoint3d& end)
    {
        return add(new AcDbLine(start, end));
    }

    static void expectLine(AcDbObjectId id, const AcGePoint3d& start, const AcGePoint3d& end)
    {
        ReadBack<AcDbLine> line(id);
        ASSERT_TRUE(line);
        expectNear(line->startPoint(), start);
        expectNear(line->endPoint(), end);
    }

    // True when nothing holds the entity open any more.
    static bool closed(AcDbObjectId id)
    {
        AcDbObject* obj = nullptr;
        if (acdbOpenAcDbObject(obj, id, AcDb::kForWrite) != Acad::eOk)
            return false;
        obj->close();
        return true;
    }
};

TEST_F(Transforms, PointsMoveTurnAndScale)
{
    AcGePoint3d p(2, 3, 7);
    MavUtils::moveToBasePoint(p, AcGePoint2d(1, 1), AcGePoint2d(4, 5));
    expectNear(p, AcGePoint3d(5, 7, 7));

    AcGePoint3d q(2, 0, 0);
    MavUtils::rotateToAngle(q, AcGePoint3d::kOrigin, kHalfPi);
    expectNear(q, AcGePoint3d(0, 2, 0));
    AcGePoint3d r(3, 1, 4);
    MavUtils::rotateToAngle(r, AcGePoint3d(1, 1, 0), kHalfPi);
    expectNear(r, AcGePoint3d(1, 3, 4));

    AcGePoint3d s(3, 2, 1);
    MavUtils::scaleToSize(s, 2.0, AcGePoint3d(1, 1, 1));
    expectNear(s, AcGePoint3d(5, 3, 1));

    // The base's z plays no part for plan points.
    AcArray<AcGePoint2d> plan;
    plan.append(AcGePoint2d(2, 1));
    plan.append(AcGePoint2d(1, 3));
    MavUtils::scaleToSize(plan, 2.0, AcGePoint3d(1, 1, 9));
    EXPECT_EQ(plan[0], AcGePoint2d(3, 1));
    EXPECT_EQ(plan[1], AcGePoint2d(1, 5));

    AcGePoint3d t(1, 2, 3);
    MavUtils::doTransformBy(t, AcGeMatrix3d::translation(AcGeVector3d(1, 1, 1)));
    expectNear(t, AcGePoint3d(2, 3, 4));
}

TEST_F(Transforms, PlanGeometryMovesAndTurns)
{
    AcGeLineSeg2d segment(AcGePoint2d(1, 0), AcGePoint2d(3, 0));
    MavUtils::moveToBasePoint(&segment, AcGePoint2d(1, 1), AcGePoint2d(4, 5));
    EXPECT_EQ(segment.startPoint(), AcGePoint2d(4, 4));
    MavUtils::rotateToAngle(&segment, AcGePoint2d(4, 4), kHalfPi);
    EXPECT_TRUE(segment.endPoint().isEqualTo(AcGePoint2d(4, 6)));
    MavUtils::moveToBasePoint(static_cast<AcGeEntity2d*>(nullptr), AcGePoint2d(0, 0), AcGePoint2d(1, 1));
    MavUtils::rotateToAngle(static_cast<AcGeEntity2d*>(nullptr), AcGePoint2d(0, 0), 1.0);
}

TEST_F(Transforms, EntityFormsTransformAndCloseByPointerAndById)
{
    const AcGePoint3d a(2, 0, 0);
    const AcGePoint3d b(4, 0, 0);
    const struct {
        const char* name;
        void (*byPointer)(AcDbEntity*);
        void (*byId)(AcDbObjectId);
        AcGePoint3d start;
        AcGePoint3d end;
    } forms[] = {
        {"move", [](AcDbEntity* e) { MavUtils::moveToBasePoint(e, AcGePoint3d(1, 1, 0), AcGePoint3d(4, 5, 0)); },
            [](AcDbObjectId id) { MavUtils::moveToBasePoint(id, AcGePoint3d(1, 1, 0), AcGePoint3d(4, 5, 0)); },
            AcGePoint3d(5, 4, 0), AcGePoint3d(7, 4, 0)},
        {"rotate", [](AcDbEntity* e) { MavUtils::rotateToAngle(e, AcGePoint3d::kOrigin, kHalfPi); },
            [](AcDbObjectId id) { MavUtils::rotateToAngle(id, AcGePoint3d::kOrigin, kHalfPi); }, AcGePoint3d(0, 2, 0),
            AcGePoint3d(0, 4, 0)},
        {"scale", [](AcDbEntity* e) { MavUtils::scaleToSize(e, 3.0, AcGePoint3d(1, 0, 0), 1); },
            [](AcDbObjectId id) { MavUtils::scaleToSize(id, 3.0, AcGePoint3d(1, 0, 0), 1); }, AcGePoint3d(4, 0, 0),
            AcGePoint3d(10, 0, 0)},
        {"matrix", nullptr,
            [](AcDbObjectId id) {
                MavUtils::doTransformBy(id, AcGeMatrix3d::translation(AcGeVector3d(0, 0, 5)), 1);
            },
            AcGePoint3d(2, 0, 5), AcGePoint3d(4, 0, 5)},
    };
    for (const auto& form : forms) {
        SCOPED_TRACE(form.name);
        if (form.byPointer != nullptr) {
            const AcDbObjectId id = addLine(a, b);
            AcDbEntity* ent = nullptr;
            ASSERT_EQ(acdbOpenAcDbEntity(ent, id, AcDb::kForRead), Acad::eOk);
            form.byPointer(ent);
            EXPECT_TRUE(closed(id));
            expectLine(id, form.start, form.end);
        }
        const AcDbObjectId id = addLine(a, b);
        form.byId(id);
        EXPECT_TRUE(closed(id));
        expectLine(id, form.start, form.end);
    }
    EXPECT_TRUE(transcript().empty());
}

TEST_F(Transforms, EntityThatCannotBeWrittenIsLeftAsItWasAndStillClosed)
{
    const AcDbObjectId id = addLine(AcGePoint3d(2, 0, 0), AcGePoint3d(4, 0, 0));
    const struct {
        const char* name;
        void (*byPointer)(AcDbEntity*);
        bool reported;
    } forms[] = {
        {"move", [](AcDbEntity* e) { MavUtils::moveToBasePoint(e, AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)); },
            false},
        {"rotate", [](AcDbEntity* e) { MavUtils::rotateToAngle(e, AcGePoint3d(0, 0, 0), 1.0); }, false},
        {"scale, reported", [](AcDbEntity* e) { MavUtils::scaleToSize(e, 2.0, AcGePoint3d(0, 0, 0), 1); }, true},
        {"scale, quiet", [](AcDbEntity* e) { MavUtils::scaleToSize(e, 2.0, AcGePoint3d(0, 0, 0), 0); }, false},
    };
    for (const auto& form : forms) {
        SCOPED_TRACE(form.name);
        app().transcript().clear();
        // A second reader keeps the entity from being raised to write.
        AcDbEntity* first = nullptr;
        AcDbEntity* second = nullptr;
        ASSERT_EQ(acdbOpenAcDbEntity(first, id, AcDb::kForRead), Acad::eOk);
        ASSERT_EQ(acdbOpenAcDbEntity(second, id, AcDb::kForRead), Acad::eOk);
        form.byPointer(first);
        second->close();
        EXPECT_TRUE(closed(id));
        EXPECT_EQ(transcript().find(L"Internal ARX ERROR") != std::wstring::npos, form.reported);
        expectLine(id, AcGePoint3d(2, 0, 0), AcGePoint3d(4, 0, 0));
    }
}

TEST_F(Transforms, IdsThatDoNotOpenAreSkippedSilently)
{
    const AcDbObjectId id = addLine(AcGePoint3d(2, 0, 0), AcGePoint3d(4, 0, 0));
    {
        HeldForWrite held(id);
        MavUtils::moveToBasePoint(id, AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0));
        MavUtils::rotateToAngle(id, AcGePoint3d(0, 0, 0), 1.0);
        MavUtils::scaleToSize(id, 2.0, AcGePoint3d(0, 0, 0), 1);
        MavUtils::doTransformBy(id, AcGeMatrix3d::scaling(2.0), 1);
    }
    MavUtils::moveToBasePoint(AcDbObjectId(), AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0));
    MavUtils::moveToBasePoint(static_cast<AcDbEntity*>(nullptr), AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0));
    EXPECT_TRUE(transcript().empty());
    expectLine(id, AcGePoint3d(2, 0, 0), AcGePoint3d(4, 0, 0));
}

TEST_F(Transforms, WorldUserSystemLeavesEntitiesWhereTheyAre)
{
    AcGeMatrix3d mat = AcGeMatrix3d::scaling(3.0);
    MavUtils::getUcsToWcsMatrix(mat, db());
    EXPECT_TRUE(mat.isEqualTo(AcGeMatrix3d::kIdentity));

    const AcDbObjectId id = addLine(AcGePoint3d(2, 0, 0), AcGePoint3d(4, 0, 0));
    AcDbEntity* ent = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(ent, id, AcDb::kForWrite), Acad::eOk);
    MavUtils::transformToWcs(ent, db());
    ent->close();
    expectLine(id, AcGePoint3d(2, 0, 0), AcGePoint3d(4, 0, 0));
}

} // namespace
