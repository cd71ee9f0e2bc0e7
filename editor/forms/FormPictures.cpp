#include "FormPictures.h"

#include "CBrush.h"
#include "CPen.h"
#include "CSketchFonts.h"
#include "SketchColours.h"
#include "SketchDimensions.h"

#include <algorithm>

namespace {

// A cross section of the cap: its outline and the middle line of its closed stirrup, a cover
// inside the outline.
struct Section {
    CRect outline;
    int cover;
    CRect Stirrup() const
    {
        return CRect(outline.left + cover, outline.top + cover, outline.right - cover, outline.bottom - cover);
    }
};

void DrawBox(CDC& dc, const CRect& box)
{
    const POINT corners[5] = {{box.left, box.top}, {box.right, box.top}, {box.right, box.bottom},
                              {box.left, box.bottom}, {box.left, box.top}};
    dc.Polyline(corners, 5);
}

void DrawBar(CDC& dc, int x, int y)
{
    dc.Ellipse(x - 3, y - 3, x + 4, y + 4);
}

// The bars in a row of n between x1 and x2 at y.
void DrawBarRow(CDC& dc, int x1, int x2, int y, int n)
{
    for (int i = 0; i < n; ++i)
        DrawBar(dc, n > 1 ? x1 + (x2 - x1) * i / (n - 1) : (x1 + x2) / 2, y);
}

// Outline in white, stirrup and bars in red: top and bottom rows, and side bars when asked.
void DrawSection(CDC& dc, const Section& s, int columns, int sideBars)
{
    CPen outline(PS_SOLID, 1, kSketchOutline);
    CPen bars(PS_SOLID, 1, kSketchBar);
    CBrush barFill(kSketchBar);
    CPen* oldPen = dc.SelectObject(&outline);
    DrawBox(dc, s.outline);
    dc.SelectObject(&bars);
    const CRect stirrup = s.Stirrup();
    DrawBox(dc, stirrup);
    CBrush* oldBrush = dc.SelectObject(&barFill);
    DrawBarRow(dc, stirrup.left + 4, stirrup.right - 4, stirrup.top + 4, columns);
    DrawBarRow(dc, stirrup.left + 4, stirrup.right - 4, stirrup.bottom - 4, columns);
    for (int i = 1; i <= sideBars; ++i) {
        const int y = stirrup.top + 4 + (stirrup.Height() - 8) * i / (sideBars + 1);
        DrawBar(dc, stirrup.left + 4, y);
        DrawBar(dc, stirrup.right - 4, y);
    }
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

// A text with a leader from (x, y) to where it stands.
void DrawCallout(CDC& dc, int x, int y, int tx, int ty, const wchar_t* text)
{
    CPen leader(PS_SOLID, 1, kSketchDimension);
    CPen* oldPen = dc.SelectObject(&leader);
    dc.MoveTo(x, y);
    dc.LineTo(tx, ty);
    dc.SelectObject(oldPen);
    dc.TextOut(tx + 3, ty - 8, text);
}

// Where a dimension's label stands: the dimension routine's own text box is for short numbers,
// a picture's words go beside the line. Right of (left of) a vertical line at its middle; right
// of the end (left of the start) of a horizontal one, level with it.
enum class LabelSide { kRight, kLeft };

// A dimension between two points, its line and ticks moved 10 pixels right of or below them, and
// its label beside the line.
void DrawLabelledDimension(CDC& dc, int x1, int y1, int x2, int y2, const wchar_t* label, LabelSide side)
{
    DrawDimension(&dc, x1, y1, x2, y2, L"", 0);
    const CSize extent = dc.GetTextExtent(label);
    const bool horizontal = y1 == y2;
    const int lineX1 = horizontal ? x1 : x1 + 10;
    const int lineX2 = horizontal ? x2 : x2 + 10;
    const int lineY = horizontal ? y1 + 10 : (y1 + y2) / 2;
    const int x = side == LabelSide::kRight ? std::max(lineX1, lineX2) + 6 : std::min(lineX1, lineX2) - 6 - extent.cx;
    dc.TextOut(x, lineY - extent.cy / 2, label);
}

// The section in the left part of the picture, as tall as the picture lets it be.
Section LeftSection(const CRect& client, int widthShare)
{
    const int height = client.Height() - 40;
    const int width = std::min(client.Width() * widthShare / 100, height * 3 / 4);
    const CRect outline(client.left + 40, client.top + 20, client.left + 40 + width, client.top + 20 + height);
    return Section{outline, std::max(8, width / 10)};
}

// 136: the four covers, measured to the middle of the skeleton bars: top, bottom and side on
// the section, end on a piece of the elevation.
void PaintCovers(CDC& dc, const CRect& client)
{
    // Room under the section for the side cover's dimension and label.
    Section s = LeftSection(client, 35);
    s.outline.bottom -= 8;
    DrawSection(dc, s, 4, 2);
    const CRect in = s.Stirrup();
    DrawLabelledDimension(dc, s.outline.right + 14, s.outline.top, s.outline.right + 14, in.top + 4, L"顶板",
                          LabelSide::kRight);
    DrawLabelledDimension(dc, s.outline.right + 14, in.bottom - 4, s.outline.right + 14, s.outline.bottom, L"底板",
                          LabelSide::kRight);
    DrawLabelledDimension(dc, s.outline.left, s.outline.bottom + 4, in.left + 4, s.outline.bottom + 4, L"侧面",
                          LabelSide::kLeft);
    // The end of the elevation with its end cover.
    const CRect end(s.outline.right + 110, s.outline.top, client.right - 20, s.outline.bottom);
    CPen outline(PS_SOLID, 1, kSketchOutline);
    CPen bars(PS_SOLID, 2, kSketchBar);
    CPen* oldPen = dc.SelectObject(&outline);
    dc.MoveTo(end.left, end.top);
    dc.LineTo(end.right, end.top);
    dc.LineTo(end.right, end.bottom);
    dc.LineTo(end.left, end.bottom);
    dc.SelectObject(&bars);
    const int barEnd = end.right - s.cover;
    dc.MoveTo(end.left, in.top + 4);
    dc.LineTo(barEnd, in.top + 4);
    dc.LineTo(barEnd, in.bottom - 4);
    dc.LineTo(end.left, in.bottom - 4);
    dc.SelectObject(oldPen);
    DrawLabelledDimension(dc, barEnd, end.bottom + 4, end.right, end.bottom + 4, L"端部", LabelSide::kLeft);
}

// 139: which bars each grade and diameter belongs to.
void PaintGrades(CDC& dc, const CRect& client)
{
    const Section s = LeftSection(client, 40);
    DrawSection(dc, s, 5, 3);
    const CRect in = s.Stirrup();
    CPen bars(PS_SOLID, 1, kSketchBar);
    CBrush fill(kSketchBar);
    CPen* oldPen = dc.SelectObject(&bars);
    CBrush* oldBrush = dc.SelectObject(&fill);
    // The strengthening bars, a row inside each skeleton row.
    DrawBarRow(dc, in.left + 4 + in.Width() / 5, in.right - 4 - in.Width() / 5, in.top + 12, 2);
    DrawBarRow(dc, in.left + 4 + in.Width() / 5, in.right - 4 - in.Width() / 5, in.bottom - 12, 2);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
    const int tx = s.outline.right + 30;
    DrawCallout(dc, in.right - 4, in.top + 4, tx, s.outline.top + 4, L"骨架钢筋");
    DrawCallout(dc, in.right - 4 - in.Width() / 5, in.top + 12, tx, s.outline.top + 26, L"顶板加强钢筋");
    DrawCallout(dc, in.right - 4, in.top + 4 + (in.Height() - 8) / 4, tx, s.outline.top + 48 + in.Height() / 8,
                L"侧面钢筋");
    DrawCallout(dc, in.right, in.CenterPoint().y + in.Height() / 8, tx, in.CenterPoint().y + in.Height() / 8 + 8,
                L"断面箍筋");
    DrawCallout(dc, in.right - 4 - in.Width() / 5, in.bottom - 12, tx, s.outline.bottom - 10, L"底板加强钢筋");
}

// 140: a bar bent down in the section plane and one bent down in a skew plane, and the bar
// columns of the section counted across it.
void PaintBendAndColumns(CDC& dc, const CRect& client)
{
    const int h = client.Height() - 30;
    const int half = client.Width() / 2;
    CPen outline(PS_SOLID, 1, kSketchOutline);
    CPen bars(PS_SOLID, 2, kSketchBar);
    CPen* oldPen = dc.SelectObject(&outline);
    // Two short pieces of elevation, each with a bent-down bar.
    for (int i = 0; i < 2; ++i) {
        const int left = client.left + 10 + i * (half / 2);
        const int right = left + half / 2 - 20;
        const int top = client.top + 10;
        dc.SelectObject(&outline);
        DrawBox(dc, CRect(left, top, right, top + h / 2));
        dc.SelectObject(&bars);
        const int drop = i == 0 ? 0 : (right - left) / 5;
        dc.MoveTo(left + 4, top + 6);
        dc.LineTo(left + (right - left) / 3, top + 6);
        dc.LineTo(left + (right - left) * 2 / 3 - drop, top + h / 2 - 6);
        dc.LineTo(right - 4, top + h / 2 - 6);
        dc.TextOut(left, top + h / 2 + 6, i == 0 ? L"正截面下弯" : L"斜截面下弯");
    }
    // The section with its bar columns numbered.
    const int columns = 6;
    const CRect sectionBox(client.left + half + 20, client.top + 10, client.right - 20, client.top + 10 + h * 2 / 3);
    DrawSection(dc, Section{sectionBox, 10}, columns, 0);
    const CRect in = Section{sectionBox, 10}.Stirrup();
    for (int i = 0; i < columns; ++i) {
        const int x = in.left + 4 + (in.Width() - 8) * i / (columns - 1);
        CString number;
        number.Format(L"%d", i + 1);
        dc.TextOut(x - 4, sectionBox.bottom + 4, number);
    }
    dc.SelectObject(oldPen);
    dc.TextOut(sectionBox.left, sectionBox.bottom + 24, L"钢筋排数 = 6");
}

// 146: the side bars between the skeleton rows, their spacings from the top down, and the
// skeleton height they share.
void PaintSideBars(CDC& dc, const CRect& client)
{
    const Section s = LeftSection(client, 30);
    const int sideBars = 5;
    DrawSection(dc, s, 4, sideBars);
    const CRect in = s.Stirrup();
    const int x = s.outline.right + 20;
    int y = in.top + 4;
    for (int i = 1; i <= sideBars + 1; ++i) {
        const int next = in.top + 4 + (in.Height() - 8) * i / (sideBars + 1);
        DrawLabelledDimension(dc, x, y, x, next, L"间距", LabelSide::kRight);
        y = next;
    }
    DrawLabelledDimension(dc, x + 70, in.top + 4, x + 70, in.bottom - 4, L"骨架高度", LabelSide::kRight);
    DrawDimension(&dc, s.outline.left - 6, s.outline.top, s.outline.left - 6, in.top + 4, L"", 1);
    DrawDimension(&dc, s.outline.left - 6, in.bottom - 4, s.outline.left - 6, s.outline.bottom, L"", 1);
    dc.TextOut(x + 160, in.top, L"间距表达式从上到下：");
    dc.TextOut(x + 160, in.top + 22, L"1*17+5*15+1*17");
    dc.TextOut(x + 160, in.top + 44, L"（不含保护层）");
}

// 1125: the sign in front of a note.
void PaintNoteSign(CDC& dc, const CRect& client)
{
    CPen ring(PS_SOLID, 2, RGB(0, 64, 160));
    CBrush fill(RGB(40, 110, 220));
    CPen* oldPen = dc.SelectObject(&ring);
    CBrush* oldBrush = dc.SelectObject(&fill);
    const int d = std::min(client.Width(), client.Height()) - 2;
    dc.Ellipse(client.left + 1, client.top + 1, client.left + 1 + d, client.top + 1 + d);
    dc.SetTextColor(RGB(255, 255, 255));
    CRect box(client.left + 1, client.top + 1, client.left + 1 + d, client.top + 1 + d);
    dc.DrawText(L"i", &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

} // namespace

void PaintFormPicture(CDC& dc, const CRect& client, UINT nPicture)
{
    if (nPicture == 1125) {
        PaintNoteSign(dc, client);
        return;
    }
    dc.FillSolidRect(client, kSketchBackground);
    CSketchFonts fonts(nullptr);
    CFont* oldFont = dc.SelectObject(fonts.Normal());
    CPen dimension(PS_SOLID, 1, kSketchDimension);
    CPen* oldPen = dc.SelectObject(&dimension);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kSketchDimension);
    switch (nPicture) {
    case 136: PaintCovers(dc, client); break;
    case 139: PaintGrades(dc, client); break;
    case 140: PaintBendAndColumns(dc, client); break;
    case 146: PaintSideBars(dc, client); break;
    default: break;
    }
    dc.SelectObject(oldPen);
    dc.SelectObject(oldFont);
}
