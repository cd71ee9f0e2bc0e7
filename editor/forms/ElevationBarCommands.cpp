#include "ElevationBarCommands.h"

#include "EditorMessageBoxes.h"

#include <cmath>
#include <utility>

namespace {

const double kAbsent = 99999.0;

bool IsAbsent(double value) { return std::fabs(value - kAbsent) < 1e-6; }

// The support of a pier view; null for a pier the main face does not hold.
CBent_PoleInfo* SupportOf(CBent_PierInfo& design, int nPier)
{
    auto& supports = design.GetMainFace().GetSupports();
    return nPier >= 0 && nPier < supports.GetSize() ? &supports[nPier] : nullptr;
}

// Exchange sort: bar j moves before bar i when it belongs there.
template <class Bar, class Before>
void ExchangeSort(CArray<Bar, const Bar&>& bars, Before before)
{
    for (INT_PTR i = 0; i + 1 < bars.GetSize(); ++i)
        for (INT_PTR j = i + 1; j < bars.GetSize(); ++j)
            if (before(bars[j], bars[i]))
                std::swap(bars[i], bars[j]);
}

template <class Bar, class Key>
void SortByKey(CArray<Bar, const Bar&>& bars, Key key)
{
    ExchangeSort(bars, [key](const Bar& later, const Bar& earlier) { return key(later) < key(earlier); });
}

// An upper bent-up bar of a support without a left distance is placed by the right distances.
bool UpperSupportBarBefore(const CBent_LPTSteel& later, const CBent_LPTSteel& earlier)
{
    if (IsAbsent(later.GetLeftAxisDistance()) || IsAbsent(earlier.GetLeftAxisDistance()))
        return !IsAbsent(later.GetRightAxisDistance()) && !IsAbsent(earlier.GetRightAxisDistance())
               && earlier.GetRightAxisDistance() > later.GetRightAxisDistance();
    return later.GetLeftAxisDistance() < earlier.GetLeftAxisDistance();
}

template <class Bar>
double FirstLeftAxis(const Bar& bar)
{
    return bar.GetColumnListSize() > 0 ? bar.GetLeftAxisDistanceAt(0) : 0.0;
}

template <class Bar>
void AppendBar(CArray<Bar, const Bar&>& bars, Bar fresh)
{
    if (bars.GetSize() > 0)
        fresh = bars[bars.GetSize() - 1];
    bars.Add(fresh);
}

BOOL RefuseLocked(const CBent_PierInfo& design, ElevationBarView view, HWND owner)
{
    if (!IsLockedPier(design, view.nPier))
        return FALSE;
    ShowInformation(L"对称情况下，本墩柱不能进行钢筋添加、修改、删除、排序操作！", L"不能操作", owner);
    return TRUE;
}

template <class Bar>
int RemoveBar(CArray<Bar, const Bar&>& bars, int nBar)
{
    if (nBar < 0 || nBar >= bars.GetSize())
        return 0;
    bars.RemoveAt(nBar);
    return 1;
}

} // namespace

int PierCount(const CBent_PierInfo& design) { return static_cast<int>(design.GetSupportDistances().GetSize()); }

ElevationBarView ElevationBarViewOf(int nCategoryCode)
{
    return ElevationBarView{(nCategoryCode % 100) / 10 - 1, nCategoryCode % 10};
}

BOOL IsLockedPier(const CBent_PierInfo& design, int nPier)
{
    if (nPier < 0 || !design.GetBarSkeletonSymmetric())
        return FALSE;
    const int n = PierCount(design);
    return n % 2 ? nPier > n / 2 : nPier >= n / 2;
}

int ElevationBarCount(const CBent_PierInfo& design, ElevationBarView view)
{
    const CBent_FaceInfo& face = design.GetMainFace();
    if (view.nPier < 0) {
        switch (view.nKind) {
        case 1: return static_cast<int>(face.GetLUPSteels().GetSize());
        case 2: return static_cast<int>(face.GetLUMSteels().GetSize());
        case 3: return static_cast<int>(face.GetLUTSteels().GetSize());
        case 4: return static_cast<int>(face.GetLUBSteels().GetSize());
        default: return 0;
        }
    }
    if (view.nPier >= face.GetSupports().GetSize())
        return 0;
    const CBent_PoleInfo& support = face.GetSupports()[view.nPier];
    switch (view.nKind) {
    case 1: return static_cast<int>(support.GetLPPSteels().GetSize());
    case 2: return static_cast<int>(support.GetLPMSteels().GetSize());
    case 3: return static_cast<int>(support.GetLPTSteels().GetSize());
    case 4: return static_cast<int>(support.GetLPBSteels().GetSize());
    default: return 0;
    }
}

