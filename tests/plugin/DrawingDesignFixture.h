// An example design read, changed by the test and converted as the run hands it to a drawing,
// and a drawing object pointed at it as the entry does before its checks.
#pragma once

#include "CGLGZ_CapDraw.h"
#include "CGLGZ_EtDraw.h"
#include "CHLGZ_LPBSteel.h"
#include "CHLGZ_PierInfo.h"
#include "CTov_InitDraw.h"
#include "CorbeldrawCommand.h"
#include "DrawnGeometry.h"
#include "PluginFixture.h"

#include "AcDb3PointAngularDimension.h"
#include "AcDbAlignedDimension.h"
#include "AcDbLine.h"

#include <functional>
#include <string>
#include <vector>

// A plate bar to finish bar ends against: a pier cap's with sloped legs (T0 K0 C0 C1 K1 T1,
// PlateBarWidth wide) or an abutment cap's with upright legs (T0 B0 B1 T1); w = 3, d = 1, r = 2.
inline double PlateBarWidth(int abutment) { return abutment ? 100.0 : 160.0; }
inline CGLGZ_CapDraw::BarEndRequest PlateBarRequest(int abutment)
{
    auto p = [](double x, double y) { return AcGePoint3d(x, y, 0.0); };
    CGLGZ_CapDraw::BarEndRequest request;
    request.plate = abutment ? Points({ p(0, 20), p(0, 0), p(100, 0), p(100, 20) })
                             : Points({ p(0, 20), p(0, 10), p(30, 0), p(130, 0), p(160, 10), p(160, 20) });
    request.weld = 3.0;
    request.offset = 1.0;
    request.radius = 2.0;
    return request;
}
// A bar's points as written for its start, mirrored across the plate bar (and reversed) for its
// end; no bends.
inline void SetBarEndPoints(CHLGZ_LPBSteel& bar, const AcGePoint3dArray& points, int atEnd, double width)
{
    for (int i = 0; i < points.length(); ++i) {
        const AcGePoint3d& p = points[atEnd ? points.length() - 1 - i : i];
        bar.GetFirstPoints().append(atEnd ? AcGePoint3d(width - p.x, p.y, 0.0) : p);
    }
    bar.GetFirstRadii().setLogicalLength(points.length());
}
// The points of a finished bar end against those expected at its start, mirrored at its end.
inline void ExpectBarEndPoints(
    const AcGePoint3dArray& out, const AcGePoint3dArray& expected, int atEnd, double width, double tol)
{
    for (int i = 0; i < out.length(); ++i) {
        const AcGePoint3d& e = expected[atEnd ? out.length() - 1 - i : i];
        EXPECT_NEAR(out[i].x, atEnd ? width - e.x : e.x, tol) << "end " << atEnd << " point " << i;
        EXPECT_NEAR(out[i].y, e.y, tol) << "end " << atEnd << " point " << i;
    }
}

// A linear dimension as drawn: its extension-line points, its line's point and its text.
struct Dim {
    AcGePoint3d x1;
    AcGePoint3d x2;
    AcGePoint3d line;
    std::wstring text;
};

// The section view's lines an elevation is drawn over, with the scale and the L part's height
// (drawing units): the cap's top and bottom and the middle between the ends.
struct ElevationLines {
    void MeasureElevationLines(const CGLGZ_CapDraw& draw, const CBent_BasicGeometry& g)
    {
        s = draw.m_dScale;
        lh = g.dLHeight / s;
        l0 = draw.m_lines[0], l1 = draw.m_lines[1], l2 = draw.m_lines[2], l3 = draw.m_lines[3];
        top = l2.start.y;
        bottom = l0.end.y;
        xm = (l2.end.x + l3.end.x) / 2.0;
    }

    double s = 1.0, lh = 0.0, top = 0.0, bottom = 0.0, xm = 0.0;
    LineInfo l0, l1, l2, l3;
};

// A plan's expected scale, half width, axis, end centres and corners (drawing units): drawn at
// origin with its axis the gap under the title, each end skewed by its angle through its centre.
struct PlanCorners {
    void MeasurePlanCorners(const AcGePoint3d& origin, double scale, const CBent_BasicGeometry& g, double axisGap)
    {
        const double pi = 3.1415926535;
        const double cl = std::cos(g.dLeftAngle * pi / 180.0) / std::sin(g.dLeftAngle * pi / 180.0);
        const double cr = std::cos(g.dRightAngle * pi / 180.0) / std::sin(g.dRightAngle * pi / 180.0);
        s = scale;
        hw = g.dWidth / s / 2.0;
        yc = origin.y - (hw + axisGap);
        xl = origin.x - g.dLength / s / 2.0;
        xr = origin.x + g.dLength / s / 2.0;
        ul = AcGePoint3d(xl + hw * cl, yc + hw, 0.0);
        ll = AcGePoint3d(xl - hw * cl, yc - hw, 0.0);
        ur = AcGePoint3d(xr + hw * cr, yc + hw, 0.0);
        lr = AcGePoint3d(xr - hw * cr, yc - hw, 0.0);
    }

