// Labels that read apart: once the sheets are laid out, a text that covers one written before
// it moves the least distance along its own line (the segment or dimension line it reads
// along) that clears it; a callout moves whole along its leader, whose end follows. Texts keep
// their contents and their owners (a dimension's text stays the dimension's); titles and
// table cells stay where they are.
#include "CGLGZ_CapDraw.h"
#include "LabelPlacer.h"
#include "ShapePieces.h"

#include "AcDbBlockTableRecord.h"
#include "AcDbBlockTableRecordIterator.h"
#include "AcDbCircle.h"
#include "AcDbDatabase.h"
#include "AcDbDimension.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbLine.h"
#include "AcDbMText.h"
#include "AcDbPolyline.h"
#include "AcDbText.h"
#include "AcDbTextStyleTableRecord.h"
#include "AcGeLineSeg3d.h"
#include "AcGeMatrix3d.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cwctype>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace {

using Quad = LabelPlacer::Quad;

// How far a lone text may go along its line: twice its length and a few label heights.
constexpr double kTextReachLengths = 2.0;
constexpr double kTextReachExtra = 8.0;
// How far a callout may go out along its leader, in leader lengths, and the least leader left.
constexpr double kLeaderReach = 3.0;
constexpr double kShortestLeader = 1.0;
// A title's underlines: the lower one this far under its box, both overhanging it this far.
constexpr double kUnderlineDrop = 2.0;
constexpr double kUnderlineOverhang = 1.0;
// How far a dimension's text may stand off its line, over or under it, when its line has no
// room (a title may stand close over the line), in text heights.
constexpr double kOffLineRise = 4.0;
// Two labels whose reading directions differ by less than about a degree read the same way.
constexpr double kSameDirection = 0.9998;
// How far a lone text may step off its line when its line has no room, in text heights.
constexpr double kOffLineStep = 2.5;

// The box of a single-line or multiline text; none for any other entity.
std::optional<Quad> TextQuad(const AcDbEntity* e)
{
    if (AcDbText::cast(e) == nullptr && AcDbMText::cast(e) == nullptr)
        return std::nullopt;
    std::vector<std::unique_ptr<AcGeCurve3d>> curves;
    if (!e->getGeCurves(curves, false) || curves.size() != 4)
        return std::nullopt;
    Quad q;
    for (size_t i = 0; i < q.size(); ++i)
        q[i] = static_cast<const AcGeLineSeg3d*>(curves[i].get())->startPoint();
    return q;
}

// The square round a circle, which moves with the number in it.
Quad CircleQuad(const AcDbCircle* c)
{
    const AcGePoint3d o = c->center();
    const double r = c->radius();
    return { AcGePoint3d(o.x - r, o.y - r, 0.0), AcGePoint3d(o.x + r, o.y - r, 0.0), AcGePoint3d(o.x + r, o.y + r, 0.0),
        AcGePoint3d(o.x - r, o.y + r, 0.0) };
}

// The direction a text reads in: along its baseline.
AcGeVector3d ReadingDirection(const Quad& q)
{
    const AcGeVector3d d = q[1] - q[0];
    return d.length() > 1e-9 ? d / d.length() : AcGeVector3d(1.0, 0.0, 0.0);
}

std::wstring StyleName(AcDbObjectId styleId)
{
    AcDbTextStyleTableRecord* style = nullptr;
    if (acdbOpenObject(style, styleId, AcDb::kForRead) != Acad::eOk)
        return {};
    const ACHAR* name = nullptr;
    style->getName(name);
    std::wstring result = name != nullptr ? name : L"";
    style->close();
    return result;
}

// One thing that may move: its entities, the boxes of its texts (and circles), the line it
// moves along and how far either way; a dimension moves its text only, a callout stretches
// its leader.
struct Label {
    std::vector<AcDbObjectId> moved;
    AcDbObjectId dimension;
    AcDbObjectId leader;
    std::vector<Quad> boxes;
    // A lone text's string.
    std::wstring text;
    AcGeVector3d direction { 1.0, 0.0, 0.0 };
    double least = 0.0;
    double most = 0.0;
    // A label kept along a bar's piece may, as a last resort, go as far as a lone text may.
    bool bound = false;
    double reach = 0.0;
};

double Length(const Quad& q) { return q[0].distanceTo(q[1]); }

AcGePoint3d Middle(const Quad& q) { return q[0] + (q[2] - q[0]) / 2.0; }

std::wstring TextString(const AcDbEntity* e)
{
    if (const AcDbText* t = AcDbText::cast(e))
        return t->textStringConst();
    return {};
}

