// The bar marks of the normal-section drawing: the bars that play one part in every skeleton
// kind, or that have one length or one shape, share a mark; each mark counts its bars once per
// skeleton column of their kind, with their lengths for the quantity table.
#include "CGLGZ_EtDraw.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// A bar end still to be grouped across the kinds.
const wchar_t* const kPending = L"AAAAA";
constexpr double kSameLength = 0.000001;
constexpr double kUniform = 0.001;

// Which part of a bar at a support a mark takes: the whole bar (its first polyline and what
// follows it), its left branch (first polyline) or its right branch (second polyline).
enum class Part { Whole, Left, Right };

// The bar lists of a support.
enum class List { Upper, Lower, Top, Bottom };

// One end of a bar at a support, found in any kind by support, list and number.
struct EndSlot {
    int support;
    List list;
    int tag;
    Part part;
};

CString TextOf(const CHLGZ_BASSteel& bar, Part part)
{
    return part == Part::Right ? bar.GetSecondMarkText() : bar.GetFirstMarkText();
}

void SetTextOf(CHLGZ_BASSteel& bar, Part part, const CString& text)
{
    if (part == Part::Right)
        bar.SetSecondMarkText(text);
    else
        bar.SetFirstMarkText(text);
}

const AcGePoint3dArray& PointsOf(const CHLGZ_BASSteel& bar, Part part)
{
    return part == Part::Right ? bar.GetSecondPoints() : bar.GetFirstPoints();
}

AcDbObjectId IdOf(const CHLGZ_BASSteel& bar, Part part)
{
    return part == Part::Right ? bar.GetSecondId() : bar.GetFirstId();
}

template <class Bar>
CHLGZ_BASSteel* FindByTag(CArray<Bar, const Bar&>& bars, int tag)
{
    for (INT_PTR i = 0; i < bars.GetSize(); ++i)
        if (bars[i].GetTag() == tag)
            return &bars[i];
    return nullptr;
}

template <class Bar>
CHLGZ_BASSteel* EntryAt(CArray<Bar, const Bar&>& bars, INT_PTR i)
{
    return i >= 0 && i < bars.GetSize() ? &bars[i] : nullptr;
}

// The ends of the bent-up bars of one support in grouping order: each upper bar whole when it
// runs on over the support, else its left and right branch; then each lower bar whole; on
// request the straight bars after them.
std::vector<EndSlot> SupportEnds(CHLGZ_FaceInfo& face, int j, bool straight = false)
{
    std::vector<EndSlot> ends;
    if (j < 0 || j >= face.GetSupports().GetSize())
        return ends;
    CHLGZ_PoleInfo& support = face.GetSupports()[j];
    for (INT_PTR b = 0; b < support.GetLPTSteels().GetSize(); ++b) {
        const CHLGZ_LPTSteel& bar = support.GetLPTSteels()[b];
        if (bar.GetConnectFlag()) {
            ends.push_back({ j, List::Upper, bar.GetTag(), Part::Whole });
        } else {
            ends.push_back({ j, List::Upper, bar.GetTag(), Part::Left });
            ends.push_back({ j, List::Upper, bar.GetTag(), Part::Right });
        }
    }
    for (INT_PTR b = 0; b < support.GetLPBSteels().GetSize(); ++b)
        ends.push_back({ j, List::Lower, support.GetLPBSteels()[b].GetTag(), Part::Whole });
    for (INT_PTR b = 0; straight && b < support.GetLPPSteels().GetSize(); ++b)
        ends.push_back({ j, List::Top, support.GetLPPSteels()[b].GetTag(), Part::Whole });
    for (INT_PTR b = 0; straight && b < support.GetLPMSteels().GetSize(); ++b)
        ends.push_back({ j, List::Bottom, support.GetLPMSteels()[b].GetTag(), Part::Whole });
    return ends;
}

CHLGZ_BASSteel* Resolve(CHLGZ_FaceInfo& face, const EndSlot& slot)
{
    if (slot.support < 0 || slot.support >= face.GetSupports().GetSize())
        return nullptr;
    CHLGZ_PoleInfo& support = face.GetSupports()[slot.support];
    switch (slot.list) {
    case List::Upper:
        return FindByTag(support.GetLPTSteels(), slot.tag);
    case List::Lower:
        return FindByTag(support.GetLPBSteels(), slot.tag);
    case List::Top:
        return FindByTag(support.GetLPPSteels(), slot.tag);
    default:
        return FindByTag(support.GetLPMSteels(), slot.tag);
    }
}

