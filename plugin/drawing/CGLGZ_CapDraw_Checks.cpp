// The corrections and checks both drawings make before the first view: supports and section
// codes, the strengthening report, skeleton column spacings and side bars, and the final cut of
// a half drawing at the cap's middle.
#include "CGLGZ_CapDraw.h"

#include "BarColumnCodes.h"
#include "NumericHelpers.h"
#include "RebarRules.h"
#include "WinUser.h"
#include "aced.h"
#include "acut.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The cut labels "Ⅱ" to "Ⅹ" name at most nine column sections.
constexpr int kMaxSections = 9;
constexpr double kSameLength = 1e-6;
// Side-bar spacings that miss the side height by more than this are reported.
constexpr double kSideBarMismatch = 2.0;

// The order of a section code along the cap: a support k at k, the span after it at k + 0.5.
double SectionKey(int code, int supports)
{
    return code <= supports ? code : (code - supports) + 0.5;
}

double FirstOrZero(const AcGeDoubleArray* distances)
{
    return distances != nullptr && !distances->isEmpty() ? (*distances)[0] : 0.0;
}

void ClipFirst(const CHLGZ_BASSteel& bar, double x)
{
    CGLGZ_CapDraw::ClipPolylineAtX(bar.GetFirstId(), x);
}

template <class BAR>
void ClipList(const CArray<BAR, const BAR&>& bars, double x)
{
    for (INT_PTR i = 0; i < bars.GetSize(); ++i)
        ClipFirst(bars[i], x);
}

} // namespace

int CGLGZ_CapDraw::NormalizeSupports()
{
    AcGeDoubleArray& distances = *m_pSupports;
    const int n = distances.length();
    // 1. Equal spans between the columns, the implicit last one included.
    if (m_nSupportCode != 0 && n > 2) {
        const CBent_BasicGeometry& g = *m_pGeometry;
        const double e = (g.dLength - g.dLeftWidth - g.dRightWidth - distances[0] - distances[n - 1]) / (n - 1);
        for (int i = 1; i < n - 1; ++i)
            distances[i] = e;
    }
    // 2. A section not given lies at the middle of the cap.
    AcGeIntArray& sections = m_pDesign->GetSectionPositions();
    for (int i = 0; i < sections.length(); ++i) {
        if (sections[i] == 0) {
            sections[i] = n % 2 == 1 ? n / 2 + 1 : n / 2 + n;
            break;
        }
    }
    // 3. Sections in their order along the cap.
    for (int i = 0; i < sections.length(); ++i)
        for (int j = i + 1; j < sections.length(); ++j)
            if (SectionKey(sections[j], n) < SectionKey(sections[i], n))
                std::swap(sections[i], sections[j]);
    return 1;
}

int CGLGZ_CapDraw::CheckSectionPositions()
{
    const AcGeIntArray& sections = m_pDesign->GetSectionPositions();
    const int n = m_pSupports != nullptr ? m_pSupports->length() : 0;
    CString fault;
    if (sections.length() > kMaxSections) {
        fault = L"剖面位置数量超过9个，无法输出盖梁图！";
    } else if (n > 0) {
        // Without supports no code has a place; the support check refuses that design itself.
        for (int i = 0; i < sections.length() && fault.IsEmpty(); ++i)
            if (sections[i] < 0 || sections[i] >= 2 * n)
                fault.Format(L"剖面位置%d超出支座范围，无法输出盖梁图！", sections[i]);
    }
    if (fault.IsEmpty())
        return 1;
    MessageBox(adsw_acadMainWnd(), fault, L"断面位置错误", MB_OK | MB_ICONINFORMATION);
    return 0;
}