Label TextLabel(AcDbObjectId id, const Quad& q, std::wstring text)
{
    const double reach = kTextReachLengths * Length(q) + kTextReachExtra;
    return { { id }, {}, {}, { q }, std::move(text), ReadingDirection(q), -reach, reach };
}

// A straight piece of a bar, from a to b.
using Segment = ShapePiece;

// The straight pieces of the bars (lines and polylines of the bar layer).
void AddBarSegments(const AcDbEntity* e, std::vector<Segment>& out)
{
    const std::unique_ptr<ACHAR, decltype(&std::free)> layer(e->layer(), &std::free);
    if (layer == nullptr || std::wstring(layer.get()) != L"04-钢筋")
        return;
    if (const AcDbLine* line = AcDbLine::cast(e)) {
        out.push_back({ line->startPoint(), line->endPoint() });
    } else if (const AcDbPolyline* pl = AcDbPolyline::cast(e)) {
        const std::vector<Segment> pieces = StraightPiecesOf(*pl);
        out.insert(out.end(), pieces.begin(), pieces.end());
    }
}

// A length written along a bar's piece stays by that piece: its middle no further along than
// the piece reaches, the whole text within it where the piece is long enough to hold it.
void KeepAlongSegment(Label& label, const std::vector<Segment>& segments)
{
    // A length reads as a number (whole, halved or a range); a bar's mark is not held to a piece.
    if (label.text.empty() || (!std::iswdigit(label.text[0]) && label.text[0] != L'('))
        return;
    const Quad& q = label.boxes.front();
    const AcGePoint3d c = Middle(q);
    const AcGeVector3d d = label.direction;
    const double length = Length(q);
    const double height = q[0].distanceTo(q[3]);
    const AcGeVector3d normal(-d.y, d.x, 0.0);
    const Segment* best = nullptr;
    double bestDistance = height;
    for (const Segment& s : segments) {
        const AcGeVector3d along = s.b - s.a;
        if (std::fabs(along.x * d.y - along.y * d.x) > 0.02 * along.length())
            continue;
        const double away = std::fabs((c - s.a).dotProduct(normal));
        const double u0 = (s.a - c).dotProduct(d);
        const double u1 = (s.b - c).dotProduct(d);
        if (away < bestDistance && std::min(u0, u1) <= 0.0 && std::max(u0, u1) >= 0.0) {
            bestDistance = away;
            best = &s;
        }
    }
    if (best == nullptr)
        return;
    double lo = std::min((best->a - c).dotProduct(d), (best->b - c).dotProduct(d));
    double hi = std::max((best->a - c).dotProduct(d), (best->b - c).dotProduct(d));
    if (hi - lo >= length) {
        lo += length / 2.0;
        hi -= length / 2.0;
    }
    label.reach = label.most;
    label.bound = true;
    label.least = std::max(label.least, std::min(lo, 0.0));
    label.most = std::min(label.most, std::max(hi, 0.0));
}

// A text written a second time on itself, in the same direction, reads as one; moved, it
// would read as the label of something else. Two equal labels across each other (two bars of
// one mark crossing) are two labels.
bool Repeats(const Label& label, std::vector<Label>::const_iterator from, std::vector<Label>::const_iterator to)
{
    if (label.text.empty())
        return false;
    const Quad& q = label.boxes.front();
    const double height = q[0].distanceTo(q[3]);
    return std::any_of(from, to, [&](const Label& b) {
        return b.text == label.text && Middle(b.boxes.front()).distanceTo(Middle(q)) < height / 2.0
            && ReadingDirection(b.boxes.front()).dotProduct(ReadingDirection(q)) > kSameDirection;
    });
}

void Translate(AcDbObjectId id, const AcGeVector3d& by)
{
    AcDbEntity* e = nullptr;
    if (acdbOpenObject(e, id, AcDb::kForWrite) != Acad::eOk)
        return;
    e->transformBy(AcGeMatrix3d::translation(by));
    e->close();
}

// A dimension's text that found no room along its line stands out over or under it, a leader
// back to the line showing whose it is.
void MoveOffLine(const Label& label, const AcGeVector3d& by)
{
    AcDbDimension* dimension = nullptr;
    if (acdbOpenObject(dimension, label.dimension, AcDb::kForWrite) != Acad::eOk)
        return;
    dimension->setDimtmove(1);
    dimension->setTextPosition(dimension->textPosition() + by);
    dimension->close();
}

