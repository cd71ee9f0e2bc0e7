// The sheets of a drawing: their origins, the first sheet of a layout, titles with title
// blocks, and the masks behind the labels.
#include "CGLGZ_CapDraw.h"

#include "MavUtils.h"
#include "NumericHelpers.h"

#include <algorithm>
#include <cmath>

AcGePoint3d CGLGZ_CapDraw::NextViewOrigin()
{
    AcGePoint3d origin = m_ptBase;
    if (!m_ptsSheetOrigins.isEmpty()) {
        origin = m_ptsSheetOrigins[m_ptsSheetOrigins.length() - 1];
        origin.y -= kSheetPitch;
    }
    m_ptsSheetOrigins.append(origin);
    return origin;
}

AcGePoint3d CGLGZ_CapDraw::OpenSheet()
{
    const AcGePoint3d origin = NextViewOrigin();
    MavUtils::zoomWindow(origin, AcGePoint3d(origin.x + kSheetWidth, origin.y + kSheetHeight, origin.z));
    return origin;
}

CString CGLGZ_CapDraw::ItemName(const wchar_t* kind, int number)
{
    CString name;
    name.Format(L"%s%d", kind, number);
    return name;
}

// The sheet (from 1) whose origin is nearest in height to the point.
int CGLGZ_CapDraw::SheetIndexAt(const AcGePoint3d& point) const
{
    const double below = m_ptsSheetOrigins.isEmpty() ? 0.0 : m_ptsSheetOrigins.first().y - point.y;
    return static_cast<int>(std::floor((below + kSheetPitch / 2.0) / kSheetPitch)) + 1;
}

CString CGLGZ_CapDraw::SheetNumeral(int n)
{
    static const wchar_t* const kDigits[10] = { L"", L"一", L"二", L"三", L"四", L"五", L"六", L"七", L"八", L"九" };
    CString text;
    if (n <= 0)
        return text;
    if (n < 10)
        return kDigits[n];
    if (n < 20) {
        text.Format(L"十%s", kDigits[n % 10]);
        return text;
    }
    if (n < 100) {
        if (n % 10 == 0)
            text.Format(L"%s十", kDigits[n / 10]);
        else
            text.Format(L"%s十%s", kDigits[n / 10], kDigits[n % 10]);
        return text;
    }
    const int r = n % 100;
    CString rest;
    if (r == 0)
        rest = L"";
    else if (r < 10)
        rest.Format(L"零%s", kDigits[r]);
    else if (r % 10 == 0)
        rest.Format(L"%s十", kDigits[r / 10]);
    else
        rest.Format(L"%s十%s", kDigits[r / 10], kDigits[r % 10]);
    text.Format(L"%s百%s", kDigits[(n / 100) % 10], rest.GetString());
    return text;
}

void CGLGZ_CapDraw::DrawSheetTitles()
{
    DrawTitleBlocks();
    DrawNotesFrom(0);
}

// The frame's texts: 0 title, 1 angle, 2 scale, 3 sheet number, 4 sheet count.
void CGLGZ_CapDraw::DrawTitleBlocks()
{
    // 1. The sheet count.
    m_nSheets = m_ptsSheetOrigins.length();
    m_frame.m_strTitles[4].Format(L"%d", m_nSheets);
    // 2. and 3. The title and the skew.
    const CString title = m_bAbutment ? L"桥台盖梁钢筋构造" : L"桥墩盖梁钢筋构造";
    m_frame.m_strTitles[1].Format(L"%.0f°", std::fabs(90.0 - m_pGeometry->dLeftAngle));
    // 4. One title block a sheet.
    for (int i = 0; i < m_nSheets; ++i) {
        m_frame.SetOrigin(m_ptsSheetOrigins[i]);
        if (m_nSheets > 1)
            m_frame.m_strTitles[0].Format(L"%s（%s）", title.GetString(), SheetNumeral(i + 1).GetString());
        else
            m_frame.m_strTitles[0] = title;
        m_frame.m_strTitles[2].Format(L"1:%s", FormatFixed(m_dScale, -7).GetString());
        m_frame.m_strTitles[3].Format(L"%d", i + 1);
        m_drawnItems.BeginItem(L"图框");
        m_frame.InsertTitleBlock();
        WriteTitleBlockTexts(m_ptsSheetOrigins[i]);
    }
}

AcDbObjectIdArray CGLGZ_CapDraw::DrawNotesFrom(int first)
{
    AcDbObjectIdArray ids;
    // 5. The notes of the first sheet.
    const int sheets = m_ptsSheetOrigins.length();
    if (first == 0 && sheets > 0)
        ids.append(DrawFirstSheetNotes(m_ptsSheetOrigins[0]));
    // 6. The notes of every further sheet; a bar-code list of more than 27 entries fills the
    // third sheet's bottom right with its table, so the notes there move left.
    for (int i = std::max(first, 1); i < sheets; ++i) {
        AcGePoint3d origin = m_ptsSheetOrigins[i];
        if (i == 2 && m_steelCodes.GetSize() > 27)
            origin.x -= 125.0;
        ids.append(DrawSheetNotes(origin));
    }
    return ids;
}

// The title block is the same drawing on every sheet; the sheet's own texts go into its value
// cells: the title, the scale, the skew, the sheet count and the sheet number.
void CGLGZ_CapDraw::WriteTitleBlockTexts(const AcGePoint3d& sheet)
{
    m_drawnItems.BeginItem(ItemName(L"图标", SheetIndexAt(sheet)));
    struct Cell {
        int text;
        double x, y, height;
    };
    static const Cell kCells[] = { { 0, 220.0, 10.0, 5.0 }, { 2, 327.5, 10.0, 3.5 }, { 1, 372.5, 20.0, 3.5 },
        { 4, 372.5, 10.0, 3.5 }, { 3, 372.5, 0.0, 3.5 } };
    MavUtils::selectLayer(L"09-文本");
    for (const Cell& cell : kCells) {
        AcDbObjectId id;
        m_entityLib.createText(AcGePoint3d(sheet.x + cell.x, sheet.y + cell.y, sheet.z), m_frame.m_strTitles[cell.text],
            L"BT", cell.height, m_dWidthFactor, 0.0, id);
    }
}

void CGLGZ_CapDraw::MaskCollectedTexts()
{
    m_drawnItems.BeginItem(L"");
    for (int i = m_idsMaskedTexts.length() - 1; i >= 0; --i) {
        AcDbObjectId mask;
        MavUtils::createMaskForAcDbText(mask, m_idsMaskedTexts[i]);
    }
}
