// The bar marks of the skew-section drawing: one skeleton kind, so the bars of the main face
// and of an L-shaped section's end face are grouped by their part, their length or their
// shape; the marks count their bars over the columns they occupy.
#include "CGLGZ_BtDraw.h"

#include "AcDbPolyline.h"
#include "AcDbServices.h"

#include <cmath>
#include <vector>

namespace {

constexpr double kSameLength = 0.000001;
constexpr double kSegmentTolerance = 0.001;

// One drawn polyline of a bar: its first (whole, or left branch) or its second (right branch).
struct DrawnBranch {
    CHLGZ_BASSteel* bar = nullptr;
    bool second = false;

    AcDbObjectId Id() const { return second ? bar->GetSecondId() : bar->GetFirstId(); }
    const AcGePoint3dArray& Points() const { return second ? bar->GetSecondPoints() : bar->GetFirstPoints(); }
    CString Text() const { return second ? bar->GetSecondMarkText() : bar->GetFirstMarkText(); }
    bool Unmarked() const { return Text().IsEmpty() && CGLGZ_CapDraw::GetPolylineLength(Id()) > 0.0; }
};

// Collects the bars of one mark at a time; a mark that received no bar takes no number. A
// primed mark shares the number of the mark before it.
class MarkCollector {
public:
    explicit MarkCollector(CGLGZ_BtDraw& draw)
        : m_draw(draw)
    {
        Open();
    }

    void Add(const DrawnBranch& branch)
    {
        m_mark.aTags.append(branch.second ? -branch.bar->GetTag() : branch.bar->GetTag());
        if (branch.second)
            branch.bar->SetSecondMarkText(m_mark.FormatMark());
        else
            branch.bar->SetFirstMarkText(m_mark.FormatMark());
    }
    void Add(CHLGZ_BASSteel& bar) { Add(DrawnBranch { &bar, false }); }

    // The next mark takes the number of the last one, with a prime.
    void Prime()
    {
        m_mark.nNumber = m_last;
        m_mark.nPrimed = 1;
    }

    void Close()
    {
        if (!m_mark.aTags.isEmpty()) {
            m_mark.nBarType = m_draw.m_pDesign->GetMoreInfo().GetSkeletonBarType();
            m_draw.m_steelCodes.Add(m_mark);
            m_last = m_mark.nNumber;
        }
        Open();
    }

private:
    void Open()
    {
        m_mark.Reset();
        m_mark.nNumber = m_last + 1;
    }

    CGLGZ_BtDraw& m_draw;
    CHLGZ_SteelCode m_mark;
    int m_last = 0;
};

template <class Bar>
void AppendBranches(std::vector<DrawnBranch>& branches, CArray<Bar, const Bar&>& bars, bool both)
{
    for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
        branches.push_back({ &bars[i], false });
        if (both)
            branches.push_back({ &bars[i], true });
    }
}

// The first unmarked drawn branch is the reference; every unmarked one that is the same as it
// joins its mark; until none is left.
template <class Same>
void GroupBy(MarkCollector& marks, const std::vector<DrawnBranch>& branches, Same same)
{
    for (;;) {
        const DrawnBranch* reference = nullptr;
        for (const DrawnBranch& branch : branches)
            if (reference == nullptr && branch.Unmarked())
                reference = &branch;
        if (reference == nullptr)
            return;
        marks.Add(*reference);
        for (const DrawnBranch& branch : branches)
            if (branch.Unmarked() && same(*reference, branch))
                marks.Add(branch);
        marks.Close();
    }
}

// 5. The straight bars by the length of their polylines.
bool SameLength(const DrawnBranch& a, const DrawnBranch& b)
{
    return std::fabs(CGLGZ_CapDraw::GetPolylineLength(a.Id()) - CGLGZ_CapDraw::GetPolylineLength(b.Id()))
        <= kSameLength;
}

// 6. The bent-up bars by their shapes, mirrored or read backwards.
bool SameShape(const DrawnBranch& a, const DrawnBranch& b)
{
    return CGLGZ_CapDraw::IsSameShape(a.Points(), b.Points()) != 0;
}

} // namespace