void Move(const Label& label, const AcGeVector3d& by)
{
    for (const AcDbObjectId& id : label.moved)
        Translate(id, by);
    AcDbLine* leader = nullptr;
    if (!label.leader.isNull() && acdbOpenObject(leader, label.leader, AcDb::kForWrite) == Acad::eOk) {
        leader->setEndPoint(leader->endPoint() + by);
        leader->close();
    }
    AcDbDimension* dimension = nullptr;
    if (!label.dimension.isNull() && acdbOpenObject(dimension, label.dimension, AcDb::kForWrite) == Acad::eOk) {
        dimension->setTextPosition(dimension->textPosition() + by);
        dimension->close();
    }
}

// The texts of a dimension's block.
std::vector<Quad> DimensionTextQuads(const AcDbDimension* d)
{
    std::vector<Quad> quads;
    AcDbBlockTableRecord* block = nullptr;
    if (acdbOpenObject(block, d->dimBlockId(), AcDb::kForRead) != Acad::eOk)
        return quads;
    for (AcDbBlockTableRecordIterator it(block, true, true); !it.done(); it.step()) {
        AcDbEntity* e = nullptr;
        if (it.getEntity(e, AcDb::kForRead) != Acad::eOk)
            continue;
        if (const auto q = TextQuad(e))
            quads.push_back(*q);
        e->close();
    }
    block->close();
    return quads;
}

// Where the number of a mark stands: a circle's centre, the circle's radius.
struct MarkCircle {
    AcGePoint3d centre;
    double radius;
};

// A number in its circle keeps both where the view put them.
bool InCircle(const Quad& q, const std::vector<MarkCircle>& circles)
{
    return std::any_of(circles.begin(), circles.end(),
        [&](const MarkCircle& c) { return Middle(q).distanceTo(c.centre) < c.radius / 2.0; });
}

// A title: style "BT" at the title height.
bool IsTitle(const AcDbEntity* e, double titleHeight)
{
    const AcDbText* text = AcDbText::cast(e);
    return text != nullptr && StyleName(text->textStyle()) == L"BT" && std::fabs(text->height() - titleHeight) < 1e-6;
}

// A title keeps its underlines, a table cell ("YB") its cell.
bool IsFixedText(const AcDbEntity* e, double titleHeight)
{
    const AcDbText* text = AcDbText::cast(e);
    return text != nullptr && (StyleName(text->textStyle()) == L"YB" || IsTitle(e, titleHeight));
}

// What a level title covers: its box, and its two underlines under it, overhanging its ends.
Quad TitleFootprint(const Quad& q)
{
    Quad f = q;
    f[0] += AcGeVector3d(-kUnderlineOverhang, -kUnderlineDrop, 0.0);
    f[1] += AcGeVector3d(kUnderlineOverhang, -kUnderlineDrop, 0.0);
    f[2] += AcGeVector3d(kUnderlineOverhang, 0.0, 0.0);
    f[3] += AcGeVector3d(-kUnderlineOverhang, 0.0, 0.0);
    return f;
}

// A callout moves whole along its leader, out to a few leader lengths or back to a short one.
Label CalloutLabel(const AcDbObjectIdArray& ids, AcDbObjectId leaderId)
{
    Label label;
    label.leader = leaderId;
    for (const AcDbObjectId& id : ids) {
        AcDbEntity* e = nullptr;
        if (acdbOpenObject(e, id, AcDb::kForRead) != Acad::eOk)
            continue;
        label.moved.push_back(id);
        if (const auto q = TextQuad(e))
            label.boxes.push_back(*q);
        else if (const AcDbCircle* c = AcDbCircle::cast(e))
            label.boxes.push_back(CircleQuad(c));
        e->close();
    }
    AcDbLine* leader = nullptr;
    if (acdbOpenObject(leader, leaderId, AcDb::kForRead) == Acad::eOk) {
        const AcGeVector3d along = leader->endPoint() - leader->startPoint();
        leader->close();
        const double length = along.length();
        if (length > kShortestLeader) {
            label.direction = along / length;
            label.least = kShortestLeader - length;
            label.most = kLeaderReach * length;
        }
    }
    return label;
}

void Shift(Label& label, const AcGeVector3d& by)
{
    for (Quad& box : label.boxes)
        box = LabelPlacer::Shifted(box, by);
}

