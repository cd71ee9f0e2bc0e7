// The section view "Ⅰ－Ⅰ": the cap seen along its length, cut on its axis, with the column
// stubs, centre lines, cut marks of the column sections and the widths of the end parts. It
// builds the outline and the line list that the later views read.
#include "CGLGZ_CapDraw.h"

#include "AcDbPolyline.h"
#include "aced.h"
#include "CException.h"
#include "DrawingConstants.h"
#include "MavUtils.h"
#include "NumericHelpers.h"
#include "WinUser.h"

#include <cmath>
#include <stdexcept>

namespace {

// The geometry in drawing units: lengths divided by the scale, angles as they are.
CBent_BasicGeometry ScaledGeometry(const CBent_BasicGeometry& g, double s)
{
    CBent_BasicGeometry scaled = g;
    for (double* length : { &scaled.dLength, &scaled.dWidth, &scaled.dMiddleHeight, &scaled.dColumnDiameter,
             &scaled.dLeftWidth, &scaled.dRightWidth, &scaled.dLeftEndHeight, &scaled.dRightEndHeight,
             &scaled.dLWidth, &scaled.dLHeight })
        *length /= s;
    return scaled;
}

AcGePoint3d Raised(const AcGePoint3d& p, double h) { return AcGePoint3d(p.x, p.y + h, p.z); }

// An open polyline through the points with one bulge at every vertex, appended and closed.
void AppendBulgedPolyline(std::initializer_list<AcGePoint3d> points, double bulge)
{
    auto* pl = new AcDbPolyline();
    unsigned int i = 0;
    for (const AcGePoint3d& p : points)
        pl->addVertexAt(i++, AcGePoint2d(p.x, p.y), bulge);
    AcDbObjectId id;
    if (AppendToModelSpace(pl, id))
        pl->close();
    else
        delete pl;
}

const wchar_t* const kCutLabels[9] = { L"Ⅱ", L"Ⅲ", L"Ⅳ", L"Ⅴ", L"Ⅵ", L"Ⅶ", L"Ⅷ", L"Ⅸ", L"Ⅹ" };

} // namespace

