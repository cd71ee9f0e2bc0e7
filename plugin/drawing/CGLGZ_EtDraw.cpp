#include "CGLGZ_EtDraw.h"

#include "CGLGZ_Share.h"
#include "RebarRules.h"
#include "WinUser.h"
#include "aced.h"

const CapDrawDefaults CGLGZ_EtDraw::kDefaults = { 280.0, 1, 1, 1, 0.6375 };

CGLGZ_EtDraw::CGLGZ_EtDraw()
    : CGLGZ_CapDraw(kDefaults)
{
}

int CGLGZ_EtDraw::Draw(int drawAll)
{
    // 1. The support block.
    TakeSupportBlock();
    // 2. Supports and sections in order (a section the view cannot mark refused), the
    // strengthening bars reported.
    NormalizeSupports();
    if (!CheckSectionPositions())
        return 0;
    ReportStrengtheningBars();
    // 3. Abutment or pier cap.
    if (!DecideAbutment())
        return 0;
    // 4. Supports; 5. end angles.
    if (!CheckSupports())
        return 0;
    if (!CheckSideAngles())
        return 0;
    // 6. Bar numbers; 7. skeleton columns and side bars.
    if (!NumberBarsAndCheck())
        return 0;
    CheckSideBarSpacing();
    // 8. Only a symmetric abutment cap is drawn as a half drawing.
    m_bSymmetric = CheckSymmetry();
    if (!m_bAbutment || !m_bSymmetric)
        m_bHalfDrawing = 0;
    // 9. The skeleton kinds.
    MeasureSkeletonColumns();
    PlanSkeletons();
    // 10. The shared check.
    CGLGZ_Share share;
    if (!share.CheckGL())
        return 0;
    // 11. The scale fitted to the sheet; text settings; 12. the leader arrow; 13. bend allowance.
    FitScaleToSheet();
    PrepareDrawing();
    m_idLeaderArrow = GetLeaderArrowBlock();
    m_dBendAllowance = SkeletonBendAllowance();
    // 14. The views.
    if (!DrawViews(drawAll))
        return 0;
    // 15. Titles; 16. masks of the complete drawing.
    FinishSheets(drawAll);
    return 1;
}

// The layout opens the first sheet; the view origins, the views in their order (section view,
// bar shapes and skeleton details, main view, elevation, column sections, stirrup details or
// size table, clipping) follow as each view is built.
int CGLGZ_EtDraw::DrawViews(int drawAll)
{
    // 1. The layout.
    if (m_bHalfDrawing)
        LayoutViews();
    else
        LayoutViewsAlternative();
    // 2. The section view.
    double depth = 0.0;
    DrawSectionView(SectionViewOrigin(), depth);
    Redraw();
    // 3. The bars of the skeleton kind shown in the main views, shaped and drawn into the
    // elevation; the design's own main face comes back afterwards.
    CHLGZ_FaceInfo shaped = ShapeShownSkeletonKind();
    Redraw();
    double viewDepth = 0.0;
    DrawMainView(MainViewOrigin(), viewDepth);
    Redraw();
    DrawElevation();
    Redraw();
    // 6. One column section a code of the design's section list, at the origin laid out for it.
    const AcGeIntArray& codes = m_pDesign->GetSectionPositions();
    for (int i = 0; i < m_ptsColumnSections.length() && i < codes.length(); ++i) {
        DrawColumnSection(m_ptsColumnSections[i], codes[i], i, viewDepth);
        Redraw();
    }
    // 7. A half drawing is cut at its middle.
    if (drawAll) {
        // The stirrup and bar details, packed with the quantity table.
        DrawStirrupDetails();
        Redraw();
        ClipViewAtMiddle(shaped, m_lines);
        for (int i = 0; i < m_faces.GetSize(); ++i)
            ClipViewAtMiddle(m_faces[i], m_lines);
    } else if (!m_bAbutment && !m_ptsSheetOrigins.isEmpty()) {
        // A part drawing of a pier cap shows the size table beside its first sheet.
        DrawSizeTable(m_ptsSheetOrigins.first() + AcGeVector3d(450.0, 100.0, 0.0), 0);
    }
    return 1;
}

// The main face takes the planned kind's face while its bars are shaped and the skeleton
// details are drawn, then the two trade back, so that the design's face is the main face
// again. A design without skeleton kinds shapes its own main face. The shaped face is returned.
CHLGZ_FaceInfo CGLGZ_EtDraw::ShapeShownSkeletonKind()
{
    CHLGZ_FaceInfo& main = m_pDesign->GetMainFace();
    if (m_nSkeleton < 0 || m_nSkeleton >= m_faces.GetSize()) {
        BuildBarShapes();
        return main;
    }
    CHLGZ_FaceInfo own = main;
    main = m_faces[m_nSkeleton];
    BuildBarShapes();
    CHLGZ_FaceInfo shaped = main;
    DrawSkeletonDetails();
    main = own;
    CopyMarksToMainFace();
    return shaped;
}

int CGLGZ_EtDraw::CheckSideAngles()
{
    const CBent_BasicGeometry& g = *m_pGeometry;
    if (g.dLeftAngle == 0.0 || g.dRightAngle == 0.0) {
        MessageBox(adsw_acadMainWnd(), L"当前盖梁左侧或右侧角度为0，无法绘制盖梁图！", L"角度错误", MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    if (g.dLeftAngle == 90.0 && g.dRightAngle == 90.0) {
        MessageBox(adsw_acadMainWnd(), L"当前盖梁左右两侧角度均为90°，请按斜布骨架绘制！", L"分支错误", MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    return 1;
}

double CGLGZ_EtDraw::GetWeldLength() const
{
    const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    return WeldLengthFor(GetRebarOuterDiameter(more.GetSkeletonDiameter(), more.GetSkeletonBarType()));
}
