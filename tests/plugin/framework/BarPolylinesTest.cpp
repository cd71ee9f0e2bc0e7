// A bar's vertex lists drawn as polylines: rounded corners and fitted ends against
// hand-computed vertices and bulges.
#include "FrameworkFixture.h"

#include "AcDbPolyline.h"
#include "CHLGZ_BASSteel.h"
#include "CTov_InitDraw.h"

#include <cmath>

namespace {

struct Vertex {
    double x, y, bulge;
};

std::vector<Vertex> verticesOf(AcDbObjectId id)
{
    std::vector<Vertex> vertices;
    AcDbPolyline* pl = nullptr;
    if (acdbOpenObject(pl, id, AcDb::kForRead) != Acad::eOk)
        return vertices;
    for (unsigned int i = 0; i < pl->numVerts(); ++i) {
        AcGePoint2d p;
        double b = 0.0;
        pl->getPointAt(i, p);
        pl->getBulgeAt(i, b);
        vertices.push_back({ p.x, p.y, b });
    }
    pl->close();
    return vertices;
}

void expectVertices(AcDbObjectId id, const std::vector<Vertex>& expected, const char* what)
{
    const auto actual = verticesOf(id);
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i].x, expected[i].x, 1e-9) << what << " vertex " << i;
        EXPECT_NEAR(actual[i].y, expected[i].y, 1e-9) << what << " vertex " << i;
        EXPECT_NEAR(actual[i].bulge, expected[i].bulge, 1e-9) << what << " vertex " << i;
    }
}

void setList(AcGePoint3dArray& points, AcGeDoubleArray& radii, const std::vector<Vertex>& vertices)
{
    for (const Vertex& v : vertices) {
        points.append(AcGePoint3d(v.x, v.y, 0.0));
        radii.append(v.bulge);
    }
}

const double kQuarter = std::tan(M_PI / 8.0);

} // namespace

class BarPolylines : public FrameworkFixture {
protected:
    void SetUp() override
    {
        FrameworkFixture::SetUp();
        CTov_InitDraw setup;
        ASSERT_EQ(setup.Run(), 1);
    }
};

// An L-shaped bar with a bend of radius 2, both ends fitted to 5: the start runs 5 back from
// the bend's first tangent point, the end 5 on from its second.
TEST_F(BarPolylines, ABentBarIsRoundedAndItsEndsFitted)
{
    CHLGZ_BASSteel bar;
    // Radii in the third field.
    setList(bar.GetFirstPoints(), bar.GetFirstRadii(), { { 0, 0, 0 }, { 10, 0, 2 }, { 10, 10, 0 } });
    bar.SetStartFlag(1);
    bar.SetEndFlag(1);
    bar.DrawPolylines(5.0);
    expectVertices(bar.GetFirstId(), { { 3, 0, 0 }, { 8, 0, kQuarter }, { 10, 2, 0 }, { 10, 7, 0 } }, "first");
    EXPECT_TRUE(bar.GetSecondId().isNull());
    EXPECT_EQ(layerOf(bar.GetFirstId()), L"04-钢筋");
    EXPECT_EQ(AcDbDatabase::symbolName(db()->clayer()), L"04-钢筋");
    EXPECT_EQ(bar.GetFirstPoints().length(), 3);
}

// With a second list the start is fitted on the first polyline and the end on the second.
// A bar without radii, or with fewer radii than vertices, is drawn the same way with sharp
// corners where radii are missing, its second list included.
TEST_F(BarPolylines, TheSecondListTakesTheEndAndMissingRadiiAreSharp)
{
    struct Case {
        std::vector<Vertex> first;
        int firstRadii;
        std::vector<Vertex> expectedFirst;
    };
    const Case cases[] = {
        { { { 0, 0, 0 }, { 10, 0, 2 }, { 10, 10, 0 } }, 3, { { -2, 0, 0 }, { 8, 0, -kQuarter }, { 10, 2, 0 }, { 10, 10, 0 } } },
        { { { 0, 0, 0 }, { 10, 0, 2 }, { 10, 10, 0 } }, 0, { { 0, 0, 0 }, { 10, 0, 0 }, { 10, 10, 0 } } },
        { { { 0, 0, 0 }, { 10, 0, 0 }, { 10, 10, 3 }, { 20, 10, 0 } }, 2,
            { { 0, 0, 0 }, { 10, 0, 0 }, { 10, 10, 0 }, { 20, 10, 0 } } },
    };
    for (const Case& c : cases) {
        CHLGZ_BASSteel bar;
        for (const Vertex& v : c.first)
            bar.GetFirstPoints().append(AcGePoint3d(v.x, -v.y, 0.0));
        for (int i = 0; i < c.firstRadii; ++i)
            bar.GetFirstRadii().append(c.first[i].bulge);
        bar.GetSecondPoints().append(AcGePoint3d(30, 0, 0));
        bar.GetSecondPoints().append(AcGePoint3d(40, 0, 0));
        bar.SetStartFlag(1);
        bar.SetEndFlag(1);
        bar.DrawPolylines(c.firstRadii == 3 ? 10.0 : 0.0);
        std::vector<Vertex> mirrored = c.expectedFirst;
        for (Vertex& v : mirrored)
            v.y = -v.y;
        if (c.firstRadii != 3)
            mirrored[0] = { mirrored[1].x, mirrored[1].y, 0.0 }; // an end length of 0 puts vertex 0 on vertex 1
        expectVertices(bar.GetFirstId(), mirrored, "first");
        expectVertices(bar.GetSecondId(), { { 30, 0, 0 }, { 30 + (c.firstRadii == 3 ? 10.0 : 0.0), 0, 0 } }, "second");
    }
}
