// The reinforcement drawing of a cap whose bent-up bars bend down in normal sections: a skewed
// cap drawn with welded skeletons planned in normal sections.
#pragma once

#include "AcGePoint2d.h"
#include "CGLGZ_CapDraw.h"
#include "CGLGZ_Var.h"
#include "CHLGZ_FaceInfo.h"

class CGLGZ_EtDraw : public CGLGZ_CapDraw {
public:
    static const CapDrawDefaults kDefaults;

    CGLGZ_EtDraw();
    ~CGLGZ_EtDraw() override = default;

    // 1 drawn, 0 refused (after the refusal's box).
    int Draw(int drawAll);
    int DrawViews(int drawAll);
    CHLGZ_FaceInfo ShapeShownSkeletonKind();
    int CheckSideAngles();
    // Skeleton planning operations.
    int CheckSymmetry();
    int MeasureSkeletonColumns();
    int PlanSkeletons();
    double GetWeldLength() const;
    // Sheets, view layout and note lines.
    void LayoutViews();
    void LayoutViewsAlternative();

protected:
    void NoteLines(CStringArray& lines, int furtherSheet) const override;

public:

    // Longitudinal bar shapes.
    // 0 without the section view's outline (nothing shaped), else 1.
    int BuildBarShapes();
    int ShapeFaceBars(CHLGZ_FaceInfo& face, int correctOuterBar);
    int ShapeBarEnd(const BarEndRequest& request);
    int ShapeBarEndOpposite(const BarEndRequest& request);
    void CorrectOuterUpperBar(CHLGZ_FaceInfo& face);

    int m_bSymmetric = 0;
    // Skeleton planning.
    AcGePoint2dArray m_ptsColumnExtents;
    AcGeIntArray m_nColumnKinds;
    CArray<CHLGZ_FaceInfo, const CHLGZ_FaceInfo&> m_faces;
    AcGeIntArray m_nKindGroups;
    int m_nGroups = 0;
    int m_nSkeleton = -1;
    AcGePoint2d m_ptMiddleExtents;
    CArray<CGLGZ_Var, const CGLGZ_Var&> m_vars;
    int m_nNextLetter = 97;
    // The number of the upper bent-up bar cut to each skeleton kind's ends; 0 while none is.
    int m_nTrimmedBar = 0;
};
