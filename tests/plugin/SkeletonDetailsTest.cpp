// The skeleton details of the normal-section drawing: the bar shapes of every skeleton kind of
// the sample with their leg lengths and ends, one detail a group of kinds at its origin with its
// centre lines, welds, dimensions, ranges and title, and details on new sheets when they do not
// fit; the weld pieces and the column table that both drawings share.
#include "DrawingDesignFixture.h"

#include "AcDbAlignedDimension.h"
#include "AcDbBlockReference.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbText.h"
#include "CGLGZ_CapDraw_BarShapeWork.h"
#include "CGLGZ_EtDraw.h"
#include "CTov_InitDraw.h"
#include "RebarRules.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <set>
#include <string>
#include <vector>

namespace {

[[maybe_unused]] AcGePoint3d P(double x, double y) { return AcGePoint3d(x, y, 0.0); }

} // namespace

class SkeletonDetails : public DrawingDesignFixture {
protected:
    // The example as the entry has it when the views begin: checked, numbered, its skeletons
    // planned, the text settings made, the views laid out and the section view drawn.
    void Prepare(CGLGZ_EtDraw& draw, const char* example, const Change& change = {})
    {
        Load(example, change);
        CorbeldrawCommand::ProjectSkewLengths(model, geometry);
        CorbeldrawCommand::TrimEndParts(model, geometry);
        CTov_InitDraw setup;
        setup.m_dElevationScale = model.GetElevationScale();
        setup.m_dSectionScale = model.GetSectionScale();
        setup.Run();
        Attach(draw);
        draw.m_dWeldLength = CorbeldrawCommand::SettleWeldLength(model);
        draw.SetScale(model.GetElevationScale());
        draw.m_dSectionScale = model.GetSectionScale();
        draw.NormalizeSupports();
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
        app().transcript().clear();
    }
};

TEST_F(SkeletonDetails, Dump)
{
    CGLGZ_EtDraw draw;
    Prepare(draw, "sample.glt");
    draw.ShapeShownSkeletonKind();
    std::wcout << transcript() << std::endl;
    for (int c = 0; c < draw.m_nColumnKinds.length(); ++c)
        std::cout << "column " << c << " kind " << draw.m_nColumnKinds[c] << " end type " << draw.GetSkeletonEndType(c)
                  << std::endl;
    for (INT_PTR v = 0; v < draw.m_vars.GetSize(); ++v) {
        std::wcout << draw.m_vars[v].GetName().GetString() << L":";
        for (double x : draw.m_vars[v].GetValues())
            std::wcout << L" " << x;
        std::wcout << std::endl;
    }
    for (INT_PTR k = 0; k < draw.m_faces.GetSize(); ++k) {
        auto& bars = draw.m_faces[k].GetLUTSteels();
        for (INT_PTR b = 0; b < bars.GetSize(); ++b) {
            std::cout << "kind " << k << " bar " << bars[b].GetTag() << " legs " << bars[b].GetFirstLegLength() << " "
                      << bars[b].GetLastLegLength() << " pts";
            for (const AcGePoint3d& p : bars[b].GetFirstPoints())
                std::cout << " (" << p.x << "," << p.y << ")";
            std::cout << std::endl;
        }
    }
    std::cout << "origins " << draw.m_ptsDetailOrigins.length() << " support code " << draw.m_nSupportCode << std::endl;
}
