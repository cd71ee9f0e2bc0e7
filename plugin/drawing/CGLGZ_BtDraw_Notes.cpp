// The note lines of the skew-section drawing: the general notes, the cross slope and skew, and
// the piers or abutments it applies to. It shows its one skeleton kind, so it has no note on
// skeleton symmetry.
#include "CGLGZ_BtDraw.h"

void CGLGZ_BtDraw::NoteLines(CStringArray& lines, int furtherSheet) const
{
    // 1. Notes 1 to 3.
    AppendGeneralNotes(lines);
    // 2. Note 4: cross slope, and skew when the left end is skewed; a skewed cap's note breaks
    // its lines in other places on the further sheets.
    const bool skew = m_pGeometry->dLeftAngle != 90.0;
    if (m_bAbutment && skew && !furtherSheet) {
        lines.Add(L"4、进行桥台盖梁施工时，务必注意盖梁的横坡方向和斜交方向，具");
        lines.Add(L"体详见《桥台一般构造》。");
    } else if (m_bAbutment && skew) {
        lines.Add(L"4、进行桥台盖梁施工时，务必注意盖梁的横坡方向和斜交方向，具体详见《桥");
        lines.Add(L"台一般构造》。");
    } else if (m_bAbutment) {
        lines.Add(L"4、进行桥台盖梁施工时，务必注意盖梁的横坡方向，具体详见《桥");
        lines.Add(L"台一般构造》。");
    } else if (skew && !furtherSheet) {
        lines.Add(L"4、进行桥墩盖梁施工时，务必注意盖梁的横坡方向和斜交方向，具");
        lines.Add(L"体详见《桥墩一般构造》。");
    } else if (skew) {
        lines.Add(L"4、进行桥墩盖梁施工时，务必注意盖梁的横坡方向和斜交方向，具体");
        lines.Add(L"详见《桥墩一般构造》。");
    } else {
        lines.Add(L"4、进行桥墩盖梁施工时，务必注意盖梁的横坡方向，具体详见《桥");
        lines.Add(L"墩一般构造》。");
    }
    // 3. Note 5: the piers or abutments the drawing applies to.
    CString applies;
    const CString where = m_pDesign->GetAddInfo().GetApplicableTo();
    applies.Format(m_bAbutment ? L"5、本图适用于%s号台。" : L"5、本图适用于%s号墩。", where.GetString());
    lines.Add(applies);
}
