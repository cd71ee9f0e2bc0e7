#include "CGLGZ_BtDraw.h"

#include "CGLGZ_Share.h"
#include "MavUtils.h"

#include <algorithm>

const CapDrawDefaults CGLGZ_BtDraw::kDefaults = { 0.0, 0, 0, 0, 1.275 };

CGLGZ_BtDraw::CGLGZ_BtDraw()
    : CGLGZ_CapDraw(kDefaults)
{
}

int CGLGZ_BtDraw::Draw(int full)
{
    // 1. A cap not symmetric in construction or column spacing is drawn whole.
    if (!m_pDesign->GetGeneralSymmetric() || !m_pDesign->GetColumnSpacingSymmetric())
        m_bHalfDrawing = 0;
    // 2. The support list.
    TakeSupportBlock();
    // 3. Supports and sections in order (a section the view cannot mark refused), skeleton
    // columns and side bars, the strengthening bars reported.
    NormalizeSupports();
    if (!CheckSectionPositions())
        return 0;
    CheckSideBarSpacing();
    ReportStrengtheningBars();
    // 4. The shared check; 5. the scale fitted to the sheet, text settings.
    CGLGZ_Share share;
    if (!share.CheckGL())
        return 0;
    FitScaleToSheet();
    PrepareDrawing();
    // 6. Supports.
    if (!CheckSupports())
        return 0;
    // 7. Bar numbers.
    if (!NumberBarsAndCheck())
        return 0;
    // 8. The leader arrow; 9. bend allowance.
    m_idLeaderArrow = GetLeaderArrowBlock();
    m_dBendAllowance = SkeletonBendAllowance();
    // 10. The views; 11. titles; 13. masks of the full set.
    if (!DrawViews(full))
        return 0;
    FinishSheets(full);
    return 1;
}

// The views in their order; each step's view is called under its comment.
int CGLGZ_BtDraw::DrawViews(int full)
{
    // 1. Abutment or pier cap.
    if (!DecideAbutment())
        return 0;
    // 2. The layout; 3. the section view.
    if (m_bHalfDrawing)
        LayoutViews();
    else
        LayoutViewsAlternative();
    double depth = 0.0;
    DrawSectionView(SectionViewOrigin(), depth);
    Redraw();

    // 4. The bar shapes.
    BuildBarShapes();
    Redraw();

    // 5. A copy of the main face, for the cut at the middle.
    CHLGZ_FaceInfo snapshot(m_pDesign->GetMainFace());

    // 6. The span rows.
    ComputeSpanRows();
    Redraw();

    // 7. Bars of equal shape grouped.
    GroupBarShapes();
    Redraw();

    // 8. The main view.
    if (!DrawMainView(MainViewOrigin(), depth))
        return 0;
    Redraw();

    // 9. The elevation.
    DrawElevation();
    Redraw();

    // 10. The bar marks of the main views.
    DrawBarMarks(1, 1);
    Redraw();

    // 11. One column section an entry of the section list.
    const AcGeIntArray& sections = m_pDesign->GetSectionPositions();
    for (int i = 0; i < sections.length() && i < m_ptsColumnSections.length(); ++i) {
        DrawColumnSection(m_ptsColumnSections[i], sections[i], i, depth);
        Redraw();
    }

    // 12. The view back on the second sheet, or on the origin while there is one sheet.
    AcGePoint3d corner = AcGePoint3d::kOrigin;
    if (m_ptsSheetOrigins.length() > 1) {
        corner = m_ptsSheetOrigins[1];
        corner.y -= m_dAlternativeOffset;
    }
    MavUtils::zoomWindow(corner, AcGePoint3d(corner.x + kSheetWidth, corner.y + kSheetHeight, 0.0));

    // 13. The bar tables of an L-shaped section.
    if (m_pGeometry->dLHeight > 0.0) {
        CountSideBars(m_nExtraBarCount);
        DrawBarTables();
    }
    WriteSectionStirrupMarks();

    // 14. The skeleton detail.
    m_drawnItems.BeginItem(L"骨架大样A");
    const size_t beforeDetail = ModelSpaceEntityCount();
    if (!DrawSkeletonDetail(m_ptsSheetOrigins, corner))
        return 0;
    ClipDetailAtMiddle(beforeDetail);
    MeasureSkeletonDetail(beforeDetail);
    // A detail the alternative layout left to the second sheet: the shape details start under it.
    if (!m_bHalfDrawing && !m_bDetailsOnSheet && m_bSkeletonMeasured)
        m_dLowestY = std::min(m_dLowestY, m_ptSkeletonMin.y);

    // 15. The bar marks of the details.
    DrawBarMarks(1, 0);
    Redraw();

    // 16. The shape details of a full drawing.
    if (full) {
        DrawShapeDetails();
        Redraw();
    }

    // 17. A half drawing cut at its middle.
    ClipViewAtMiddle(snapshot, m_lines);
    ClipViewAtMiddle(m_pDesign->GetMainFace(), m_lines);

    return 1;
}

double CGLGZ_BtDraw::GetBarOuterDiameter(int diameter)
{
    switch (diameter) {
    case 10: return 11.3;
    case 12: return 13.0;
    case 14: return 15.5;
    case 16: return 17.5;
    case 18: return 20.0;
    case 20: return 22.0;
    case 22: return 24.0;
    case 25: return 27.0;
    case 28: return 30.0;
    case 32: return 34.5;
    case 36: return 39.5;
    case 40: return 43.5;
    default: return diameter;
    }
}

double CGLGZ_BtDraw::GetWeldLength() const
{
    return WeldLengthFor(GetBarOuterDiameter(m_pDesign->GetMoreInfo().GetSkeletonDiameter()));
}