// The end of an upper bar at an end support that faces the cap's end: a bar that stops at the
// last support ends there with its right branch.
bool IsOuterEnd(const EndSlot& slot, int last)
{
    if (slot.list != List::Upper || slot.part == Part::Whole)
        return true;
    return slot.part == (slot.support == last ? Part::Right : Part::Left);
}

// Collects the bars of one mark at a time: each added bar counts once per skeleton column of
// its kind and brings its length (metres); a mark that received no bar takes no number.
class MarkCollector {
public:
    MarkCollector(CGLGZ_EtDraw& draw, std::vector<int> multipliers)
        : m_draw(draw)
        , m_multipliers(std::move(multipliers))
    {
        Open();
    }

    int Number() const { return m_mark.nNumber; }
    bool Empty() const { return m_mark.aTags.isEmpty(); }

    // A bar of a kind: whole (both branches), its left or its right polyline.
    bool Add(int kind, CHLGZ_BASSteel* bar, Part part)
    {
        if (bar == nullptr)
            return false;
        const int n = std::max(1, kind < static_cast<int>(m_multipliers.size()) ? m_multipliers[kind] : 1);
        const int left = part == Part::Right ? 0 : 1;
        const int both = part == Part::Whole ? 1 : 0;
        if (!m_draw.AddBarToGroup(kind, n, m_mark, bar, left, both))
            return false;
        double length = 0.0;
        if (part != Part::Right)
            length += CGLGZ_CapDraw::GetPolylineLength(bar->GetFirstId());
        if (part != Part::Left)
            length += CGLGZ_CapDraw::GetPolylineLength(bar->GetSecondId());
        length *= m_draw.m_dScale / 1000.0;
        m_mark.aLengths.append(length);
        m_mark.AddLength(length);
        m_mark.dTotalLength += (n - 1) * length;
        return true;
    }

    // The mark, when it holds bars, appended with its grade, diameter, mean and fixed length and
    // the flag that names its length by the size table's row; the next mark opened.
    void Close()
    {
        if (!Empty()) {
            const CHLGZ_MoreInfo& more = m_draw.m_pDesign->GetMoreInfo();
            m_mark.nBarType = more.GetSkeletonBarType();
            m_mark.nDiameter = more.GetSkeletonDiameter();
            m_mark.dAverageLength = m_mark.nCount > 0 ? m_mark.dTotalLength / m_mark.nCount : 0.0;
            const bool x = CGLGZ_EtDraw::IsMarkUniform(m_mark, 0) != 0;
            const bool y = CGLGZ_EtDraw::IsMarkUniform(m_mark, 1) != 0;
            const AcGePoint3d& p = m_mark.aPoints.first();
            const double varying = ((x ? 0.0 : p.x) + (y ? 0.0 : p.y)) * m_draw.m_dScale / 1000.0;
            m_mark.dBaseLength = m_mark.aLengths.first() - varying;
            // A half drawing shows no size table to look the length up in.
            m_mark.nFurther = !CGLGZ_EtDraw::IsMarkUniform(m_mark, 2) && !m_draw.m_bHalfDrawing ? 1 : 0;
            m_draw.m_steelCodes.Add(m_mark);
            ++m_next;
        }
        Open();
    }

private:
    void Open()
    {
        m_mark.Reset();
        m_mark.nNumber = m_next;
    }

    CGLGZ_EtDraw& m_draw;
    std::vector<int> m_multipliers;
    CHLGZ_SteelCode m_mark;
    int m_next = 1;
};

// The grouping of one drawing: the kinds' faces and the collector of their marks.
class Grouping {
public:
    Grouping(CGLGZ_EtDraw& draw, std::vector<int> multipliers)
        : m_faces(draw.m_faces)
        , m_marks(draw, std::move(multipliers))
    {
    }

    int Kinds() const { return static_cast<int>(m_faces.GetSize()); }
    int Supports() const { return Kinds() > 0 ? static_cast<int>(m_faces[0].GetSupports().GetSize()) : 0; }

