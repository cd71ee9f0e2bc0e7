// Temporary graphics: crosses, lines and point chains go to the screen as vectors, never into
// the drawing; a refresh clears the screen with REDRAW first.
#include "CadkitFixture.h"

#include "MavUtils.h"

#include <string>
#include <vector>

namespace {

struct Vector {
    AcGePoint3d from;
    AcGePoint3d to;
    int color;
    int highlight;
};

std::vector<Vector>& screen()
{
    static std::vector<Vector> vectors;
    return vectors;
}

} // namespace

// The host has no screen; this test program takes the host's vector call over so that the
// vectors the library draws can be read back.
int acedGrDraw(const ads_point from, const ads_point to, int color, int hl)
{
    screen().push_back({AcGePoint3d(from[0], from[1], from[2]), AcGePoint3d(to[0], to[1], to[2]), color, hl});
    return RTNORM;
}

namespace {

class TemporaryGraphics : public CadkitFixture {
protected:
    void SetUp() override
    {
        CadkitFixture::SetUp();
        screen().clear();
    }

    static bool redrawn() { return transcript().find(L"REDRAW") != std::wstring::npos; }

    // Each vector as its two ends, in either order.
    static void expectVector(const Vector& v, const AcGePoint3d& a, const AcGePoint3d& b, int color)
    {
        EXPECT_TRUE((v.from == a && v.to == b) || (v.from == b && v.to == a))
            << v.from.x << "," << v.from.y << " - " << v.to.x << "," << v.to.y;
        EXPECT_EQ(v.color, color);
        EXPECT_EQ(v.highlight, 0);
    }
};

TEST_F(TemporaryGraphics, CrossHasArmsOfHalfItsSizeInRedAndNothingEntersTheDrawing)
{
    const struct {
        double size;
        double arm;
    } cases[] = {{4.0, 2.0}, {-4.0, 2.0}, {0.0, 0.5}};
    for (const auto& c : cases) {
        screen().clear();
        MavUtils::drawCrossUseAcedGrDraw(AcGePoint3d(10, 20, 3), c.size, 0);
        ASSERT_EQ(screen().size(), 2u) << c.size;
        expectVector(screen()[0], AcGePoint3d(10, 20 + c.arm, 3), AcGePoint3d(10, 20 - c.arm, 3), 1);
        expectVector(screen()[1], AcGePoint3d(10 + c.arm, 20, 3), AcGePoint3d(10 - c.arm, 20, 3), 1);
    }
    EXPECT_FALSE(redrawn());
    EXPECT_TRUE(modelSpace().empty());

    MavUtils::drawCrossUseAcedGrDraw(AcGePoint3d(0, 0, 0), 1.0, 1);
    EXPECT_TRUE(redrawn());
}

TEST_F(TemporaryGraphics, LineOfNoLengthIsNotDrawnAndDoesNotRedraw)
{
    MavUtils::drawLineUseAcedGrDraw(AcGePoint3d(1, 1, 0), AcGePoint3d(1, 1, 0), 2, 1);
    EXPECT_TRUE(screen().empty());
    EXPECT_FALSE(redrawn());

    MavUtils::drawLineUseAcedGrDraw(AcGePoint3d(1, 1, 0), AcGePoint3d(5, 1, 0), 2, 0);
    ASSERT_EQ(screen().size(), 1u);
    expectVector(screen()[0], AcGePoint3d(1, 1, 0), AcGePoint3d(5, 1, 0), 2);
    EXPECT_FALSE(redrawn());

    MavUtils::drawLineUseAcedGrDraw(AcGePoint3d(1, 1, 0), AcGePoint3d(5, 1, 0), 2, 1);
    EXPECT_TRUE(redrawn());
    EXPECT_TRUE(modelSpace().empty());
}

TEST_F(TemporaryGraphics, ChainJoinsNeighboursAndClosesFromFirstToLast)
{
    AcArray<AcGePoint3d> points;
    points.append(AcGePoint3d(0, 0, 1));
    points.append(AcGePoint3d(4, 0, 1));
    points.append(AcGePoint3d(4, 3, 1));
    MavUtils::drawPlineUseAcedGrDraw(points, 1, 1);
    ASSERT_EQ(screen().size(), 3u);
    expectVector(screen()[0], points[0], points[1], 1);
    expectVector(screen()[1], points[1], points[2], 1);
    expectVector(screen()[2], points[0], points[2], 1);

    // Plan points lie on z = 0; green when not red; open chains are not closed.
    screen().clear();
    AcArray<AcGePoint2d> plan;
    plan.append(AcGePoint2d(0, 0));
    plan.append(AcGePoint2d(2, 2));
    MavUtils::drawPlineUseAcedGrDraw(plan, 0, 0);
    ASSERT_EQ(screen().size(), 1u);
    expectVector(screen()[0], AcGePoint3d(0, 0, 0), AcGePoint3d(2, 2, 0), 3);

    // One point closed: a single vector of no length; no points: nothing.
    screen().clear();
    plan.setLogicalLength(1);
    MavUtils::drawPlineUseAcedGrDraw(plan, 1, 0);
    ASSERT_EQ(screen().size(), 1u);
    expectVector(screen()[0], AcGePoint3d(0, 0, 0), AcGePoint3d(0, 0, 0), 3);
    screen().clear();
    MavUtils::drawPlineUseAcedGrDraw(AcArray<AcGePoint3d>(), 1, 1);
    EXPECT_TRUE(screen().empty());
    EXPECT_FALSE(redrawn());
}

} // namespace
