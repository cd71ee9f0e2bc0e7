// A skew-section example as the run hands it to its drawing, with the entry's steps before the
// views made and the section view drawn; the tests of the main views go on from there.
#pragma once

#include "CGLGZ_BtDraw.h"
#include "DrawingDesignFixture.h"

class SkewDrawFixture : public DrawingDesignFixture {
protected:
    void PrepareSkew(const char* example, CGLGZ_BtDraw& draw, int half = 0, const ModelChange& change = {})
    {
        LoadAsTheRun(example, change);
        AttachAsTheRun(draw);
        draw.m_bHalfDrawing = half;
        draw.TakeSupportBlock();
        draw.NormalizeSupports();
        draw.CheckSideBarSpacing();
        ASSERT_NO_FATAL_FAILURE(RunSkewToSectionView(draw));
    }

    // The skew-section entry's steps from the text settings on: numbering, the abutment's
    // decision, the layout for a half or whole drawing and the section view.
    void RunSkewToSectionView(CGLGZ_BtDraw& draw)
    {
        draw.PrepareDrawing();
        ASSERT_EQ(draw.NumberBarsAndCheck(), 1);
        draw.m_idLeaderArrow = draw.GetLeaderArrowBlock();
        draw.m_dBendAllowance = draw.SkeletonBendAllowance();
        ASSERT_EQ(draw.DecideAbutment(), 1);
        ASSERT_NO_FATAL_FAILURE(LayOutAndDrawSectionView(draw));
    }

    // On to the span rows: the bar shapes and every bar's length in every column.
    void PrepareSkewToSpanRows(const char* example, CGLGZ_BtDraw& draw, int half = 0, const ModelChange& change = {})
    {
        ASSERT_NO_FATAL_FAILURE(PrepareSkew(example, draw, half, change));
        ASSERT_EQ(draw.BuildBarShapes(), 1);
        ASSERT_EQ(draw.ComputeSpanRows(), 1);
    }
};