// Which design value is which: the distance form and the distance are those of the edge
// column's outer side; the edge-column-top, middle-column-top and mid-span-bottom lengths are
// the edge column's inner-side, the middle columns' and the mid-span distances.
void CGLGZ_CapDraw::ReportStrengtheningBars()
{
    CHLGZ_ExtendSteel& steel = m_pDesign->GetExtendSteel();
    const CBent_BasicGeometry& g = *m_pGeometry;
    // 1. A distance measured from the left end of the cap.
    if (steel.GetEdgeOuterForm() == 2) {
        if (m_bConvertMeasuredDistance) {
            // Read before the support check: a design without supports takes the first as 0.
            steel.SetEdgeOuterForm(1);
            steel.SetEdgeOuterDistance(g.dLeftWidth + FirstOrZero(m_pSupports) - steel.GetEdgeOuterDistance());
        } else {
            steel.SetEdgeOuterForm(0);
        }
    }
    // 2. The middle columns' top bars are those of the edge columns.
    const double distance = steel.GetEdgeOuterDistance();
    const double edge = steel.GetEdgeInnerDistance();
    const double middle = steel.GetMiddlePierDistance();
    const double bottom = steel.GetMidSpanDistance();
    const bool sameAsEdge = IsEqualTol(g.dLeftAngle, g.dRightAngle, kSameLength)
        && (IsEqualTol(g.dLeftAngle, 90.0, kSameLength) || steel.GetEdgeOuterForm() == 0)
        && IsEqualTol(edge, distance, kSameLength) && IsEqualTol(edge, middle, kSameLength);
    steel.SetSameAsEdgeSwitch(sameAsEdge ? 1 : 0);
    // 3. The most layers any column asks for at each place.
    int edgeLayers = 0;
    int middleLayers = 0;
    int bottomLayers = 0;
    for (int i = 0; i < steel.GetCodeCount(); ++i) {
        const int code = steel.GetCodeAt(i);
        edgeLayers = std::max(edgeLayers, GetCodeDigit(code, TRUE));
        middleLayers = std::max(middleLayers, GetCodeDigit(code, FALSE));
        bottomLayers = std::max(bottomLayers, GetCodeUnits(code));
    }
    steel.SetEdgeTopSwitch(0);
    steel.SetMiddleTopSwitch(0);
    steel.SetBottomSwitch(0);
    m_nStrengtheningMode = 0;
    // 4. Mid-span bottom.
    if (bottom > 0.0 && bottomLayers > 0) {
        m_nStrengtheningMode = 1;
        steel.SetBottomSwitch(1);
    }
    // 5. Edge-column top.
    if (edge > 0.0 && edgeLayers > 0) {
        ++m_nStrengtheningMode;
        steel.SetEdgeTopSwitch(1);
    }
    // 6. Middle-column top, one group with the edge columns' when they are the same.
    if (m_pSupports != nullptr && m_pSupports->length() > 2 && middle > 0.0 && middleLayers > 0) {
        steel.SetMiddleTopSwitch(1);
        if (!(steel.GetEdgeTopSwitch() && sameAsEdge))
            ++m_nStrengtheningMode;
    }
    // 7. The report line.
    const bool allSame = steel.GetEdgeTopSwitch() && steel.GetMiddleTopSwitch() && sameAsEdge;
    acutPrintf(L"加强钢筋设置:边柱顶%s,中柱顶%s,跨中底%s,%s\n", steel.GetEdgeTopSwitch() ? L"有" : L"无",
        steel.GetMiddleTopSwitch() ? L"有" : L"无", steel.GetBottomSwitch() ? L"有" : L"无",
        allSame ? L"顶板边中柱相同" : L"");
}