    // One bar of every kind, picked by the kind's face, into one mark.
    template <class Pick>
    void OneMark(Pick pick)
    {
        for (int k = 0; k < Kinds(); ++k)
            m_marks.Add(k, pick(m_faces[k]), Part::Whole);
        m_marks.Close();
    }

    // 5. Straight bars at the supports (top or bottom) by equal length over the supports.
    template <class List>
    void GroupStraightBars(List list)
    {
        while (Kinds() > 0) {
            CHLGZ_BASSteel* reference = nullptr;
            for (int j = 0; j < Supports() && reference == nullptr; ++j)
                for (INT_PTR b = 0; b < list(m_faces[0], j).GetSize() && reference == nullptr; ++b)
                    if (Unmarked(list(m_faces[0], j)[b]))
                        reference = &list(m_faces[0], j)[b];
            if (reference == nullptr)
                return;
            const double length = CGLGZ_CapDraw::GetPolylineLength(reference->GetFirstId());
            for (int j = 0; j < Supports(); ++j)
                for (INT_PTR b = 0; b < list(m_faces[0], j).GetSize(); ++b) {
                    CHLGZ_BASSteel& bar = list(m_faces[0], j)[b];
                    if (&bar != reference
                        && (!Unmarked(bar)
                            || std::fabs(CGLGZ_CapDraw::GetPolylineLength(bar.GetFirstId()) - length) > kSameLength))
                        continue;
                    for (int k = 0; k < Kinds(); ++k)
                        if (j < m_faces[k].GetSupports().GetSize())
                            m_marks.Add(k, EntryAt(list(m_faces[k], j), b), Part::Whole);
                }
            const bool added = !m_marks.Empty();
            m_marks.Close();
            if (!added)
                return;
        }
    }

    // 6. The bent-up bars at the supports by shape.
    void GroupBentUpBars(int leftKind, int rightKind)
    {
        const int last = Supports() - 1;
        if (last < 0)
            return;
        PreMark(last);
        for (int j : { 0, last })
            MarkSameOuterEnds(j, last);
        GroupPendingEnds();
        for (const auto& [j, kind] : { std::pair<int, int>(0, leftKind), std::pair<int, int>(last, rightKind) })
            MarkOuterEndsAlone(j, last, kind);
        MarkRemainingEnds();
    }

private:
    static bool Unmarked(const CHLGZ_BASSteel& bar)
    {
        return bar.GetFirstMarkText().IsEmpty() && CGLGZ_CapDraw::GetPolylineLength(bar.GetFirstId()) > 0.0;
    }

    // Every bar end to be grouped by shape reads "AAAAA" in every kind: the inner branches of
    // the upper bars, the upper bars running over an inner support and every lower bar.
    void PreMark(int last)
    {
        for (int k = 0; k < Kinds(); ++k)
            for (int j = 0; j <= last; ++j)
                for (const EndSlot& slot : SupportEnds(m_faces[k], j)) {
                    bool pending = true;
                    if (slot.list == List::Upper && slot.part == Part::Whole)
                        pending = j > 0 && j < last;
                    else if (slot.part == Part::Left)
                        pending = j > 0;
                    else if (slot.part == Part::Right)
                        pending = j < last;
                    CHLGZ_BASSteel* bar = Resolve(m_faces[k], slot);
                    if (pending && bar != nullptr)
                        SetTextOf(*bar, slot.part, kPending);
                }
    }

    // An outer end at an end support whose shape is the same in every kind is grouped by shape.
    void MarkSameOuterEnds(int j, int last)
    {
        for (const EndSlot& slot : SupportEnds(m_faces[0], j)) {
            if (!IsOuterEnd(slot, last))
                continue;
            const CHLGZ_BASSteel* first = Resolve(m_faces[0], slot);
            bool same = first != nullptr;
            for (int k = 1; k < Kinds() && same; ++k) {
                const CHLGZ_BASSteel* bar = Resolve(m_faces[k], slot);
                same = bar != nullptr
                    && CGLGZ_CapDraw::IsSameShape(PointsOf(*first, slot.part), PointsOf(*bar, slot.part)) == 1;
            }
            for (int k = 0; k < Kinds() && same; ++k)
                SetTextOf(*Resolve(m_faces[k], slot), slot.part, kPending);
        }
    }

