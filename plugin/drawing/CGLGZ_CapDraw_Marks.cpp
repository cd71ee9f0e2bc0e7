// Bar number marks along the lines of an elevation-type view, and the callout of a bar group in
// a detail: the annotations that tell every drawn bar by its number.
#include "CGLGZ_CapDraw.h"

#include "AcDbText.h"
#include "DrawingConstants.h"
#include "MavUtils.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSlopeTolerance = 1e-6;
constexpr double kLeaderLeg = 5.0;
constexpr double kShelfRoom = 2.0;
constexpr double kShelfGap = 0.25;

using Lines = CArray<LineInfo, const LineInfo&>;

// Which fields of the bar group record carry the flag that names the length by the mark ("L"
// + mark, a length of the size table) and the mean length of its bars.
int LengthLabelFlag(const CHLGZ_SteelCode& record) { return record.nFurther; }
double MeanLength(const CHLGZ_SteelCode& record) { return record.dAverageLength; }

// Writes the marks of one face through the drawing's label texts. A mark that may be clipped is
// left out at or right of the view's middle when the view is drawn clipped there; a bar without
// a number (never grouped) gets no mark.
class MarkWriter {
public:
    MarkWriter(CGLGZ_CapDraw& draw, double middle, double bendAngle, int collect)
        : m_draw(draw)
        , m_middle(middle)
        , m_theta(bendAngle)
        , m_collect(collect)
    {
    }

    void Write(const AcGePoint3d& at, const CString& number, int below, double angle, bool clippable)
    {
        if (number.IsEmpty() || Clipped(at, clippable))
            return;
        CString text;
        text.Format(L"N%s", number.GetString());
        AcDbObjectId id;
        m_draw.AddLabelText(id, at, text, below, angle, m_collect);
    }

    // How the marks of one bar go over the spans: moved the shift leftward between supports,
    // mapped through a placement, companions primed at a rise over every mark that may be
    // clipped, and whether the first mark of a single support may be clipped.
    struct SpanMarks {
        double shift = 0.0;
        const AcGeMatrix3d* placement = nullptr;
        double primedRise = 0.0;
        bool clipFirst = false;
    };

    // A bar's marks over a view's spans at the given heights: one in each outer span for a
    // single support, else one in each span between two supports.
    template <class SpanHeight>
    void WriteSpans(const Lines& lines, bool starts, double firstY, double secondY, SpanHeight spanY,
        const SpanMarks& how, const CString& number, int below)
    {
        const int k = static_cast<int>(lines.GetSize()) - 4;
        auto x = [&](int i) { return starts ? lines[i].start.x : lines[i].end.x; };
        if (k == 1) {
            WriteSpan(AcGePoint3d((x(0) + x(4)) / 2.0, firstY, 0.0), how, number, below, how.clipFirst);
            WriteSpan(AcGePoint3d((x(4) + x(1)) / 2.0, secondY, 0.0), how, number, below, true);
            return;
        }
        for (int i = 5; k >= 2 && i <= k + 3; ++i)
            WriteSpan(AcGePoint3d((x(i - 1) + x(i)) / 2.0 - how.shift, spanY(i - 1), 0.0), how, number, below, true);
    }

    void WriteSpan(AcGePoint3d at, const SpanMarks& how, const CString& number, int below, bool clippable)
    {
        if (how.placement != nullptr)
            at.transformBy(*how.placement);
        // A span whose middle is the view's cut (an even number of supports drawn half) keeps
        // its mark, moved wholly into the drawn half: the bar is marked nowhere else.
        if (clippable && m_draw.m_bClipAtMiddle && std::fabs(at.x - m_middle) < kOnMiddle)
            at.x = m_middle - HalfWidth(number);
        Write(at, number, below, 0.0, clippable);
        if (!clippable || how.primedRise <= 0.0 || Clipped(at, clippable) || number.IsEmpty())
            return;
        Write(AcGePoint3d(at.x, at.y + how.primedRise, 0.0), number + L"'", below, 0.0, clippable);
    }

