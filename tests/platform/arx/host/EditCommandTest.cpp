// TRIM, EXPLODE and window selection doing their own share of the work on stand-in curves that
// answer the curve queries (StandInCurves.h): which segment a pick drops, where the segments go, and
// which entities a window holds.
#include "HostFixture.h"

#include "AcDbLine.h"
#include "StandInCurves.h"

#include <algorithm>
#include <cmath>

namespace {

class EditCommandTest : public HostFixture {
protected:
    // The x ranges of the live lines other than the given ones, sorted.
    static std::vector<std::pair<double, double>> spans(const std::vector<AcDbObjectId>& except)
    {
        std::vector<std::pair<double, double>> out;
        for (const AcDbObjectId& id : modelSpace()) {
            AcDbLine* l = nullptr;
            if (std::find(except.begin(), except.end(), id) != except.end()
                || acdbOpenObject(l, id, AcDb::kForRead) != Acad::eOk)
                continue;
            out.emplace_back(std::min(l->startPoint().x, l->endPoint().x), std::max(l->startPoint().x, l->endPoint().x));
            l->close();
        }
        std::sort(out.begin(), out.end());
        return out;
    }
};

TEST_F(EditCommandTest, TrimDropsTheSegmentUnderThePickBetweenTheNearestEdges)
{
    struct Case {
        double pickX;
        std::vector<std::pair<double, double>> left;
    };
    const Case cases[] = {
        {50.0, {{0, 30}, {70, 100}}},
        {10.0, {{30, 100}}},
        {90.0, {{0, 70}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pickX);
        app().docManager().newDocument();
        auto* target = new StandInLine(AcGePoint3d(0, 0, 0), AcGePoint3d(100, 0, 0));
        target->setDatabaseDefaults(db());
        target->setColorIndex(4);
        const AcDbObjectId line = add(target);
        const AcDbObjectId e1 = add(new AcDbLine(AcGePoint3d(30, -10, 0), AcGePoint3d(30, 10, 0)));
        const AcDbObjectId e2 = add(new AcDbLine(AcGePoint3d(70, -10, 0), AcGePoint3d(70, 10, 0)));
        const AcDbObjectId far = add(new AcDbLine(AcGePoint3d(0, 50, 0), AcGePoint3d(100, 50, 0)));
        ads_name ss, n1, n2, n3, obj;
        acdbGetAdsName(n1, e1);
        acdbGetAdsName(n2, e2);
        acdbGetAdsName(n3, far);
        acdbGetAdsName(obj, line);
        acedSSAdd(n1, nullptr, ss);
        acedSSAdd(n2, ss, ss);
        acedSSAdd(n3, ss, ss);
        const double pick[3] = {c.pickX, 0.5, 0};
        ASSERT_EQ(acedCommand(RTSTR, L"trim", RTPICKS, ss, RTSTR, L"", RTLB, RTENAME, obj, RT3DPOINT, pick, RTLE, RTSTR,
                              L"", RTNONE),
                  RTNORM)
            << HostPaths::narrowPath(transcript());
        acedSSFree(ss);
        EXPECT_TRUE(line.isErased());
        EXPECT_EQ(spans({e1, e2, far}), c.left);
        // The segments keep the trimmed object's properties.
        for (const AcDbObjectId& id : modelSpace()) {
            AcDbEntity* ent = nullptr;
            if (id == e1 || id == e2 || id == far || acdbOpenAcDbEntity(ent, id, AcDb::kForRead) != Acad::eOk)
                continue;
            EXPECT_EQ(ent->colorIndex(), 4);
            ent->close();
        }
    }
}

// Around a closed curve the crossings nearest the pick may lie on either side of its seam.
TEST_F(EditCommandTest, TrimOfACircleDropsTheArcUnderThePickAcrossItsSeam)
{
    // Edges x = 45 and x = 55 cross the circle (centre (50, 50), radius 20) at about 75.5,
    // 104.5, 255.5 and 284.5 degrees.
    const double a55 = std::acos(5.0 / 20.0) * 180.0 / M_PI;
    struct Case {
        double pickX, pickY;
        double keptStart, keptEnd; // degrees
    };
    const Case cases[] = {
        {70, 50, a55, 360.0 - a55},          // pick at 0 degrees: the cut segments meet across the seam
        {50, 70, 180.0 - a55, 360.0 + a55},  // pick at 90 degrees
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pickX);
        app().docManager().newDocument();
        auto* circle = new StandInCircle(AcGePoint3d(50, 50, 0), AcGeVector3d::kZAxis, 20.0);
        circle->setDatabaseDefaults(db());
        const AcDbObjectId target = add(circle);
        const AcDbObjectId e1 = add(new AcDbLine(AcGePoint3d(45, 0, 0), AcGePoint3d(45, 100, 0)));
        const AcDbObjectId e2 = add(new AcDbLine(AcGePoint3d(55, 0, 0), AcGePoint3d(55, 100, 0)));
        ads_name n1, n2, obj, ss;
        acdbGetAdsName(n1, e1);
        acdbGetAdsName(n2, e2);
        acdbGetAdsName(obj, target);
        acedSSAdd(n1, nullptr, ss);
        acedSSAdd(n2, ss, ss);
        const double pick[3] = {c.pickX, c.pickY, 0};
        ASSERT_EQ(acedCommand(RTSTR, L"trim", RTPICKS, ss, RTSTR, L"", RTLB, RTENAME, obj, RT3DPOINT, pick, RTLE,
                              RTSTR, L"", 0),
                  RTNORM)
            << HostPaths::narrowPath(transcript());
        acedSSFree(ss);
        EXPECT_TRUE(target.isErased());
        std::vector<AcDbObjectId> arcs;
        for (const AcDbObjectId& id : modelSpace())
            if (id != e1 && id != e2)
                arcs.push_back(id);
        ASSERT_EQ(arcs.size(), 1u);
        AcDbArc* arc = nullptr;
        ASSERT_EQ(acdbOpenObject(arc, arcs[0], AcDb::kForRead), Acad::eOk);
        double start = arc->startAngle() * 180.0 / M_PI, end = arc->endAngle() * 180.0 / M_PI;
        arc->close();
        while (end < start)
            end += 360.0;
        EXPECT_NEAR(start, std::fmod(c.keptStart, 360.0), 1e-6);
        EXPECT_NEAR(end, c.keptEnd, 1e-6);
    }
}

TEST_F(EditCommandTest, TrimWithoutACrossingLeavesTheObjectAndSaysSo)
{
    auto* target = new StandInLine(AcGePoint3d(0, 0, 0), AcGePoint3d(100, 0, 0));
    target->setDatabaseDefaults(db());
    const AcDbObjectId line = add(target);
    const AcDbObjectId edge = add(new AcDbLine(AcGePoint3d(0, 20, 0), AcGePoint3d(100, 20, 0)));
    ads_name e, obj;
    acdbGetAdsName(e, edge);
    acdbGetAdsName(obj, line);
    const double pick[3] = {50, 0, 0};
    EXPECT_EQ(acedCommand(RTSTR, L"trim", RTENAME, e, RTSTR, L"", RTLB, RTENAME, obj, RT3DPOINT, pick, RTLE, RTSTR, L"", 0),
              RTNORM);
    EXPECT_FALSE(line.isErased());
    EXPECT_NE(transcript().find(L"Object does not intersect an edge."), std::wstring::npos);
}

TEST_F(EditCommandTest, ExplodeReplacesTheEntityWithWhatItExplodesInto)
{
    auto* target = new StandInLine(AcGePoint3d(0, 0, 0), AcGePoint3d(100, 0, 0));
    target->setDatabaseDefaults(db());
    const AcDbObjectId line = add(target);
    ads_name name, ss;
    acdbGetAdsName(name, line);
    acedSSAdd(name, nullptr, ss);
    ASSERT_EQ(acedCommand(RTSTR, L"explode", RTPICKS, ss, RTSTR, L"", 0), RTNORM);
    acedSSFree(ss);
    EXPECT_TRUE(line.isErased());
    const std::vector<std::pair<double, double>> expected{{0, 50}, {50, 100}};
    EXPECT_EQ(spans({}), expected);
}

TEST_F(EditCommandTest, WindowSelectionTakesWhatLiesWhollyInside)
{
    auto inside = new StandInLine(AcGePoint3d(10, 10, 0), AcGePoint3d(20, 20, 0));
    inside->setDatabaseDefaults(db());
    const AcDbObjectId in = add(inside);
    auto crossing = new StandInLine(AcGePoint3d(10, 10, 0), AcGePoint3d(60, 10, 0));
    crossing->setDatabaseDefaults(db());
    add(crossing);
    const double a[3] = {0, 0, 0}, b[3] = {50, 50, 0};
    ads_name ss;
    ASSERT_EQ(acedSSGet(L"_W", a, b, nullptr, ss), RTNORM);
    long n = 0;
    acedSSLength(ss, &n);
    ASSERT_EQ(n, 1);
    ads_name first;
    acedSSName(ss, 0, first);
    AcDbObjectId id;
    acdbGetObjectId(id, first);
    EXPECT_EQ(id, in);
    acedSSFree(ss);
    const double c[3] = {100, 100, 0};
    EXPECT_EQ(acedSSGet(L"_W", c, c, nullptr, ss), RTERROR);
}

} // namespace