int AddElevationBar(CBent_PierInfo& design, ElevationBarView view, HWND owner)
{
    if (RefuseLocked(design, view, owner))
        return 0;
    CBent_FaceInfo& face = design.GetMainFace();
    const int n = PierCount(design);
    if (view.nPier < 0) {
        switch (view.nKind) {
        case 1: AppendBar(face.GetLUPSteels(), CBent_LUPSteel()); return 1;
        case 2: AppendBar(face.GetLUMSteels(), CBent_LUMSteel()); return 1;
        case 3: {
            CBent_LUTSteel bar;
            bar.ResizeColumnLists(n);
            AppendBar(face.GetLUTSteels(), bar);
            return 1;
        }
        case 4: {
            CBent_LUBSteel bar;
            bar.SetBendDownParameter(0);
            bar.ResizeColumnLists(n);
            AppendBar(face.GetLUBSteels(), bar);
            return 1;
        }
        default: return 0;
        }
    }
    CBent_PoleInfo* support = SupportOf(design, view.nPier);
    if (!support)
        return 0;
    switch (view.nKind) {
    case 1: AppendBar(support->GetLPPSteels(), CBent_LPPSteel()); return 1;
    case 2: AppendBar(support->GetLPMSteels(), CBent_LPMSteel()); return 1;
    case 3: AppendBar(support->GetLPTSteels(), CBent_LPTSteel()); return 1;
    case 4: {
        CBent_LPBSteel bar;
        bar.SetBendDownParameter(0);
        AppendBar(support->GetLPBSteels(), bar);
        return 1;
    }
    default: return 0;
    }
}

int DeleteElevationBar(CBent_PierInfo& design, ElevationBarView view, int nBar, HWND owner)
{
    if (RefuseLocked(design, view, owner) || nBar < 0 || nBar >= ElevationBarCount(design, view))
        return 0;
    CString question;
    question.Format(L"删除的钢筋无法恢复，确实需要删除钢筋N%d吗？", nBar + 1);
    if (!AskYesNo(question, L"确认删除", owner))
        return 0;
    CBent_FaceInfo& face = design.GetMainFace();
    if (view.nPier < 0) {
        switch (view.nKind) {
        case 1: return RemoveBar(face.GetLUPSteels(), nBar);
        case 2: return RemoveBar(face.GetLUMSteels(), nBar);
        case 3: return RemoveBar(face.GetLUTSteels(), nBar);
        case 4: return RemoveBar(face.GetLUBSteels(), nBar);
        default: return 0;
        }
    }
    CBent_PoleInfo& support = *SupportOf(design, view.nPier);
    switch (view.nKind) {
    case 1: return RemoveBar(support.GetLPPSteels(), nBar);
    case 2: return RemoveBar(support.GetLPMSteels(), nBar);
    case 3: return RemoveBar(support.GetLPTSteels(), nBar);
    case 4: return RemoveBar(support.GetLPBSteels(), nBar);
    default: return 0;
    }
}

int SortElevationBars(CBent_PierInfo& design, ElevationBarView view, HWND owner)
{
    if (RefuseLocked(design, view, owner))
        return 0;
    CBent_FaceInfo& face = design.GetMainFace();
    if (view.nPier < 0) {
        switch (view.nKind) {
        case 1: SortByKey(face.GetLUPSteels(), [](const CBent_LUPSteel& b) { return b.GetLeftDistance(); }); break;
        case 3: SortByKey(face.GetLUTSteels(), FirstLeftAxis<CBent_LUTSteel>); break;
        case 4: SortByKey(face.GetLUBSteels(), FirstLeftAxis<CBent_LUBSteel>); break;
        default: break;  // the bottom straight bars keep their order
        }
        return 1;
    }
    CBent_PoleInfo* support = SupportOf(design, view.nPier);
    if (!support)
        return 0;
    switch (view.nKind) {
    case 1: SortByKey(support->GetLPPSteels(), [](const CBent_LPPSteel& b) { return b.GetLeftDistance(); }); break;
    case 2: SortByKey(support->GetLPMSteels(), [](const CBent_LPMSteel& b) { return b.GetLeftDistance(); }); break;
    case 3: ExchangeSort(support->GetLPTSteels(), UpperSupportBarBefore); break;
    case 4: SortByKey(support->GetLPBSteels(), [](const CBent_LPBSteel& b) { return b.GetLeftAxisDistance(); }); break;
    default: break;
    }
    return 1;
}