    double s = 1.0, hw = 0.0, yc = 0.0, xl = 0.0, xr = 0.0;
    AcGePoint3d ul, ll, ur, lr;
};

class DrawingDesignFixture : public PluginFixture {
protected:
    using Change = std::function<void(CBent_PierInfo&, CBent_BasicGeometry&)>;
    using ModelChange = std::function<void(CHLGZ_PierInfo&, CBent_BasicGeometry&)>;

    void Load(const char* example, const Change& change = {})
    {
        ReadExample(example, design, geometry);
        if (change)
            change(design, geometry);
        // A fresh record: a conversion keeps what the drawing wrote into the plate records.
        model = CHLGZ_PierInfo();
        model = design;
    }

    void Attach(CGLGZ_CapDraw& draw)
    {
        draw.m_pDesign = &model;
        draw.m_pGeometry = &geometry;
        draw.m_pSupports = &model.GetSupportDistances();
        draw.m_nSupportCode = model.GetSupportCount();
    }

    // The example as the run hands it to a drawing: converted, the skewed lengths projected and
    // the end parts trimmed, changed by the test (the design before, the model after), and the
    // drawing's layers, styles and scales set up.
    void LoadAsTheRun(const char* example, const ModelChange& change = {}, const Change& designChange = {})
    {
        Load(example, designChange);
        CorbeldrawCommand::ProjectSkewLengths(model, geometry);
        CorbeldrawCommand::TrimEndParts(model, geometry);
        if (change)
            change(model, geometry);
        CTov_InitDraw setup;
        setup.m_dElevationScale = model.GetElevationScale();
        setup.m_dSectionScale = model.GetSectionScale();
        setup.Run();
    }

    // The drawing pointed at the model with the run's weld length and scales.
    void AttachAsTheRun(CGLGZ_CapDraw& draw)
    {
        Attach(draw);
        draw.m_dWeldLength = CorbeldrawCommand::SettleWeldLength(model);
        draw.SetScale(model.GetElevationScale());
        draw.m_dSectionScale = model.GetSectionScale();
    }

    // The normal-section entry's steps before its views: checks and corrections, numbering,
    // skeleton planning, text settings, layout and the section view.
    void RunEntryToSectionView(CGLGZ_EtDraw& draw)
    {
        draw.NormalizeSupports();
        draw.ReportStrengtheningBars();
        ASSERT_EQ(draw.DecideAbutment(), 1);
        ASSERT_EQ(draw.NumberBarsAndCheck(), 1);
        draw.CheckSideBarSpacing();
        draw.m_bSymmetric = draw.CheckSymmetry();
        if (!draw.m_bAbutment || !draw.m_bSymmetric)
            draw.m_bHalfDrawing = 0;
        draw.MeasureSkeletonColumns();
        draw.PlanSkeletons();
        draw.PrepareDrawing();
        draw.m_idLeaderArrow = draw.GetLeaderArrowBlock();
        ASSERT_NO_FATAL_FAILURE(LayOutAndDrawSectionView(draw));
    }

    // The views laid out for a half or a whole drawing, and the section view drawn.
    template <class Draw>
    void LayOutAndDrawSectionView(Draw& draw)
    {
        if (draw.m_bHalfDrawing)
            draw.LayoutViews();
        else
            draw.LayoutViewsAlternative();
        double depth = 0.0;
        ASSERT_EQ(draw.DrawSectionView(draw.SectionViewOrigin(), depth), 1);
    }

    // The entry's checks and corrections without numbering or skeleton planning, the text
    // settings, the section view at a fixed place and the bars shaped: the views after the
    // shapes come next.
    void RunToBarShapes(CGLGZ_EtDraw& draw, int half)
    {
        draw.NormalizeSupports();
        draw.ReportStrengtheningBars();
        draw.DecideAbutment();
        draw.CheckSideBarSpacing();
        draw.m_bHalfDrawing = half;
        draw.PrepareDrawing();
        draw.m_idLeaderArrow = draw.GetLeaderArrowBlock();
        AcGePoint3d section(200.0, 260.0, 0.0);
        double depth = 0.0;
        ASSERT_EQ(draw.DrawSectionView(section, depth), 1);
        ASSERT_EQ(draw.BuildBarShapes(), 1);
    }