    // Half the width of the mark "N" + number as the label texts write it.
    double HalfWidth(const CString& number) const
    {
        return (number.GetLength() + 1) * m_draw.m_dLabelHeight * m_draw.m_dWidthFactor / 2.0;
    }

    bool Clipped(const AcGePoint3d& at, bool clippable) const
    {
        return clippable && m_draw.m_bClipAtMiddle && at.x >= m_middle;
    }

    // The sloped inner segments of a bent-up bar: at the bend angle, neither the first nor the
    // last segment. The mark turns by the bend angle less a quarter turn, the other way when the
    // segment rises to the right.
    void WriteBentUp(const AcGePoint3dArray& points, const CString& number)
    {
        const double slope = std::tan(m_theta);
        for (int j = 1; j + 3 <= points.length(); ++j) {
            const AcGePoint3d& a = points[j];
            const AcGePoint3d& b = points[j + 1];
            const double dx = b.x - a.x;
            const double dy = b.y - a.y;
            if (dx == 0.0 || dy == 0.0 || std::fabs(std::fabs(dy) / std::fabs(dx) - slope) >= kSlopeTolerance)
                continue;
            const AcGePoint3d& upper = a.y > b.y ? a : b;
            const AcGePoint3d& lower = a.y > b.y ? b : a;
            const double turn = m_theta - kQuarterTurn;
            const double angle = upper.x > lower.x ? -turn : turn;
            Write(AcGePoint3d((a.x + b.x) / 2.0, (a.y + b.y) / 2.0, 0.0), number, 0, angle, true);
        }
    }

private:
    CGLGZ_CapDraw& m_draw;
    double m_middle;
    double m_theta;
    int m_collect;
};

// The y of a bar's first point; a bar without points has no height to mark at.
bool BarHeight(const CHLGZ_BASSteel& bar, double& y)
{
    if (bar.GetFirstPoints().isEmpty())
        return false;
    y = bar.GetFirstPoints().first().y;
    return true;
}

AcDbText* NewCalloutText(const CString& text, AcDbObjectId style, double height, double widthFactor,
    AcDb::TextHorzMode horizontal, AcDb::TextVertMode vertical)
{
    auto* pText = new AcDbText(AcGePoint3d::kOrigin, text, style, height, 0.0);
    pText->setWidthFactor(widthFactor);
    pText->setHorizontalMode(horizontal);
    pText->setVerticalMode(vertical);
    return pText;
}

double TextWidth(const AcDbText* pText)
{
    AcDbExtents extents;
    if (pText->getGeomExtents(extents) != Acad::eOk)
        return 0.0;
    return extents.maxPoint().x - extents.minPoint().x;
}

// The text aligned at the point and appended; a text model space refused is freed.
AcDbObjectId PlaceText(AcDbText* pText, const AcGePoint3d& at)
{
    pText->setAlignmentPoint(at);
    pText->setPosition(at);
    AcDbObjectId id;
    if (AppendToModelSpace(pText, id))
        pText->close();
    else
        delete pText;
    return id;
}

} // namespace

void CGLGZ_CapDraw::DrawBarMarks(const Lines& lines, const CHLGZ_FaceInfo& face, int collect)
{
    DrawBarMarks(lines, face, collect, BarMarkStyle());
}