double CGLGZ_BtDraw::GetPolylineLength(AcDbObjectId id, int mode, double units) const
{
    if (mode == 0)
        return CGLGZ_CapDraw::GetPolylineLength(id);
    AcDbPolyline* polyline = nullptr;
    if (id.isNull() || acdbOpenObject(polyline, id, AcDb::kForRead, true) != Acad::eOk)
        return 0.0;
    // Each segment long enough counts in whole 1/u units; a short one as it is.
    const double least = units > 0.0 ? m_dFurtherReal / units - kSegmentTolerance : 0.0;
    double total = 0.0;
    double end = 0.0;
    double from = 0.0;
    if (polyline->getEndParam(end) == Acad::eOk && polyline->getDistAtParam(0.0, from) == Acad::eOk) {
        for (int i = 1; i <= static_cast<int>(std::lround(end)); ++i) {
            double to = from;
            if (polyline->getDistAtParam(i, to) != Acad::eOk)
                break;
            const double segment = to - from;
            if (units > 0.0 && segment >= least)
                total += static_cast<int>(segment * units + 0.5) / units;
            else
                total += segment;
            from = to;
        }
    }
    polyline->close();
    return total;
}

void CGLGZ_BtDraw::GroupBarShapes()
{
    // 0. An empty list; the faces grouped (the end face only for an L-shaped section) with the
    // mark texts of an earlier grouping forgotten.
    m_steelCodes.RemoveAll();
    std::vector<CHLGZ_FaceInfo*> faces = { &m_pDesign->GetMainFace() };
    if (m_pGeometry->nSectionForm != 0)
        faces.push_back(&m_pDesign->GetEndFace());
    for (CHLGZ_FaceInfo* face : faces)
        for (CHLGZ_BASSteel* bar : BarsInNumberingOrder(*face)) {
            bar->SetFirstMarkText(L"");
            bar->SetSecondMarkText(L"");
        }
    CHLGZ_FaceInfo& main = *faces.front();
    MarkCollector marks(*this);
    // 1. The top-plate bars of every face in one mark.
    for (CHLGZ_FaceInfo* face : faces)
        marks.Add(face->GetLTLSteel());
    marks.Close();
    // 2. The bottom-plate bar; the end face's one is its primed twin.
    marks.Add(main.GetLBLSteel());
    marks.Close();
    if (faces.size() > 1) {
        marks.Prime();
        marks.Add(faces[1]->GetLBLSteel());
        marks.Close();
    }
    // 3. The top straight bars of every face in one mark, then the bottom ones.
    for (CHLGZ_FaceInfo* face : faces)
        for (INT_PTR i = 0; i < face->GetLUPSteels().GetSize(); ++i)
            marks.Add(face->GetLUPSteels()[i]);
    marks.Close();
    for (CHLGZ_FaceInfo* face : faces)
        for (INT_PTR i = 0; i < face->GetLUMSteels().GetSize(); ++i)
            marks.Add(face->GetLUMSteels()[i]);
    marks.Close();
    // 4. A mark each upper bent-up bar, the main face's first, then each lower one.
    for (CHLGZ_FaceInfo* face : faces)
        for (INT_PTR i = 0; i < face->GetLUTSteels().GetSize(); ++i) {
            marks.Add(face->GetLUTSteels()[i]);
            marks.Close();
        }
    for (CHLGZ_FaceInfo* face : faces)
        for (INT_PTR i = 0; i < face->GetLUBSteels().GetSize(); ++i) {
            marks.Add(face->GetLUBSteels()[i]);
            marks.Close();
        }
    // 5. - 6. The bars at the supports over the faces, the main face's first: straight bars by
    // length, top bars first; bent-up bars by the shape of each drawn branch, upper bars first.
    std::vector<DrawnBranch> branches[4];
    for (CHLGZ_FaceInfo* face : faces)
        for (INT_PTR j = 0; j < face->GetSupports().GetSize(); ++j) {
            CHLGZ_PoleInfo& support = face->GetSupports()[j];
            AppendBranches(branches[0], support.GetLPPSteels(), false);
            AppendBranches(branches[1], support.GetLPMSteels(), false);
            AppendBranches(branches[2], support.GetLPTSteels(), true);
            AppendBranches(branches[3], support.GetLPBSteels(), false);
        }
    GroupBy(marks, branches[0], SameLength);
    GroupBy(marks, branches[1], SameLength);
    GroupBy(marks, branches[2], SameShape);
    GroupBy(marks, branches[3], SameShape);
    // The marks' bars counted over their columns, with their lengths.
    ComputeCodeLengths();
    // 7. The closing marks; the index of the first of them is kept.
    AppendClosingMarks();
}