    // What a test's view drew: the entities added to model space since `before` was taken.
    void MarkDrawn() { before = modelSpace().size(); }
    std::vector<AcDbObjectId> Drawn() const
    {
        std::vector<AcDbObjectId> all = modelSpace();
        return std::vector<AcDbObjectId>(all.begin() + static_cast<long>(before), all.end());
    }
    std::vector<Segment> LinesOn(const wchar_t* layer) const
    {
        std::vector<Segment> out;
        for (AcDbObjectId id : Drawn()) {
            ReadBack<AcDbLine> line(id);
            if (line && layerOf(id) == layer)
                out.push_back({ line->startPoint(), line->endPoint() });
        }
        return out;
    }
    // The entities of one kind the view drew, on one layer where it is named.
    template <class T>
    std::vector<AcDbObjectId> Of(const wchar_t* layer = nullptr) const
    {
        std::vector<AcDbObjectId> out;
        for (AcDbObjectId id : Drawn()) {
            if (ReadBack<T> e(id); e && (layer == nullptr || layerOf(id) == layer))
                out.push_back(id);
        }
        return out;
    }
    // The aligned dimensions the view drew.
    std::vector<Dim> Dims() const
    {
        std::vector<Dim> out;
        for (AcDbObjectId id : Drawn()) {
            if (ReadBack<AcDbAlignedDimension> d(id); d)
                out.push_back({ d->xLine1Point(), d->xLine2Point(), d->dimLinePoint(), d->dimensionTextString() });
        }
        return out;
    }
    // The dimension from a to b (either way) with its line through x (upright) or y (level).
    const Dim* FindDim(const AcGePoint3d& a, const AcGePoint3d& b, double lineAt, bool upright) const
    {
        dims = Dims();
        for (const Dim& d : dims) {
            const bool ends = (Same(d.x1, a) && Same(d.x2, b)) || (Same(d.x1, b) && Same(d.x2, a));
            if (ends && std::fabs((upright ? d.line.x : d.line.y) - lineAt) < 1e-6)
                return &d;
        }
        return nullptr;
    }
    bool HasDim(const AcGePoint3d& a, const AcGePoint3d& b, double lineAt, bool upright) const
    {
        return FindDim(a, b, lineAt, upright) != nullptr;
    }
    // The angle marks of a plan's ends, in their order: each at its end on the axis yc (xl for
    // the first mark of a skewed left end, else rightX), sweeping counter-clockwise from its
    // first leg to its second the end's skew from square, one leg reaching its foot footYs[i]
    // half widths hw off the axis along a structure line.
    void ExpectPlanEndAngleMarks(double xl, double rightX, double yc, double hw, double leftDegrees,
        double rightDegrees, const std::vector<double>& footYs) const
    {
        const double pi = 3.1415926535;
        const std::vector<AcDbObjectId> marks = Of<AcDb3PointAngularDimension>();
        ASSERT_EQ(marks.size(), footYs.size());
        const std::vector<Segment> structure = LinesOn(L"02-结构");
        for (size_t i = 0; i < marks.size(); ++i) {
            ReadBack<AcDb3PointAngularDimension> mark(marks[i]);
            const AcGePoint3d v = mark->centerPoint();
            const bool left = i == 0 && leftDegrees != 90.0;
            EXPECT_NEAR(v.y, yc, 1e-6);
            EXPECT_NEAR(v.x, left ? xl : rightX, 1e-6);
            const double angle = left ? leftDegrees : rightDegrees;
            const AcGePoint3d a = mark->xLine1Point(), b = mark->xLine2Point();
            double sweep = std::atan2(b.y - v.y, b.x - v.x) - std::atan2(a.y - v.y, a.x - v.x);
            if (sweep < 0.0)
                sweep += 2.0 * pi;
            EXPECT_NEAR(sweep * 180.0 / pi, std::fabs(90.0 - angle), 1e-6);
            const AcGePoint3d foot(v.x, yc + footYs[i] * hw, 0.0);
            EXPECT_TRUE(Same(a, foot) || Same(b, foot));
            EXPECT_TRUE(HasSegment(structure, v, foot));
        }
    }

    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    CHLGZ_PierInfo model;
    size_t before = 0;
    mutable std::vector<Dim> dims;
};
