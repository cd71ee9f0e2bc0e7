// An example design read, changed by the test and converted as the run hands it to a drawing,
// and a drawing object pointed at it as the entry does before its checks.
#pragma once

#include "CGLGZ_CapDraw.h"
#include "CGLGZ_EtDraw.h"
#include "CHLGZ_PierInfo.h"
#include "CTov_InitDraw.h"
#include "CorbeldrawCommand.h"
#include "DrawnGeometry.h"
#include "PluginFixture.h"

#include "AcDbLine.h"

#include <functional>
#include <vector>

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

    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    CHLGZ_PierInfo model;
    size_t before = 0;
};