void CGLGZ_CapDraw::DrawBarMarks(const Lines& lines, const CHLGZ_FaceInfo& face, int collect, const BarMarkStyle& style)
{
    // Without the outline lines there is no middle and no span to mark.
    if (lines.GetSize() < 4)
        return;
    MavUtils::configureSortents();
    // The middle where the view is cut, placed as the bars are.
    AcGePoint3d centre((lines[2].end.x + lines[3].end.x) / 2.0, 0.0, 0.0);
    centre.transformBy(style.placement);
    const double middle = centre.x;
    const double theta = m_pDesign->GetMoreInfo().GetBendAngle() * kPi / 180.0;
    const double lower = m_pDesign->GetTopCover() / m_dScale;
    MarkWriter marks(*this, middle, theta, collect);
    const int k = static_cast<int>(lines.GetSize()) - 4;
    const double topY = k >= 1 ? lines[4].start.y : 0.0;
    const double bottomY = k >= 1 ? lines[4].end.y : 0.0;
    MarkWriter::SpanMarks plates;
    plates.shift = style.plateShift;
    plates.placement = &style.placement;
    plates.clipFirst = false;
    MarkWriter::SpanMarks topPlates = plates;
    topPlates.primedRise = style.primedRise;
    MarkWriter::SpanMarks straight;
    straight.clipFirst = style.clipFirstStraight != 0;
    // 1. Top-plate bars; the second mark of a single support lowered under line 1 or taken at
    // line 4's height.
    const double secondTopY = style.secondTopFromEndLine ? lines[1].start.y - lower : topY;
    marks.WriteSpans(lines, true, lines[0].start.y - lower, secondTopY,
        [&](int i) { return lines[i].start.y - lower; }, topPlates, face.GetLTLSteel().GetFirstMarkText(), 1);
    // 2. Bottom-plate bars.
    marks.WriteSpans(lines, false, bottomY, bottomY, [&](int i) { return lines[i].end.y; }, plates,
        face.GetLBLSteel().GetFirstMarkText(), 1);
    // 3. - 4. Straight bars over the whole elevation, at their own heights.
    double y = 0.0;
    for (int i = 0; i < face.GetLUPSteels().GetSize(); ++i) {
        const CHLGZ_LUPSteel& bar = face.GetLUPSteels()[i];
        if (BarHeight(bar, y))
            marks.WriteSpans(lines, true, y, y, [&](int) { return y; }, straight, bar.GetFirstMarkText(), 1);
    }
    for (int i = 0; i < face.GetLUMSteels().GetSize(); ++i) {
        const CHLGZ_LUMSteel& bar = face.GetLUMSteels()[i];
        if (BarHeight(bar, y))
            marks.WriteSpans(lines, false, y, y, [&](int) { return y; }, straight, bar.GetFirstMarkText(), 0);
    }
    // 5. Bent-up bars over the whole elevation.
    for (int i = 0; i < face.GetLUTSteels().GetSize(); ++i)
        marks.WriteBentUp(face.GetLUTSteels()[i].GetFirstPoints(), face.GetLUTSteels()[i].GetFirstMarkText());
    for (int i = 0; i < face.GetLUBSteels().GetSize(); ++i)
        marks.WriteBentUp(face.GetLUBSteels()[i].GetFirstPoints(), face.GetLUBSteels()[i].GetFirstMarkText());
    // 6. The bars of each support.
    const double aside = 1.5 * m_dWidthFactor * m_dLabelHeight;
    for (int s = 0; s < face.GetSupports().GetSize(); ++s) {
        const CHLGZ_PoleInfo& support = face.GetSupports()[s];
        const int tops = static_cast<int>(support.GetLPPSteels().GetSize());
        for (int i = 0; i < tops; ++i) {
            const CHLGZ_LPPSteel& bar = support.GetLPPSteels()[i];
            const AcGePoint3dArray& pts = bar.GetFirstPoints();
            if (pts.isEmpty())
                continue;
            const bool greater = i < tops / 2;
            const AcGePoint3d& at = (pts.last().x > pts.first().x) == greater ? pts.last() : pts.first();
            marks.Write(at, bar.GetFirstMarkText(), 1, 0.0, true);
        }
        for (int i = 0; i < support.GetLPMSteels().GetSize(); ++i) {
            const CHLGZ_LPMSteel& bar = support.GetLPMSteels()[i];
            const AcGePoint3dArray& pts = bar.GetFirstPoints();
            if (pts.isEmpty())
                continue;
            const AcGePoint3d at(
                (pts.first().x + pts.last().x) / 2.0 + aside, (pts.first().y + pts.last().y) / 2.0, 0.0);
            marks.Write(at, bar.GetFirstMarkText(), 0, 0.0, true);
        }
        for (int i = 0; i < support.GetLPTSteels().GetSize(); ++i) {
            const CHLGZ_LPTSteel& bar = support.GetLPTSteels()[i];
            marks.WriteBentUp(bar.GetFirstPoints(), bar.GetFirstMarkText());
            marks.WriteBentUp(bar.GetSecondPoints(), bar.GetSecondMarkText());
        }
        for (int i = 0; i < support.GetLPBSteels().GetSize(); ++i)
            marks.WriteBentUp(support.GetLPBSteels()[i].GetFirstPoints(), support.GetLPBSteels()[i].GetFirstMarkText());
    }
    // 7. The masks behind the marks show no frames.
    MavUtils::wipeoutFrameOff();
}