    std::vector<EndSlot> PendingEnds()
    {
        std::vector<EndSlot> pending;
        for (int j = 0; j < Supports(); ++j)
            for (const EndSlot& slot : SupportEnds(m_faces[0], j)) {
                const CHLGZ_BASSteel* bar = Resolve(m_faces[0], slot);
                if (bar != nullptr && TextOf(*bar, slot.part) == kPending)
                    pending.push_back(slot);
            }
        return pending;
    }

    // The first pending end and every pending end of its shape (mirrored or not) make a mark
    // with their namesakes in the other kinds, until no end is pending. The reference joins
    // its own mark even without a shape to compare, so that every pass settles one end at least.
    void GroupPendingEnds()
    {
        for (std::vector<EndSlot> pending = PendingEnds(); !pending.empty(); pending = PendingEnds()) {
            const EndSlot reference = pending.front();
            const AcGePoint3dArray shape = PointsOf(*Resolve(m_faces[0], reference), reference.part);
            for (const EndSlot& slot : pending) {
                CHLGZ_BASSteel* bar = Resolve(m_faces[0], slot);
                if (&slot != &pending.front() && CGLGZ_CapDraw::IsSameShape(shape, PointsOf(*bar, slot.part)) == 0)
                    continue;
                AddEverywhere(slot, true);
                if (TextOf(*bar, slot.part) == kPending)
                    SetTextOf(*bar, slot.part, L"");
            }
            m_marks.Close();
        }
    }

    // The end in every kind that has not been given a mark yet.
    void AddEverywhere(const EndSlot& slot, bool pendingToo)
    {
        for (int k = 0; k < Kinds(); ++k) {
            CHLGZ_BASSteel* bar = Resolve(m_faces[k], slot);
            if (bar == nullptr)
                continue;
            const CString text = TextOf(*bar, slot.part);
            if (text.IsEmpty() || (pendingToo && text == kPending))
                m_marks.Add(k, bar, slot.part);
        }
    }

    // The outer ends at an end support still unmarked in the kind standing at that end of the
    // cap: a mark each, upper bars first, with their namesakes in every kind.
    void MarkOuterEndsAlone(int j, int last, int kind)
    {
        if (kind < 0 || kind >= Kinds())
            kind = 0;
        for (List list : { List::Upper, List::Lower })
            for (const EndSlot& slot : SupportEnds(m_faces[kind], j)) {
                const CHLGZ_BASSteel* bar = Resolve(m_faces[kind], slot);
                if (slot.list != list || !IsOuterEnd(slot, last) || bar == nullptr
                    || !TextOf(*bar, slot.part).IsEmpty() || IdOf(*bar, slot.part).isNull())
                    continue;
                AddEverywhere(slot, false);
                m_marks.Close();
            }
    }

    // Drawn bars and branches at the supports that no step has marked (drawn in another kind
    // than the one the steps look at) still make marks, so that no bar is left out of the
    // quantities; placeholders of ends that were never drawn are cleared.
    void MarkRemainingEnds()
    {
        for (int k = 0; k < Kinds(); ++k)
            for (int j = 0; j < Supports(); ++j)
                for (const EndSlot& slot : SupportEnds(m_faces[k], j, true)) {
                    CHLGZ_BASSteel* bar = Resolve(m_faces[k], slot);
                    if (bar == nullptr)
                        continue;
                    if (TextOf(*bar, slot.part) == kPending)
                        SetTextOf(*bar, slot.part, L"");
                    if (!TextOf(*bar, slot.part).IsEmpty() || IdOf(*bar, slot.part).isNull())
                        continue;
                    AddEverywhere(slot, true);
                    m_marks.Close();
                }
    }

    CArray<CHLGZ_FaceInfo, const CHLGZ_FaceInfo&>& m_faces;
    MarkCollector m_marks;
};

} // namespace

int CGLGZ_EtDraw::IsMarkUniform(const CHLGZ_SteelCode& mark, int part)
{
    if (mark.aPoints.isEmpty())
        return 1;
    auto value = [part](const AcGePoint3d& p) { return part == 0 ? p.x : part == 1 ? p.y : p.x + p.y; };
    const double first = value(mark.aPoints.first());
    for (const AcGePoint3d& p : mark.aPoints) {
        const double v = value(p);
        if (std::fabs(v) >= kUniform && std::fabs(v - first) >= kUniform)
            return 0;
    }
    return 1;
}

