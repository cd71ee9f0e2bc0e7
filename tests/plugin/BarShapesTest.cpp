// The longitudinal bars drawn into the section view of the examples: plate bars at the covers,
// straight bars stacked in their order, bent-up bars at the bend angle, bar ends finished at the
// bottom-plate bar, the bars met by the section cuts; and the level searches they are built with.
#include "DrawingDesignFixture.h"
#include "DrawnGeometry.h"

#include "AcDbPolyline.h"
#include "CGLGZ_CapDraw_BarShapeWork.h"
#include "CGLGZ_EtDraw.h"
#include "CTov_InitDraw.h"
#include "RebarRules.h"

#include <cmath>
#include <set>
#include <vector>

namespace {

constexpr double kTol = 1e-6;
constexpr double kPi = 3.1415926535;

AcGePoint3d P(double x, double y) { return AcGePoint3d(x, y, 0.0); }

void ExpectPoints(const AcGePoint3dArray& actual, std::initializer_list<AcGePoint3d> expected, double tol = kTol)
{
    ASSERT_EQ(actual.length(), static_cast<int>(expected.size()));
    int i = 0;
    for (const AcGePoint3d& p : expected) {
        EXPECT_NEAR(actual[i].x, p.x, tol) << "point " << i;
        EXPECT_NEAR(actual[i].y, p.y, tol) << "point " << i;
        ++i;
    }
}

std::vector<CHLGZ_BASSteel*> BarsOf(CHLGZ_FaceInfo& face)
{
    std::vector<CHLGZ_BASSteel*> bars;
    CGLGZ_CapDraw::BarShapeWork::ForEachBar(face, [&](CHLGZ_BASSteel& bar) { bars.push_back(&bar); });
    return bars;
}


// Distance of a point from the line through a and b.
double DistanceToLine(const AcGePoint3d& p, const AcGePoint3d& a, const AcGePoint3d& b)
{
    return std::fabs((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) / a.distanceTo(b);
}

} // namespace

class BarShapes : public DrawingDesignFixture {
protected:
    // The example as the run hands it to the drawing, its section view drawn.
    void Prepare(const char* example, CGLGZ_EtDraw& draw, bool sectionView = true)
    {
        LoadAsTheRun(example);
        AttachAsTheRun(draw);
        draw.m_bHalfDrawing = 0;
        draw.DecideAbutment();
        draw.PrepareDrawing();
        draw.m_idLeaderArrow = draw.GetLeaderArrowBlock();
        int number = 10;
        for (CHLGZ_BASSteel* bar : BarsOf(model.GetMainFace()))
            bar->SetTag(number++);
        s = draw.m_dScale;
        const CHLGZ_MoreInfo& more = model.GetMoreInfo();
        d = GetRebarOuterDiameter(more.GetSkeletonDiameter(), more.GetSkeletonBarType()) / s;
        w = draw.GetWeldLength() / s;
        if (sectionView) {
            AcGePoint3d at(200.0, 260.0, 0.0);
            double depth = 0.0;
            ASSERT_EQ(draw.DrawSectionView(at, depth), 1);
        }
    }

    // Every bar point inside the outline, every drawn bar a polyline on the rebar layer.
    void ExpectBarsInsideAndDrawn(CGLGZ_EtDraw& draw)
    {
        for (CHLGZ_BASSteel* bar : BarsOf(model.GetMainFace())) {
            for (const AcGePoint3dArray* list : { &bar->GetFirstPoints(), &bar->GetSecondPoints() })
                for (const AcGePoint3d& p : *list) {
                    ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << "bar " << bar->GetTag();
                    EXPECT_TRUE(InsideOutline(draw.m_ptsOutline, p))
                        << "bar " << bar->GetTag() << " at " << p.x << ", " << p.y;
                }
            EXPECT_EQ(bar->GetFirstRadii().length(), bar->GetFirstPoints().length());
            EXPECT_EQ(bar->GetFirstId().isNull(), bar->GetFirstPoints().isEmpty());
            EXPECT_EQ(bar->GetSecondId().isNull(), bar->GetSecondPoints().isEmpty());
            for (AcDbObjectId id : { bar->GetFirstId(), bar->GetSecondId() }) {
                if (!id.isNull()) {
                    EXPECT_EQ(layerOf(id), L"04-钢筋");
                }
            }
        }
    }