CString CGLGZ_CapDraw::CalloutLengthText(const CHLGZ_SteelCode& record) const
{
    CString text;
    if (std::fabs(record.dMaxLength - record.dMinLength) < 1e-6)
        text.Format(L"%.0f", MeanLength(record) * 100.0);
    else if (LengthLabelFlag(record) != 0)
        text.Format(L"L%s", record.FormatMark().GetString());
    else
        text.Format(L"平均%.0f", MeanLength(record) * 100.0);
    return text;
}

int CGLGZ_CapDraw::DrawBarCallout(const AcGePoint3d& point, CHLGZ_SteelCode* record, int left)
{
    if (record == nullptr)
        return 0;
    const double s = left ? -1.0 : 1.0;
    // 1. - 3. Length, bars (count, grade, diameter) and number texts.
    const CString length = CalloutLengthText(*record);
    CString bars;
    bars.Format(L"%d%s%d", record->nCount, record->nBarType == 1 ? L"&" : L"^", record->nDiameter);
    CString number;
    number.Format(L"%d", record->nNumber);
    for (int i = 0; i < record->nPrimed; ++i)
        number += L"'";
    // 4. The three texts in the label style.
    AcDbObjectId style;
    CreateTextStyle(L"DM", 0.0, 0.0, style);
    AcDbText* pLength
        = NewCalloutText(length, style, m_dLabelHeight, m_dWidthFactor, AcDb::kTextCenter, AcDb::kTextTop);
    AcDbText* pBars
        = NewCalloutText(bars, style, m_dLabelHeight, m_dWidthFactor, AcDb::kTextCenter, AcDb::kTextBottom);
    AcDbText* pNumber = NewCalloutText(number, style, m_dLabelHeight, m_dWidthFactor, AcDb::kTextMid, AcDb::kTextBase);
    // 5. The shelf is as long as the wider text.
    MavUtils::selectLayer(L"08-标注");
    const double wide = std::max(TextWidth(pLength), TextWidth(pBars));
    // 6. - 7. Leader and shelf.
    const AcGePoint3d k(point.x + kLeaderLeg * s, point.y + kLeaderLeg, 0.0);
    const AcGePoint3d e(k.x + s * (wide + kShelfRoom), k.y, 0.0);
    AcDbObjectId leaderId;
    AcDbObjectId shelfId;
    DrawLine(point, k, &leaderId);
    DrawLine(k, e, &shelfId);
    // 8. Length under the shelf, the bars over it.
    const AcGePoint3d m = MidPoint(k, e);
    const AcDbObjectId lengthId = PlaceText(pLength, AcGePoint3d(m.x, m.y - kShelfGap, 0.0));
    const AcDbObjectId barsId = PlaceText(pBars, AcGePoint3d(m.x, m.y + kShelfGap, 0.0));
    // 9. The number in its circle beyond the shelf's end.
    const AcGePoint3d o(e.x + s * m_dMarkRadius, e.y, 0.0);
    const AcDbObjectId numberId = PlaceText(pNumber, o);
    AcDbObjectId circleId;
    DrawCircle(o, m_dMarkRadius, &circleId);
    // 10. Everything belongs to the record.
    for (const AcDbObjectId& id : { leaderId, shelfId, lengthId, barsId, numberId, circleId })
        record->aEntityIds.append(id);
    LabelGroup group;
    for (const AcDbObjectId& id : { shelfId, lengthId, barsId, numberId, circleId })
        group.ids.append(id);
    group.leader = leaderId;
    m_labelGroups.push_back(group);
    return 1;
}
