// The note lines of the normal-section drawing: the general notes, which skeletons the drawing
// shows, the cross slope and skew, and the piers or abutments it applies to.
#include "CGLGZ_EtDraw.h"

namespace {

struct TwoLines {
    const wchar_t* first;
    const wchar_t* second;
};

// Note 4: the skeletons shown, by the number of skeleton columns; the others mirror them.
TwoLines SkeletonNote(int columns)
{
    static const struct {
        int columns;
        TwoLines lines;
    } kNotes[] = {
        { 4, { L"4、图中仅示出骨架A、B，骨架C、D依次反对称于骨架B、A。", L"" } },
        { 5, { L"4、图中仅示出骨架A、B、C，骨架D、E依次反对称于骨架B、A。", L"" } },
        { 6, { L"4、图中仅示出骨架A、B、C，骨架D、E、F依次反对称于骨架", L"C、B、A。" } },
        { 7, { L"4、图中仅示出骨架A、B、C、D，骨架E、F、G依次反对称于骨", L"架C、B、A。" } },
        { 8, { L"4、图中仅示出骨架A、B、C、D，骨架E、F、G、H依次反对称", L"于骨架D、C、B、A。" } },
        { 9, { L"4、图中仅示出骨架A、B、C、D、E，骨架F、G、H、I依次反对", L"称于骨架D、C、B、A。" } },
        { 10, { L"4、图中仅示出骨架A、B、C、D、E，骨架F、G、H、I、J依次反对", L"称于骨架E、D、C、B、A。" } },
    };
    for (const auto& note : kNotes) {
        if (note.columns == columns)
            return note.lines;
    }
    return { L"", L"" };
}

} // namespace

void CGLGZ_EtDraw::NoteLines(CStringArray& lines, int furtherSheet) const
{
    // 1. - 3. Units, welding, embedded parts.
    AppendGeneralNotes(lines);
    // 4. The skeletons shown, on the further sheets of a whole drawing.
    if (furtherSheet && !m_bHalfDrawing) {
        int columns = 0;
        for (int i = 0; i < m_bSkeletonColumn.length(); ++i)
            columns += m_bSkeletonColumn[i] != 0;
        const TwoLines note = SkeletonNote(columns);
        lines.Add(note.first);
        lines.Add(note.second);
    }
    // 5. Cross slope, and skew when the left end is skewed.
    const bool skew = m_pGeometry->dLeftAngle != 90.0;
    if (m_bAbutment && skew) {
        lines.Add(L"5、进行桥台盖梁施工时，务必注意盖梁的横坡方向和斜交方向，具体详见《桥");
        lines.Add(L"台一般构造》。");
    } else if (m_bAbutment) {
        lines.Add(L"5、进行桥台盖梁施工时，务必注意盖梁的横坡方向，具体详见《桥");
        lines.Add(L"台一般构造》。");
    } else if (skew) {
        lines.Add(L"5、进行桥墩盖梁施工时，务必注意盖梁的横坡方向和斜交方向，具体");
        lines.Add(L"详见《桥墩一般构造》。");
    } else {
        lines.Add(L"5、进行桥墩盖梁施工时，务必注意盖梁的横坡方向，具体详见《桥");
        lines.Add(L"墩一般构造》。");
    }
    // 6. The piers or abutments the drawing applies to.
    CString applies;
    const CString where = m_pDesign->GetAddInfo().GetApplicableTo();
    applies.Format(m_bAbutment ? L"6、本图适用于%s号台。" : L"6、本图适用于%s号墩。", where.GetString());
    lines.Add(applies);
}