    double s = 1.0;
    double d = 0.0;
    double w = 0.0;
};

// The top-plate bar: under the top cover, its legs d inside the end cover and 450 mm long. The
// bottom-plate bar: at the bottom cover, its sloped legs the cover (across the skewed end) inside
// the end parts' bottoms (pier cap), or upright at the end cover (abutment cap).
TEST_F(BarShapes, PlateBarsLieAtTheCovers)
{
    for (const char* example : { "sample.glt", "abutment.glt" }) {
        SCOPED_TRACE(example);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare(example, draw);
        ASSERT_EQ(draw.BuildBarShapes(), 1);
        const auto& l = draw.m_lines;
        const double tc = model.GetTopCover() / s, bc = model.GetBottomCover() / s, ec = model.GetEndCover() / s;
        const double xl = l[2].start.x, xr = l[3].start.x, yt = l[2].start.y;
        const double yb = yt - geometry.dMiddleHeight / s;
        const AcGePoint3d crown = draw.m_ptOutlineOrigin;
        ExpectPoints(model.GetMainFace().GetLTLSteel().GetFirstPoints(),
            { P(xl + ec + d, yt - tc - 450.0 / s), P(xl + ec + d, yt - tc), P(crown.x, crown.y - tc),
                P(xr - ec - d, yt - tc), P(xr - ec - d, yt - tc - 450.0 / s) });
        const CHLGZ_LBLSteel& plate = model.GetMainFace().GetLBLSteel();
        const AcGePoint3dArray& q = plate.GetFirstPoints();
        EXPECT_EQ(draw.m_idBottomPlateBar, plate.GetFirstId());
        if (draw.m_bAbutment) {
            ExpectPoints(q, { P(xl + ec, yt - tc), P(xl + ec, yb + bc), P(xr - ec, yb + bc), P(xr - ec, yt - tc) });
            continue;
        }
        ASSERT_EQ(q.length(), 6);
        EXPECT_TRUE(q[0].isEqualTo(P(xl + ec, yt - tc)));
        EXPECT_TRUE(q[5].isEqualTo(P(xr - ec, yt - tc)));
        EXPECT_NEAR(q[1].x, xl + ec, kTol);
        EXPECT_NEAR(q[4].x, xr - ec, kTol);
        EXPECT_NEAR(q[2].y, yb + bc, kTol);
        EXPECT_NEAR(q[3].y, yb + bc, kTol);
        const double leftCover = bc / std::sin(geometry.dLeftAngle * kPi / 180.0);
        const double rightCover = bc / std::sin(geometry.dRightAngle * kPi / 180.0);
        for (int i : { 1, 2 })
            EXPECT_NEAR(DistanceToLine(q[i], l[0].start, l[0].end), leftCover, kTol);
        for (int i : { 3, 4 })
            EXPECT_NEAR(DistanceToLine(q[i], l[1].start, l[1].end), rightCover, kTol);
        EXPECT_LT(q[1].y, q[0].y);
        EXPECT_GT(q[1].y, q[2].y);
    }
}

// Straight bars in descending order of their first distance, bars of equal distance in their
// own order; each one diameter under (over) the bar before it, the bars at the supports under
// (over) those of the whole elevation.
TEST_F(BarShapes, StraightBarsSortAndStack)
{
    struct Case {
        std::vector<double> lefts;
        std::vector<double> rights;
        std::vector<double> expectedRights;
    };
    const Case cases[] = {
        { { 1000.0, 2000.0, 2000.0, 1500.0 }, { 1.0, 2.0, 3.0, 4.0 }, { 2.0, 3.0, 4.0, 1.0 } },
        { {}, {}, {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lefts.size());
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare("sample.glt", draw);
        CHLGZ_FaceInfo& face = model.GetMainFace();
        auto& tops = face.GetLUPSteels();
        auto& bottoms = face.GetLUMSteels();
        tops.RemoveAll();
        bottoms.RemoveAll();
        for (size_t i = 0; i < c.lefts.size(); ++i) {
            CHLGZ_LUPSteel top;
            top.SetLeftDistance(c.lefts[i]);
            top.SetRightDistance(c.rights[i]);
            tops.Add(top);
            CHLGZ_LUMSteel bottom;
            bottom.SetLeftDistance(c.lefts[i]);
            bottom.SetRightDistance(c.rights[i]);
            bottoms.Add(bottom);
        }
        ASSERT_EQ(draw.BuildBarShapes(), 1);
        const auto& l = draw.m_lines;
        const double tc = model.GetTopCover() / s, bc = model.GetBottomCover() / s;
        const double last = l[l.GetSize() - 1].start.x;
        for (size_t i = 0; i < c.expectedRights.size(); ++i) {
            const double k = static_cast<double>(i + 1);
            EXPECT_EQ(tops[i].GetRightDistance(), c.expectedRights[i]);
            const AcGePoint3dArray& p = tops[i].GetFirstPoints();
            ExpectPoints(p,
                { P(l[4].end.x - tops[i].GetLeftDistance() / s, l[2].start.y - tc - k * d),
                    P(draw.m_ptOutlineOrigin.x, draw.m_ptOutlineOrigin.y - tc - k * d),
                    P(last + tops[i].GetRightDistance() / s, l[3].start.y - tc - k * d) });
            ExpectPoints(bottoms[i].GetFirstPoints(),
                { P(l[0].end.x + model.GetSideCover() / s, l[0].end.y + bc + k * d),
                    P(l[1].end.x - model.GetSideCover() / s, l[0].end.y + bc + k * d) });
        }
        // The first bar over the second support and the first span bar, under (over) the m bars above.
        const double m = static_cast<double>(c.lefts.size());
        const CHLGZ_PoleInfo& support = face.GetSupports()[1];
        ASSERT_FALSE(support.GetLPPSteels().IsEmpty());
        const CHLGZ_LPPSteel& top = support.GetLPPSteels()[0];
        ExpectPoints(top.GetFirstPoints(),
            { P(l[5].end.x - top.GetLeftDistance() / s, l[5].start.y - tc - (m + 1.0) * d),
                P(l[5].end.x + top.GetRightDistance() / s, l[5].start.y - tc - (m + 1.0) * d) });
        const CHLGZ_LPMSteel& span = support.GetLPMSteels()[0];
        ExpectPoints(span.GetFirstPoints(),
            { P(l[5].end.x + span.GetLeftDistance() / s, l[5].end.y + bc + (m + 1.0) * d),
                P(l[6].end.x - span.GetRightDistance() / s, l[5].end.y + bc + (m + 1.0) * d) });
        // The last support starts no span: its bottom bars stay unshaped and undrawn.
        const CHLGZ_PoleInfo& lastSupport = face.GetSupports()[face.GetSupports().GetSize() - 1];
        ASSERT_FALSE(lastSupport.GetLPMSteels().IsEmpty());
        EXPECT_TRUE(lastSupport.GetLPMSteels()[0].GetFirstPoints().isEmpty());
        EXPECT_TRUE(lastSupport.GetLPMSteels()[0].GetFirstId().isNull());
    }
}

// Every inclined piece of a bent-up bar inside its ends runs at the bend angle; a lower bar of
// the height form is level at its height above the underside over each support.
TEST_F(BarShapes, BentUpBarsBendAtTheBendAngle)
{
    for (int degrees : { 45, 60 }) {
        SCOPED_TRACE(degrees);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare("sample.glt", draw);
        model.GetMoreInfo().SetBendAngle(degrees);
        ASSERT_EQ(draw.BuildBarShapes(), 1);
        const double slope = std::tan(degrees * kPi / 180.0);
        CHLGZ_FaceInfo& face = model.GetMainFace();
        int inclined = 0;
        for (CHLGZ_BASSteel* bar : BarsOf(face)) {
            if (bar->GetKind() < 4)
                continue;
            for (const AcGePoint3dArray* list : { &bar->GetFirstPoints(), &bar->GetSecondPoints() }) {
                // The end pieces follow the plate bar; the pieces between them the bend angle.
                for (int i = 2; i + 3 < list->length(); ++i) {
                    const AcGePoint3d& a = (*list)[i];
                    const AcGePoint3d& b = (*list)[i + 1];
                    if (std::fabs(a.y - b.y) < kTol)
                        continue;
                    EXPECT_NEAR(std::fabs((b.y - a.y) / (b.x - a.x)), slope, 1e-6)
                        << "bar " << bar->GetTag() << " piece " << i;
                    ++inclined;
                }
            }
        }
        EXPECT_GT(inclined, 10);
        // The sample's lower bar of the whole elevation: height 350 mm over every support.
        const CHLGZ_LUBSteel& lower = face.GetLUBSteels()[0];
        ASSERT_NE(lower.GetBendDownParameter(), 0);
        const AcGePoint3dArray& p = lower.GetFirstPoints();
        for (int j = 0; j < face.GetSupports().GetSize(); ++j) {
            const double axis = draw.m_lines[4 + j].end.x;
            const double level = draw.m_lines[4 + j].end.y + lower.GetPointZAt(j) / s;
            int over = 0;
            for (int i = 0; i + 1 < p.length(); ++i)
                over += p[i].x < axis && p[i + 1].x > axis && std::fabs(p[i].y - level) < kTol
                    && std::fabs(p[i + 1].y - level) < kTol;
            EXPECT_EQ(over, 1) << "support " << j;
        }
    }
}

// A lower bar of the radius form meets its legs over the support with that radius; a bar with
// no branch on the left rises from its first run to the top bars and stops one diameter under them.
TEST_F(BarShapes, LowerBarsMeetOverTheSupportsOrRiseToTheTopBars)
{
    CGLGZ_EtDraw draw;
    Prepare("sample.glt", draw);
    CHLGZ_FaceInfo& face = model.GetMainFace();
    ASSERT_EQ(face.GetLUBSteels().GetSize(), 1);
    CHLGZ_LUBSteel second = face.GetLUBSteels()[0];
    second.SetBendDownParameter(0);
    second.GetPoints()[0].x = 99999.0;
    second.SetTag(99);
    face.GetLUBSteels().Add(second);
    ASSERT_EQ(draw.BuildBarShapes(), 1);
    const CHLGZ_LUBSteel& bar = face.GetLUBSteels()[1];
    ASSERT_EQ(bar.GetTag(), 99);
    const AcGePoint3dArray& p = bar.GetFirstPoints();
    const AcGeDoubleArray& r = bar.GetFirstRadii();
    // Humps over the second and third supports, radius z / s.
    int humps = 0;
    for (int i = 1; i + 1 < p.length(); ++i)
        if (r[i] != 0.0) {
            EXPECT_NEAR(r[i], bar.GetPointZAt(1) / s, kTol);
            EXPECT_GT(p[i].y, p[i - 1].y);
            EXPECT_GT(p[i].y, p[i + 1].y);
            ++humps;
        }
    EXPECT_EQ(humps, 2);
    // The free leg: from the first run's start up at the bend angle, one diameter (vertically)
    // under the lowest top bar it meets; it is not finished against the plate bar.
    ASSERT_GE(p.length(), 3);
    EXPECT_NEAR((p[0].y - p[1].y) / (p[1].x - p[0].x), 1.0, kTol);
    const double topBar = draw.m_lines[2].start.y - model.GetTopCover() / s;
    EXPECT_LT(p[0].y, topBar);
    EXPECT_GT(p[0].y, draw.m_lines[4].end.y + geometry.dMiddleHeight / s / 2.0);
    EXPECT_EQ(bar.GetStartFlag(), 0);
}

// The bars met by each cut, lowest first: 2n cuts, the middle, the axes, the span middles.
TEST_F(BarShapes, SectionCutsListTheBarsFromTheLowestUp)
{
    CGLGZ_EtDraw draw;
    Prepare("sample.glt", draw);
    ASSERT_EQ(draw.BuildBarShapes(), 1);
    const int n = static_cast<int>(model.GetMainFace().GetSupports().GetSize());
    ASSERT_EQ(draw.m_steelLayers.GetSize(), 2 * n);
    const CHLGZ_FaceInfo& face = model.GetMainFace();
    const double hm = geometry.dMiddleHeight;
    for (int i = 0; i < 2 * n; ++i) {
        SCOPED_TRACE(i);
        const auto& layers = draw.m_steelLayers[i].aLayers;
        ASSERT_GE(layers.GetSize(), 2);
        for (INT_PTR k = 1; k < layers.GetSize(); ++k)
            EXPECT_LE(layers[k - 1].dHeight, layers[k].dHeight);
        // Plate bars at the covers, lowest and highest.
        EXPECT_EQ(layers[0].nBar, face.GetLBLSteel().GetTag());
        EXPECT_NEAR(layers[0].dHeight, model.GetBottomCover(), 1e-6);
        EXPECT_EQ(layers[layers.GetSize() - 1].nBar, face.GetLTLSteel().GetTag());
        EXPECT_NEAR(layers[layers.GetSize() - 1].dHeight, hm - model.GetTopCover(), 1e-6);
    }
    // At the first axis: the top straight bar of that support one layer under the whole elevation's.
    std::set<int> atAxis;
    for (INT_PTR k = 0; k < draw.m_steelLayers[1].aLayers.GetSize(); ++k)
        atAxis.insert(draw.m_steelLayers[1].aLayers[k].nBar);
    EXPECT_TRUE(atAxis.count(face.GetSupports()[0].GetLPPSteels()[0].GetTag()));
    EXPECT_TRUE(atAxis.count(face.GetLUPSteels()[0].GetTag()));
    EXPECT_FALSE(atAxis.count(face.GetSupports()[1].GetLPPSteels()[0].GetTag()));
}

// Cuts through hand-made bars: a bar met twice (its two polylines), a bent bar met on an end
// leg only, a bar of three points met on its last piece; one support gives two cuts.
TEST_F(BarShapes, SectionCutsSkipEndLegsOfBentBars)
{
    CGLGZ_EtDraw draw;
    draw.m_pDesign = &model;
    draw.m_dScale = 10.0;
    CHLGZ_FaceInfo& face = model.GetMainFace();
    face.GetSupports().SetSize(1);
    draw.m_lines.Add({ P(0, -10), P(10, -20) });
    draw.m_lines.Add({ P(100, -10), P(90, -20) });
    draw.m_lines.Add({ P(0, 0), P(0, -10) });
    draw.m_lines.Add({ P(100, 0), P(100, -10) });
    draw.m_lines.Add({ P(30, 0), P(30, -20) });
    auto drawBar = [](CHLGZ_BASSteel& bar, int tag, const AcGePoint3dArray& first,
                       const AcGePoint3dArray& second = AcGePoint3dArray()) {
        bar.SetTag(tag);
        bar.GetFirstPoints() = first;
        bar.GetSecondPoints() = second;
        bar.DrawPolylines(1.0);
    };
    // Middle cut at x = 50, axis cut at x = 30.
    drawBar(face.GetLTLSteel(), 10, Points({ P(20, -2), P(60, -2) }), Points({ P(25, -4), P(55, -4) }));
    drawBar(face.GetLBLSteel(), 11, Points({ P(40, -18), P(48, -15), P(52, -15), P(60, -18) }));
    CHLGZ_LUTSteel bent;
    face.GetLUTSteels().Add(bent);
    drawBar(face.GetLUTSteels()[0], 12, Points({ P(20, -5), P(35, -5), P(45, -16), P(60, -16), P(65, -10) }));
    CHLGZ_LUMSteel three;
    face.GetLUMSteels().Add(three);
    drawBar(face.GetLUMSteels()[0], 13, Points({ P(0, -12), P(40, -12), P(60, -19) }));
    ASSERT_EQ(draw.BuildSectionBarLayers(), 1);
    ASSERT_EQ(draw.m_steelLayers.GetSize(), 2);
    auto listed = [&](int cut) {
        std::vector<std::pair<int, double>> out;
        for (INT_PTR k = 0; k < draw.m_steelLayers[cut].aLayers.GetSize(); ++k)
            out.push_back({ draw.m_steelLayers[cut].aLayers[k].nBar, draw.m_steelLayers[cut].aLayers[k].dHeight });
        return out;
    };
    // Middle (x = 50): the bent bar on its run, the three-point bar on its last piece, the plate
    // bar on its inner piece, the twice-met bar twice; heights above y = -20, times the scale.
    const std::vector<std::pair<int, double>> middle = listed(0);
    const std::vector<std::pair<int, double>> expectedMiddle
        = { { 12, 40.0 }, { 13, 45.0 }, { 11, 50.0 }, { 10, 160.0 }, { 10, 180.0 } };
    ASSERT_EQ(middle.size(), expectedMiddle.size());
    for (size_t i = 0; i < middle.size(); ++i) {
        EXPECT_EQ(middle[i].first, expectedMiddle[i].first);
        EXPECT_NEAR(middle[i].second, expectedMiddle[i].second, 1e-6);
    }
    // Axis (x = 30): the bent bar meets it on its first (end) leg only and is left out.
    const std::vector<std::pair<int, double>> axis = listed(1);
    ASSERT_EQ(axis.size(), 3u);
    EXPECT_EQ(axis[0], std::make_pair(13, 80.0));
    EXPECT_EQ(axis[1].first, 10);
    EXPECT_EQ(axis[2].first, 10);
}

// The end kinds against a plate bar with sloped legs (T0 K0 C0 C1 K1 T1) and one with upright
// legs (abutment form T0 B0 B1 T1), w = 3, d = 1; each end built at the start of a bar and,
// mirrored, at its end.
TEST_F(BarShapes, BarEndsTakeTheirKindAtThePlateBar)
{
    struct Case {
        const char* name;
        int abutment;
        AcGePoint3dArray bar;
        int kind;
        AcGePoint3dArray expected;
    };
    const Case cases[] = {
        { "straight", 0, Points({ P(40, 1), P(50, 11) }), 0, Points({ P(37, 1), P(40, 1), P(50, 11) }) },
        { "straight, rest up the leg", 0, Points({ P(31.5, 1), P(41.5, 11) }), 0,
            Points({ P(28.58531, 1.52566), P(30.16228, 1), P(31.5, 1), P(41.5, 11) }) },
        { "on the corner's x: along the leg", 0, Points({ P(30, 1), P(40, 11) }), 2,
            Points({ P(27.19452, 1.98926), P(30.04057, 1.04057), P(40, 11) }) },
        { "near the kink: up the upright", 0, Points({ P(3, 10), P(11, 18) }), 3,
            Points({ P(1, 11.76982), P(1, 10.72076), P(3.04057, 10.04057), P(11, 18) }) },
        { "high: turned down", 0, Points({ P(-1, 15), P(20, 15) }), 4, Points({ P(1, 12), P(1, 15), P(20, 15) }) },
        { "low: down and along the leg", 0, Points({ P(-1, 12), P(20, 12) }), 5,
            Points({ P(3.84605, 9.77208), P(1, 10.72076), P(1, 12), P(20, 12) }) },
        { "outside points dropped", 0, Points({ P(4, 3), P(8, 5.3), P(60, 5.3) }), 2,
            Points({ P(14.41623, 6.24868), P(17.26228, 5.3), P(60, 5.3) }) },
        { "abutment: only lengthened", 1, Points({ P(1, 1), P(10, 10) }), 0, Points({ P(-2, 1), P(1, 1), P(10, 10) }) },
        { "abutment: on the corner, low", 1, Points({ P(0, 1), P(10, 11) }), 5,
            Points({ P(4, 1), P(1, 1), P(1, 2), P(10, 11) }) },
        { "abutment: high", 1, Points({ P(-2, 8), P(10, 20) }), 4, Points({ P(1, 8), P(1, 11), P(10, 20) }) },
        { "abutment: level bar", 1, Points({ P(-2, 2), P(10, 2) }), 5,
            Points({ P(4, 1), P(1, 1), P(1, 2), P(10, 2) }) },
    };
    CGLGZ_EtDraw draw;
    draw.m_dScale = 100.0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        draw.m_bAbutment = c.abutment;
        const double width = PlateBarWidth(c.abutment);
        CGLGZ_CapDraw::BarEndRequest request = PlateBarRequest(c.abutment);
        for (int atEnd : { 0, 1 }) {
            CHLGZ_LPBSteel bar;
            request.bar = &bar;
            SetBarEndPoints(bar, c.bar, atEnd, width);
            const int kind = atEnd ? draw.ShapeBarEndOpposite(request) : draw.ShapeBarEnd(request);
            EXPECT_EQ(kind, c.kind) << "end " << atEnd;
            EXPECT_EQ(atEnd ? bar.GetEndFlag() : bar.GetStartFlag(), c.kind);
            const AcGePoint3dArray& out = bar.GetFirstPoints();
            ASSERT_EQ(out.length(), c.expected.length());
            EXPECT_EQ(bar.GetFirstRadii().length(), out.length());
            ExpectBarEndPoints(out, c.expected, atEnd, width, 1e-5);
        }
    }
}

// Every bar of the examples lies inside the outline and is drawn on the rebar layer; an abutment
// cap's bar ends take the kinds 0, 4 and 5 only.
TEST_F(BarShapes, EveryBarIsDrawnInsideTheOutline)
{
    for (const char* example : { "sample.glt", "abutment.glt", "l-section.glt" }) {
        SCOPED_TRACE(example);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare(example, draw);
        ASSERT_EQ(draw.BuildBarShapes(), 1);
        ExpectBarsInsideAndDrawn(draw);
        int polylines = 0;
        for (AcDbObjectId id : entitiesOf<AcDbPolyline>())
            polylines += layerOf(id) == L"04-钢筋" ? 1 : 0;
        int ids = 0;
        std::set<int> kinds;
        for (CHLGZ_BASSteel* bar : BarsOf(model.GetMainFace())) {
            ids += !bar->GetFirstId().isNull() + !bar->GetSecondId().isNull();
            kinds.insert(bar->GetStartFlag());
            kinds.insert(bar->GetEndFlag());
        }
        EXPECT_EQ(polylines, ids);
        for (int kind : kinds) {
            if (draw.m_bAbutment) {
                EXPECT_TRUE(kind == 0 || kind == 4 || kind == 5) << kind;
            }
        }
    }
}

// Designs the shapes cannot follow literally still give finite bars inside the outline: a bend
// angle of 0 or past the upright, an end part whose bottom is level, bent-up bars with too few
// or no entries; without the section view nothing is shaped.
TEST_F(BarShapes, DegenerateDesignsGiveBarsInsideTheOutline)
{
    struct Case {
        const char* name;
        void (*change)(CHLGZ_PierInfo&, CBent_BasicGeometry&);
    };
    const Case cases[] = {
        { "bend angle 0", [](CHLGZ_PierInfo& m, CBent_BasicGeometry&) { m.GetMoreInfo().SetBendAngle(0); } },
        { "bend angle 120", [](CHLGZ_PierInfo& m, CBent_BasicGeometry&) { m.GetMoreInfo().SetBendAngle(120); } },
        { "level end part", [](CHLGZ_PierInfo&, CBent_BasicGeometry& g) { g.dLeftEndHeight = g.dMiddleHeight; } },
        { "short entry lists",
            [](CHLGZ_PierInfo& m, CBent_BasicGeometry&) {
                m.GetMainFace().GetLUBSteels()[0].GetPoints().setLogicalLength(1);
                m.GetMainFace().GetLUTSteels()[0].GetPoints().setLogicalLength(0);
            } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare("sample.glt", draw, false);
        c.change(model, geometry);
        AcGePoint3d at(200.0, 260.0, 0.0);
        double depth = 0.0;
        ASSERT_EQ(draw.DrawSectionView(at, depth), 1);
        ASSERT_EQ(draw.BuildBarShapes(), 1);
        ExpectBarsInsideAndDrawn(draw);
    }
    app().docManager().newDocument();
    CGLGZ_EtDraw draw;
    Prepare("sample.glt", draw, false);
    EXPECT_EQ(draw.BuildBarShapes(), 0);
    EXPECT_TRUE(entitiesOf<AcDbPolyline>().empty());
    EXPECT_TRUE(draw.m_steelLayers.IsEmpty());
}

// The outermost upper bar of the whole elevation is moved to the planned middle skeleton's ends
// when the design fixes the ends; not without planned skeletons, nor without the flag.
TEST_F(BarShapes, OuterUpperBarFollowsThePlannedSkeleton)
{
    struct Case {
        int fixed;
        int skeleton;
        int spacings;
        bool moved;
    };
    for (const Case& c :
        { Case { 1, 0, 3, true }, Case { 1, 0, 1, true }, Case { 1, -1, 3, false }, Case { 0, 0, 3, false } }) {
        SCOPED_TRACE(c.spacings + 10 * c.skeleton + 100 * c.fixed);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare("sample.glt", draw, false);
        model.GetMoreInfo().SetOuterUpperFixed(c.fixed);
        draw.m_nSkeleton = c.skeleton;
        draw.m_ptMiddleExtents = AcGePoint2d(100.0, 200.0);
        AcGeDoubleArray& spacings = model.GetSupportDistances();
        spacings.setLogicalLength(c.spacings);
        CHLGZ_FaceInfo& face = model.GetMainFace();
        draw.SortBentUpBars(face);
        // The first bar in the sorted order lacks its first end: the next one is moved.
        face.GetLUTSteels()[0].SetPointX(0, 99999.0);
        const double x = face.GetLUTSteels()[1].GetPointX(0);
        const double y = face.GetLUTSteels()[1].GetPointY(-1);
        draw.CorrectOuterUpperBar(face);
        const double sn = c.spacings > 1
            ? spacings.last()
            : geometry.dLength - geometry.dLeftWidth - geometry.dRightWidth - spacings.first();
        EXPECT_EQ(face.GetLUTSteels()[0].GetPointX(0), 99999.0);
        EXPECT_NEAR(face.GetLUTSteels()[1].GetPointX(0), c.moved ? x + spacings.first() - 100.0 : x, kTol);
        EXPECT_NEAR(face.GetLUTSteels()[1].GetPointY(-1), c.moved ? y + sn - 200.0 : y, kTol);
    }
}

// The level searches over the bars placed so far, each segment a pair of the two lists.
TEST(BarLevels, LevelsAndHitsOnTheBarsPlaced)
{
    const AcGePoint3dArray lefts = Points({ P(0, 0), P(2, 1), P(5, 2), P(4, 9) });
    const AcGePoint3dArray rights = Points({ P(10, 0), P(6, 1), P(8, 3), P(4, 12) });
    // On the bars at x: the upright segment gives no level; nothing at x = 20.
    AcGePoint3d p = P(5, -1);
    EXPECT_EQ(CGLGZ_CapDraw::FindLevelOnBars(lefts, rights, p, 1), 1);
    EXPECT_NEAR(p.y, 2.0, kTol);
    p = P(7, -1);
    EXPECT_EQ(CGLGZ_CapDraw::FindLevelOnBars(lefts, rights, p, 1), 1);
    EXPECT_NEAR(p.y, 2.0 + 2.0 / 3.0, kTol);
    p = P(4, -1);
    EXPECT_EQ(CGLGZ_CapDraw::FindLevelOnBars(lefts, rights, p, 0), 1);
    EXPECT_NEAR(p.y, 0.0, kTol);
    p = P(20, -1);
    EXPECT_EQ(CGLGZ_CapDraw::FindLevelOnBars(lefts, rights, p, 1), 0);
    EXPECT_TRUE(p.isEqualTo(P(20, -1)));
    // Over a range: the left ends of the overlapping segments.
    AcGePoint3d a = P(6.5, 0), b = P(7, 0);
    EXPECT_EQ(CGLGZ_CapDraw::FindLevelOverRange(lefts, rights, a, b, 1), 1);
    EXPECT_NEAR(a.y, 2.0, kTol);
    EXPECT_NEAR(b.y, 2.0, kTol);
    a = P(11, 5), b = P(12, 5);
    EXPECT_EQ(CGLGZ_CapDraw::FindLevelOverRange(lefts, rights, a, b, 0), 0);
    EXPECT_NEAR(a.y, 5.0, kTol);
    // A line: the first segment counts beyond its ends, the others within them.
    AcGePoint3d hit = P(-19, -1);
    EXPECT_EQ(CGLGZ_CapDraw::FindLineHitOnBars(lefts, rights, P(-20, 0), hit, 0), 1);
    EXPECT_TRUE(hit.isEqualTo(P(-20, 0)));
    hit = P(3, 5);
    EXPECT_EQ(CGLGZ_CapDraw::FindLineHitOnBars(lefts, rights, P(3, 6), hit, 1), 1);
    EXPECT_TRUE(hit.isEqualTo(P(3, 1)));
    const AcGePoint3dArray one = Points({ P(0, 0) });
    const AcGePoint3dArray other = Points({ P(10, 0) });
    hit = P(1, 5);
    EXPECT_EQ(CGLGZ_CapDraw::FindLineHitOnBars(one, other, P(0, 5), hit, 1), 0);
    EXPECT_TRUE(hit.isEqualTo(P(1, 5)));
}

// Short end legs: the last two points go when the last leg is inclined and the piece before it
// no longer than two nominal diameters; the first two only after that, on the same test.
TEST(BarLevels, TrimShortBarEndsOnlyFromTheEndFirst)
{
    CHLGZ_PierInfo model;
    CGLGZ_EtDraw draw;
    draw.m_pDesign = &model;
    draw.m_dScale = 1.0;
    const double limit = 2.0 * model.GetMoreInfo().GetSkeletonDiameter();
    struct Case {
        AcGePoint3dArray in;
        int kept;
        int firstKept;
    };
    const Case cases[] = {
        { Points({ P(0, 10), P(1, 0), P(limit + 1, 0) }), 3, 0 },
        { Points({ P(0, 10), P(10, 0), P(10 + limit, 0), P(12 + limit, -2) }), 2, 0 },
        { Points({ P(0, 10), P(1, 0), P(200, 0), P(201, 10) }), 4, 0 },
        { Points({ P(0, 10), P(1, 0), P(1 + limit, 0), P(2 + limit, 10), P(2 + 2 * limit, 10), P(3 + 2 * limit, 0) }),
            2, 2 },
        { Points({ P(0, 10), P(1, 0), P(2, 0), P(200, 0) }), 4, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in.length());
        CHLGZ_LPTSteel bar;
        bar.GetFirstPoints() = c.in;
        bar.GetFirstRadii().setLogicalLength(c.in.length());
        EXPECT_EQ(draw.TrimShortBarEnds(&bar), 1);
        ASSERT_EQ(bar.GetFirstPoints().length(), c.kept);
        EXPECT_EQ(bar.GetFirstRadii().length(), c.kept);
        EXPECT_TRUE(bar.GetFirstPoints()[0].isEqualTo(c.in[c.firstKept]));
    }
    EXPECT_EQ(draw.TrimShortBarEnds(nullptr), 0);
}