void CGLGZ_CapDraw::CheckSideBarSpacing()
{
    const CBent_BasicGeometry& g = *m_pGeometry;
    CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    const int m = m_pDesign->GetMainFace().GetBarColumnCount();
    // 1. Skeleton column spacings: the design's, else equal over the width inside the covers.
    m_dSkeletonSpacings.removeAll();
    if (!more.GetSkeletonSpacings().isEmpty()) {
        m_dSkeletonSpacings.append(more.GetSkeletonSpacings());
    } else if (m > 1) {
        const double spacing = (g.dWidth - 2.0 * m_pDesign->GetSideCover()) / (m - 1);
        for (int i = 0; i < m - 1; ++i)
            m_dSkeletonSpacings.append(spacing);
    }
    // 2. The columns some bar of the main face lies in; their strengthening codes are void.
    CStringArray texts;
    CollectColumnTexts(texts, 1);
    m_bSkeletonColumn.removeAll();
    for (int i = 0; i < m; ++i) {
        int occupied = 0;
        for (INT_PTR t = 0; t < texts.GetSize() && !occupied; ++t)
            occupied = i < texts[t].GetLength() && texts[t][i] == L'1';
        m_bSkeletonColumn.append(occupied);
    }
    CHLGZ_ExtendSteel& steel = m_pDesign->GetExtendSteel();
    steel.ClearFlaggedEntries(m_bSkeletonColumn);
    // 3. A distance from the bar end starts behind the skeleton bar and the end cover.
    if (steel.GetEdgeOuterForm() == 1) {
        const double outer = GetRebarOuterDiameter(more.GetSkeletonDiameter(), more.GetSkeletonBarType());
        steel.SetEdgeOuterDistance(std::max(0.0, steel.GetEdgeOuterDistance() - (outer + m_pDesign->GetEndCover())));
    }
    // 4. Side bars over the height inside the top and bottom covers.
    const double h = g.dMiddleHeight - m_pDesign->GetTopCover() - m_pDesign->GetBottomCover();
    AcGeDoubleArray& spacings = more.GetSideSpacings();
    if (!spacings.isEmpty()) {
        double rest = h;
        for (int i = 0; i < spacings.length(); ++i)
            rest -= spacings[i];
        if (std::fabs(rest) > kSideBarMismatch)
            acutPrintf(L"侧面钢筋间距错误，系统尝试自动修正！\n");
        return;
    }
    // A nominal spacing of 0 or less would give no finite count: the side is one space then.
    const double nominal = more.GetSideBarSpacing();
    const double count = nominal > 0.0 ? std::trunc(h / nominal) : 1.0;
    const int n = count >= 1.0 ? static_cast<int>(count) : 1;
    for (int i = 0; i < n; ++i)
        spacings.append(h / n);
}

int CGLGZ_CapDraw::CollectColumnTexts(CStringArray& texts, int part)
{
    CHLGZ_FaceInfo& face = part == 1 ? m_pDesign->GetMainFace() : m_pDesign->GetEndFace();
    texts.RemoveAll();
    for (const CHLGZ_BASSteel* bar : BarsInNumberingOrder(face))
        texts.Add(bar->GetColumnText());
    return static_cast<int>(texts.GetSize());
}

int CGLGZ_CapDraw::ClipViewAtMiddle(CHLGZ_FaceInfo& face, const CArray<LineInfo, const LineInfo&>& lines)
{
    m_drawnItems.BeginItem(L"");
    if (!m_bHalfDrawing)
        return 0;
    // Without both end faces there is no middle to cut at.
    if (lines.GetSize() <= 3)
        return 1;
    const double x = (lines[2].end.x + lines[3].end.x) / 2.0;
    ClipFirst(face.GetLTLSteel(), x);
    ClipFirst(face.GetLBLSteel(), x);
    ClipList(face.GetLUPSteels(), x);
    ClipList(face.GetLUMSteels(), x);
    ClipList(face.GetLUTSteels(), x);
    ClipList(face.GetLUBSteels(), x);
    CArray<CHLGZ_PoleInfo, const CHLGZ_PoleInfo&>& supports = face.GetSupports();
    // With an even number of supports the middle lies in the span after support n / 2 - 1,
    // whose bottom bars and right branches reach past it.
    for (INT_PTR s = (supports.GetSize() - 1) / 2; s < supports.GetSize(); ++s) {
        const CHLGZ_PoleInfo& support = supports[s];
        ClipList(support.GetLPPSteels(), x);
        ClipList(support.GetLPMSteels(), x);
        for (INT_PTR i = 0; i < support.GetLPTSteels().GetSize(); ++i) {
            ClipFirst(support.GetLPTSteels()[i], x);
            ClipPolylineAtX(support.GetLPTSteels()[i].GetSecondId(), x);
        }
        ClipList(support.GetLPBSteels(), x);
    }
    return 1;
}