// The label moved the least distance along its line that clears the texts placed. Where its
// line has no room, a dimension's text stands over or under its line, a lone text steps off
// its line by little more than its height (a label of a bar's piece, that finds no room there
// either, goes along past the piece's end); a callout stays.
void MakeWay(const LabelPlacer& placer, Label& label)
{
    if (const auto shift = placer.FreeShift(label.boxes, label.direction, label.least, label.most)) {
        Move(label, label.direction * *shift);
        Shift(label, label.direction * *shift);
        return;
    }
    if (!label.leader.isNull())
        return;
    const Quad& q = label.boxes.front();
    const double height = q[0].distanceTo(q[3]);
    const AcGeVector3d up = (q[3] - q[0]) / height;
    if (!label.dimension.isNull()) {
        if (const auto rise = placer.FreeShift(label.boxes, up, -kOffLineRise * height, kOffLineRise * height)) {
            MoveOffLine(label, up * *rise);
            Shift(label, up * *rise);
        }
    } else if (const auto step = placer.FreeShift(label.boxes, up, -kOffLineStep * height, kOffLineStep * height)) {
        Move(label, up * *step);
        Shift(label, up * *step);
    } else if (label.bound) {
        // Past the end of its piece rather than on another text.
        Label along = label;
        along.bound = false;
        along.least = -label.reach, along.most = label.reach;
        MakeWay(placer, along);
        label.boxes = along.boxes;
    }
}

} // namespace

void CGLGZ_CapDraw::SpreadLabels()
{
    // 1. The model space's entities in the order they were drawn.
    std::vector<AcDbObjectId> ids;
    AcDbBlockTableRecord* space = nullptr;
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    if (acdbOpenObject(space, db->modelSpaceId(), AcDb::kForRead) != Acad::eOk)
        return;
    for (AcDbBlockTableRecordIterator it(space, true, true); !it.done(); it.step()) {
        AcDbObjectId id;
        it.getEntityId(id);
        ids.push_back(id);
    }
    space->close();
    std::map<AcDbObjectId, size_t> groupOf;
    for (size_t g = 0; g < m_labelGroups.size(); ++g)
        for (const AcDbObjectId& id : m_labelGroups[g].ids)
            groupOf[id] = g;
    // 2. The texts that stay (titles, table and grid cells, the numbers in the views' mark
    // circles) and the labels that may move.
    const std::set<AcDbObjectId> cells(m_idsCellTexts.begin(), m_idsCellTexts.end());
    std::vector<MarkCircle> circles;
    std::vector<Segment> segments;
    for (const AcDbObjectId& id : ids) {
        AcDbEntity* e = nullptr;
        if (groupOf.count(id) != 0 || acdbOpenObject(e, id, AcDb::kForRead) != Acad::eOk)
            continue;
        if (const AcDbCircle* circle = AcDbCircle::cast(e))
            circles.push_back({ circle->center(), circle->radius() });
        else
            AddBarSegments(e, segments);
        e->close();
    }
    LabelPlacer placer;
    std::vector<Label> labels;
    std::vector<bool> grouped(m_labelGroups.size(), false);
    for (const AcDbObjectId& id : ids) {
        if (const auto g = groupOf.find(id); g != groupOf.end()) {
            if (!grouped[g->second])
                labels.push_back(CalloutLabel(m_labelGroups[g->second].ids, m_labelGroups[g->second].leader));
            grouped[g->second] = true;
            continue;
        }
        AcDbEntity* e = nullptr;
        if (acdbOpenObject(e, id, AcDb::kForRead) != Acad::eOk)
            continue;
        if (const auto q = TextQuad(e)) {
            if (IsTitle(e, m_dTitleHeight))
                placer.Occupy(TitleFootprint(*q));
            else if (cells.count(id) != 0 || IsFixedText(e, m_dTitleHeight) || InCircle(*q, circles))
                placer.Occupy(*q);
            else {
                labels.push_back(TextLabel(id, *q, TextString(e)));
                KeepAlongSegment(labels.back(), segments);
            }
        } else if (const AcDbDimension* d = AcDbDimension::cast(e)) {
            Label label;
            label.dimension = id;
            label.boxes = DimensionTextQuads(d);
            if (!label.boxes.empty()) {
                const double reach = kTextReachLengths * Length(label.boxes.front()) + kTextReachExtra;
                label.direction = ReadingDirection(label.boxes.front());
                label.least = -reach, label.most = reach;
                labels.push_back(label);
            }
        }
        e->close();
    }
    // 3. Each label in its turn clears those before it, or stays where it is; the callouts go
    // first, so that the lengths written on the bars make way for them along the bars.
    std::stable_partition(labels.begin(), labels.end(), [](const Label& l) { return !l.leader.isNull(); });
    for (auto it = labels.begin(); it != labels.end(); ++it) {
        Label& label = *it;
        if (placer.Covers(label.boxes) && !Repeats(label, labels.cbegin(), it))
            MakeWay(placer, label);
        for (const Quad& box : label.boxes)
            placer.Occupy(box);
    }
}