void CGLGZ_EtDraw::CopyMarksToMainFace()
{
    if (m_faces.IsEmpty())
        return;
    CHLGZ_FaceInfo& shown = m_faces[m_nSkeleton >= 0 && m_nSkeleton < m_faces.GetSize() ? m_nSkeleton : 0];
    for (CHLGZ_BASSteel* bar : BarsInNumberingOrder(m_pDesign->GetMainFace())) {
        const CHLGZ_BASSteel* source = FindFaceBar(bar->GetTag(), shown);
        bar->SetFirstMarkText(source != nullptr ? source->GetFirstMarkText() : CString());
        bar->SetSecondMarkText(source != nullptr ? source->GetSecondMarkText() : CString());
    }
}

void CGLGZ_EtDraw::GroupBarShapes()
{
    // 1. An empty list; earlier mark texts of the kinds' bars forgotten; the number of
    // skeleton columns of every kind.
    m_steelCodes.RemoveAll();
    std::vector<int> multipliers(static_cast<size_t>(m_faces.GetSize()), 0);
    for (int kind : m_nColumnKinds)
        if (kind >= 0 && kind < static_cast<int>(multipliers.size()))
            ++multipliers[static_cast<size_t>(kind)];
    for (INT_PTR k = 0; k < m_faces.GetSize(); ++k)
        for (CHLGZ_BASSteel* bar : BarsInNumberingOrder(m_faces[k])) {
            bar->SetFirstMarkText(L"");
            bar->SetSecondMarkText(L"");
        }
    Grouping grouping(*this, multipliers);
    // 2. - 3. The top-plate and the bottom-plate bars.
    grouping.OneMark([](CHLGZ_FaceInfo& f) { return &f.GetLTLSteel(); });
    grouping.OneMark([](CHLGZ_FaceInfo& f) { return &f.GetLBLSteel(); });
    // 4. The bars of the whole elevation, entry by entry of the main face.
    CHLGZ_FaceInfo& main = m_pDesign->GetMainFace();
    for (INT_PTR i = 0; i < main.GetLUPSteels().GetSize(); ++i)
        grouping.OneMark([i](CHLGZ_FaceInfo& f) { return EntryAt(f.GetLUPSteels(), i); });
    for (INT_PTR i = 0; i < main.GetLUMSteels().GetSize(); ++i)
        grouping.OneMark([i](CHLGZ_FaceInfo& f) { return EntryAt(f.GetLUMSteels(), i); });
    for (INT_PTR i = 0; i < main.GetLUTSteels().GetSize(); ++i)
        grouping.OneMark([i](CHLGZ_FaceInfo& f) { return EntryAt(f.GetLUTSteels(), i); });
    for (INT_PTR i = 0; i < main.GetLUBSteels().GetSize(); ++i)
        grouping.OneMark([i](CHLGZ_FaceInfo& f) { return EntryAt(f.GetLUBSteels(), i); });
    // 5. Straight bars at the supports by length, top bars first.
    grouping.GroupStraightBars([](CHLGZ_FaceInfo& f, int j) -> auto& { return f.GetSupports()[j].GetLPPSteels(); });
    grouping.GroupStraightBars([](CHLGZ_FaceInfo& f, int j) -> auto& { return f.GetSupports()[j].GetLPMSteels(); });
    // 6. Bent-up bars at the supports by shape; the kinds standing at the cap's ends take the
    // outer ends that differ between the kinds.
    int leftKind = -1;
    int rightKind = -1;
    for (int kind : m_nColumnKinds) {
        if (kind < 0)
            continue;
        if (leftKind < 0)
            leftKind = kind;
        rightKind = kind;
    }
    grouping.GroupBentUpBars(leftKind, rightKind);
    // 7. The marks onto the main face's bars, and drawn in the elevation.
    if (!m_faces.IsEmpty()) {
        CopyMarksToMainFace();
        const int clip = m_bClipAtMiddle;
        m_bClipAtMiddle = m_bHalfDrawing;
        DrawBarMarks(m_lines, main, 1);
        m_bClipAtMiddle = clip;
    }
    // 8. The closing marks.
    AppendClosingMarks();
}
