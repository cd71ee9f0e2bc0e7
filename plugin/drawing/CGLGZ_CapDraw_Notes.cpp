// The notes block of a sheet: its lines under the heading "注" at the frame's bottom right. Each
// drawing gives its own lines; notes 1 to 3 read the same in both.
#include "CGLGZ_CapDraw.h"

#include "AcDbText.h"
#include "MavUtils.h"

namespace {

// A line that does not start with its note's number continues the note above it and is set in
// by about the width of the number, so that the text of a note stands in one column.
constexpr double kContinuationIndent = 5.0256;
constexpr double kLinePitch = 5.0;
constexpr double kHeadingLeft = 2.0;
// The notes start this far left of the frame's right edge and above its bottom margin.
constexpr double kNotesLeft = 95.0;
constexpr double kNotesAbove = 3.0;

bool StartsWithNumber(const CString& line) { return !line.IsEmpty() && line[0] >= L'0' && line[0] <= L'9'; }

} // namespace

AcDbObjectIdArray CGLGZ_CapDraw::DrawFirstSheetNotes(const AcGePoint3d& origin)
{
    m_drawnItems.BeginItem(ItemName(L"注", SheetIndexAt(origin)));
    if (m_bHalfPlan) {
        CStringArray lines;
        NoteLines(lines, 0);
        return DrawNotesBlock(origin, lines);
    }
    // A whole drawing writes its notes on its further sheets, so one of a single sheet would
    // have none: that sheet takes the further sheets' notes.
    if (m_ptsSheetOrigins.length() == 1)
        return DrawSheetNotes(origin);
    return AcDbObjectIdArray();
}

AcDbObjectIdArray CGLGZ_CapDraw::DrawSheetNotes(const AcGePoint3d& origin)
{
    m_drawnItems.BeginItem(ItemName(L"注", SheetIndexAt(origin)));
    CStringArray lines;
    NoteLines(lines, 1);
    return DrawNotesBlock(origin, lines);
}

AcDbObjectIdArray CGLGZ_CapDraw::DrawNotesBlock(const AcGePoint3d& origin, const CStringArray& lines)
{
    MavUtils::selectLayer(L"09-文本");
    AcDbObjectId styleId;
    AcDbObjectIdArray ids;
    if (!CreateTextStyle(L"FZ", m_dFixedHeight, m_dWidthFactor, styleId))
        return ids;
    // The frame's width and bottom margin place the block.
    const AcGePoint3d start(
        origin.x + m_frame.m_dWidth - kNotesLeft, origin.y + m_frame.m_dFurther2 + kNotesAbove, 0.0);
    const auto write = [&](const AcGePoint3d& position, const wchar_t* text) {
        auto* pText = new AcDbText(position, text, styleId, m_dNoteHeight, 0.0);
        pText->setWidthFactor(m_dWidthFactor);
        AcDbObjectId id;
        if (!AppendToModelSpace(pText, id)) {
            delete pText;
            return;
        }
        pText->close();
        ids.append(id);
    };
    // From the last line up; an empty line only keeps its place.
    double y = start.y;
    for (INT_PTR i = lines.GetSize() - 1; i >= 0; --i) {
        const CString& line = lines[i];
        if (!line.IsEmpty())
            write(AcGePoint3d(StartsWithNumber(line) ? start.x : start.x + kContinuationIndent, y, 0.0), line);
        y += kLinePitch;
    }
    write(AcGePoint3d(start.x - kHeadingLeft, y, 0.0), L"注");
    // A long line would reach past the frame's inner border: the block moves left by as much.
    SheetSpace::Box box;
    const double right = SheetArea(origin).x1 - SheetSpace::kMargin;
    if (ExtentsOf(ids, box) && box.x1 > right)
        MoveIds(ids, AcGeVector3d(right - box.x1, 0.0, 0.0));
    MakeGroup(L"", ids, m_bGroup);
    return ids;
}

void CGLGZ_CapDraw::AppendGeneralNotes(CStringArray& lines) const
{
    lines.Add(L"1、图中尺寸除钢筋直径以毫米计外，余均以厘米为单位。");
    // The weld length follows the weld type: 5 diameters double-sided, 10 single-sided.
    if (m_pDesign->GetMoreInfo().GetWeldType() == 0) {
        lines.Add(L"2、钢筋骨架采用双面焊焊接，焊缝长度不小于5d。骨架焊缝在");
        lines.Add(L"两根钢筋相重叠段应增加，其焊缝间距为不大于100cm，焊");
        lines.Add(L"缝长度为2.5d。");
    } else {
        lines.Add(L"2、钢筋骨架采用单面焊焊接，焊缝长度不小于10d。骨架焊缝在");
        lines.Add(L"两根钢筋相重叠段应增加，其焊缝间距为不大于100cm，焊");
        lines.Add(L"缝长度为5d。");
    }
    lines.Add(L"3、盖梁施工时应注意预埋防震挡块及支座垫石钢筋。");
}