int CGLGZ_CapDraw::BuildSectionOutline(
    AcGePoint3dArray& outline, const CBent_BasicGeometry& scaled, const AcGePoint3d& origin)
{
    const CBent_BasicGeometry& g = *m_pGeometry;
    if (g.dLeftAngle == 0.0 || g.dRightAngle == 0.0) {
        MessageBox(adsw_acadMainWnd(), L"出现严重内部错误，盖梁角度为0！程序无法继续运行，请与程序开发商联系！", L"内部错误",
            MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    const double hm = scaled.dMiddleHeight;
    const bool ends = !m_bAbutment;
    const double wl = ends ? scaled.dLeftWidth : 0.0, wr = ends ? scaled.dRightWidth : 0.0;
    const double hl = ends ? scaled.dLeftEndHeight : hm, hr = ends ? scaled.dRightEndHeight : hm;
    const double xl = origin.x - scaled.dLength / 2.0, xr = origin.x + scaled.dLength / 2.0;
    const double yt = origin.y, yb = origin.y - hm;
    auto at = [&](double x, double y) { return AcGePoint3d(x, y, origin.z); };
    // 1. The outline, from the right bottom corner round the top to the left and back.
    outline.setLogicalLength(0);
    if (ends) {
        for (const AcGePoint3d& p : { at(xr - wr, yb), at(xr, yt - hr), at(xr, yt), origin, at(xl, yt), at(xl, yt - hl),
                 at(xl + wl, yb), at(xr - wr, yb) })
            outline.append(p);
    } else {
        for (const AcGePoint3d& p : { at(xr, yb), at(xr, yt), origin, at(xl, yt), at(xl, yb), at(xr, yb) })
            outline.append(p);
    }
    // 2. The end parts' bottom edges, the end faces, then one line a pier column: the columns
    // from the left root by the running sum of the distances, the last from the right root.
    m_lines.RemoveAll();
    m_lines.Add({ at(xl, yt - hl), at(xl + wl, yb) });
    m_lines.Add({ at(xr, yt - hr), at(xr - wr, yb) });
    m_lines.Add({ at(xl, yt), at(xl, yt - hl) });
    m_lines.Add({ at(xr, yt), at(xr, yt - hr) });
    const AcGeDoubleArray& d = m_pDesign->GetSupportDistances();
    const int n = d.length();
    auto addColumn = [&](double x) { m_lines.Add({ at(x, yt), at(x, yb) }); };
    if (n == 1)
        addColumn(xl + wl + d[0] / m_dScale);
    double sum = 0.0;
    for (int k = 1; n >= 2 && k < n; ++k) {
        sum += d[k - 1];
        addColumn(xl + wl + sum / m_dScale);
    }
    if (n >= 2)
        addColumn(xr - wr - d[n - 1] / m_dScale);
    // 3.
    return outline.length();
}

int CGLGZ_CapDraw::DrawSectionView(AcGePoint3d& origin, double& depth)
{
    m_drawnItems.BeginItem(L"立面");
    // 1. - 2.
    depth = 0.0;
    SelectDimStyle(m_dScale);
    const CBent_BasicGeometry g = ScaledGeometry(*m_pGeometry, m_dScale);
    const double d = g.dColumnDiameter;
    const double lh = g.dLHeight;
    // 3. - 4. The title, over the drawn half in a half drawing.
    CString caption;
    caption.Format(L"（1：%s）", FormatFixed(m_dScale, -7).GetString());
    AcGePoint3d title = origin;
    if (m_bHalfDrawing)
        title.x -= g.dLength / 4.0;
    AddBoxedText(title, L"Ⅰ－Ⅰ", caption);
    // 5. - 6. The outline and the lines.
    m_ptOutlineOrigin = AcGePoint3d(origin.x, origin.y - 24.0 - lh, origin.z);
    MavUtils::selectLayer(L"02-结构");
    if (BuildSectionOutline(m_ptsOutline, g, m_ptOutlineOrigin) == 0)
        return 0;
    try {
        // 7. - 9.
        const double xm = (m_lines[2].end.x + m_lines[3].end.x) / 2.0;
        if (m_bHalfDrawing)
            CutOutlineAtMiddle(xm);
        m_entityLib.createPolyline(m_ptsOutline, false, m_idOutline);
        // 10. - 13.
        DrawLPartOfSection(lh, xm);
        DrawColumnStubs(d, lh, xm);
        DrawCutMarks(lh);
        // 14. - 15.
        depth = origin.y - m_lines[4].end.y + 9.0 + m_dLayoutMargin;
        // The right end part of a half drawing is not drawn, nor is its width.
        if (!m_bAbutment) {
            for (int i = 0; i < (m_bHalfDrawing ? 1 : 2); ++i)
                DrawDimension(AcGePoint3d(m_lines[i].start.x, m_lines[i].end.y, 0.0), m_lines[i].end, -1.0, -4.0, nullptr, L"");
        }
    } catch (const std::out_of_range&) {
        return SectionViewFault();
    } catch (const CInvalidArgException&) {
        return SectionViewFault();
    }
    return 1;
}

// A line or outline point the design does not have: the view ends where it is; the pre-drawing
// checks refuse such designs, so this is an internal fault.
int CGLGZ_CapDraw::SectionViewFault()
{
    acutPrintf(L"出现内部错误0607310932\n");
    return 0;
}

// A half drawing keeps the left half of the outline: a cap with end parts loses the right end
// part, an abutment cap its right end; the bottom point at the cut takes the middle abscissa.
void CGLGZ_CapDraw::CutOutlineAtMiddle(double xm)
{
    const int bottomAtCut = m_bAbutment ? 5 : 7;
    const int dropped = m_bAbutment ? 2 : 3;
    m_ptsOutline[bottomAtCut].x = xm;
    for (int i = 0; i < dropped; ++i)
        m_ptsOutline.removeFirst();
}

// The raised part of an L-shaped section along the cap top: its top line and its ends, but no
// end on the cut of a half drawing.
void CGLGZ_CapDraw::DrawLPartOfSection(double lh, double xm)
{
    if (lh <= 0.0)
        return;
    const AcGePoint3d left = m_lines[2].start;
    const AcGePoint3d right = m_bHalfDrawing ? AcGePoint3d(xm, m_lines[3].start.y, 0.0) : m_lines[3].start;
    DrawLine(Raised(left, lh), Raised(right, lh));
    DrawLine(left, Raised(left, lh));
    if (!m_bHalfDrawing && LPartHasRightEnd())
        DrawLine(right, Raised(right, lh));
}

// 11. - 12. The symmetry axis of a half drawing, then a centre line and a stub closed by a break
// line under every column; in a half drawing the column on the middle gets half a stub and the
// columns right of it nothing.
void CGLGZ_CapDraw::DrawColumnStubs(double d, double lh, double xm)
{
    if (m_bHalfDrawing) {
        MavUtils::selectLayer(L"13-中心");
        DrawLine(AcGePoint3d(xm, m_lines[4].start.y + lh + 9.0, 0.0), AcGePoint3d(xm, m_lines[4].end.y - 9.0, 0.0));
    }
    for (int i = 4; i < m_lines.GetSize(); ++i) {
        const AcGePoint3d s = m_lines[i].start, e = m_lines[i].end;
        if (!m_bHalfDrawing || s.x <= xm - kOnMiddle) {
            MavUtils::selectLayer(L"13-中心");
            DrawLine(AcGePoint3d(s.x, s.y + lh + 2.0, 0.0), AcGePoint3d(e.x, e.y - 2.0, 0.0));
        }
        MavUtils::selectLayer(L"02-结构");
        const AcGePoint3d rb(s.x + d / 2.0, e.y - 4.0, 0.0), lb(e.x - d / 2.0, e.y - 4.0, 0.0);
        const AcGePoint3d m = MidPoint(rb, lb);
        if (!m_bHalfDrawing || s.x < xm - kOnMiddle) {
            DrawLine(rb, AcGePoint3d(rb.x, e.y, 0.0));
            DrawLine(lb, AcGePoint3d(lb.x, e.y, 0.0));
            AppendBulgedPolyline({ rb, m, lb, m }, -0.3);
        } else if (std::fabs(s.x - xm) < kOnMiddle) {
            DrawLine(lb, AcGePoint3d(lb.x, e.y, 0.0));
            AppendBulgedPolyline({ m, lb, m }, -0.3);
        }
    }
}

// 13. One cut mark above and below the cap for every column section: at the middle of the cap
// (code 0), on a column (1 to n) or in the middle of the span after column k (n + k).
void CGLGZ_CapDraw::DrawCutMarks(double lh)
{
    MavUtils::selectLayer(L"08-标注");
    const double yT = m_lines[2].start.y + 13.5 + lh;
    const double yB = m_lines[0].end.y - 12.5;
    const int nCols = m_pDesign->GetSupportDistances().length();
    const AcGeIntArray& codes = m_pDesign->GetSectionPositions();
    for (int j = 0; j < codes.length(); ++j) {
        if (j >= 9)
            AfxThrowInvalidArgException();  // one label a code
        const int code = codes[j];
        double x = 0.0;
        if (code == 0)
            x = (m_lines[0].end.x + m_lines[1].end.x) / 2.0;
        else if (code <= nCols)
            x = m_lines[code + 3].end.x;
        else
            x = (m_lines[code - nCols + 3].end.x + m_lines[code - nCols + 4].end.x) / 2.0;
        DrawLine(AcGePoint3d(x, yT, 0.0), AcGePoint3d(x, yT + 3.0, 0.0));
        DrawLine(AcGePoint3d(x, yT + 3.0, 0.0), AcGePoint3d(x + 5.0, yT + 3.0, 0.0));
        DrawLine(AcGePoint3d(x, yB, 0.0), AcGePoint3d(x, yB - 3.0, 0.0));
        DrawLine(AcGePoint3d(x, yB - 3.0, 0.0), AcGePoint3d(x + 5.0, yB - 3.0, 0.0));
        const int mirrored = 1;
        InsertMarkBlock(AcGePoint3d(x + 5.0, yT + 3.0, 0.0), 2.0, 180.0, m_idLeaderArrow, &mirrored);
        InsertMarkBlock(AcGePoint3d(x + 5.0, yB - 3.0, 0.0), 2.0, 180.0, m_idLeaderArrow);
        AcDbObjectId id;
        m_entityLib.createText(AcGePoint3d(x + 7.0, yT + 3.0, 0.0), kCutLabels[j], L"DM", m_dFixedHeight, m_dWidthFactor, 0.0, id);
        m_entityLib.createText(AcGePoint3d(x + 7.0, yB - 3.0, 0.0), kCutLabels[j], L"DM", m_dFixedHeight, m_dWidthFactor, 0.0, id);
    }
}
