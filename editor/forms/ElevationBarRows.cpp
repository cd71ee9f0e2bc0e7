#include "ElevationBarRows.h"

#include "BarLengthText.h"
#include "LenientNumber.h"
#include "NumericField.h"
#include "NumericHelpers.h"

#include <cmath>

namespace {

const wchar_t* const kMirrored = L"M";
const wchar_t* const kArc = L"圆弧";

// A bar length as ParseBarLengthText takes it: "X", a number followed by "D", or a number.
BOOL IsBarLengthText(const CString& text)
{
    CString t = text;
    t.Trim();
    if (t == L"X" || t == L"x")
        return TRUE;
    const int n = t.GetLength();
    if (n > 0 && (t[n - 1] == L'D' || t[n - 1] == L'd'))
        t = t.Left(n - 1);
    return IsNumberText(t);
}

ElevationBarCell Number(double value) { return ElevationBarCell{FormatFixed(value, -7), FALSE, {}, IsNumberText}; }
ElevationBarCell Length(double value)
{
    return ElevationBarCell{FormatBarLengthText(value), FALSE, {}, IsBarLengthText};
}
ElevationBarCell Mirrored() { return ElevationBarCell{kMirrored, TRUE, {}}; }
ElevationBarCell Automatic() { return ElevationBarCell{L"自动", TRUE, {}}; }
ElevationBarCell BendType(int type) { return ElevationBarCell{type == 0 ? kArc : L"平直", FALSE, {kArc, L"平直"}}; }
ElevationBarCell Connected(int flag) { return ElevationBarCell{flag == 1 ? L"是" : L"否", FALSE, {L"否", L"是"}}; }

// Stores value into a field, telling whether it differed.
class Changes {
public:
    void Real(double& stored, double value)
    {
        if (std::fabs(stored - value) >= 1e-6)
            m_changed = 1;
        stored = value;
    }
    void Int(int& stored, int value)
    {
        if (stored != value)
            m_changed = 1;
        stored = value;
    }
    template <class Bar, class Get, class Set>
    void Real(Bar& bar, Get get, Set set, double value)
    {
        double stored = (bar.*get)();
        Real(stored, value);
        (bar.*set)(stored);
    }
    template <class Bar, class Get, class Set>
    void Int(Bar& bar, Get get, Set set, int value)
    {
        int stored = (bar.*get)();
        Int(stored, value);
        (bar.*set)(stored);
    }
    template <class Bar, class Get, class Set>
    void RealAt(Bar& bar, Get get, Set set, int i, double value)
    {
        double stored = (bar.*get)(i);
        Real(stored, value);
        (bar.*set)(i, stored);
    }
    int Result() const { return m_changed; }

private:
    int m_changed = 0;
};

double NumberOf(const std::vector<CString>& texts, std::size_t i)
{
    return i < texts.size() ? ReadLeadingReal(texts[i]) : 0.0;
}
const CString& TextOf(const std::vector<CString>& texts, std::size_t i)
{
    static const CString empty;
    return i < texts.size() ? texts[i] : empty;
}

bool Symmetric(const CBent_PierInfo& design) { return design.GetBarSkeletonSymmetric() != 0; }

std::vector<ElevationBarCell> WholeRow(const CBent_PierInfo& design, int kind, int j)
{
    const CBent_FaceInfo& face = design.GetMainFace();
    const bool sym = Symmetric(design);
    std::vector<ElevationBarCell> cells;
    switch (kind) {
    case 1: {
        const CBent_LUPSteel& bar = face.GetLUPSteels()[j];
        cells = {Number(bar.GetLeftDistance()), sym ? Mirrored() : Number(bar.GetRightDistance())};
        break;
    }
    case 2: cells = {Automatic(), Automatic()}; break;
    case 3: {
        const CBent_LUTSteel& bar = face.GetLUTSteels()[j];
        for (int i = 0; i < PierCount(design); ++i) {
            const bool has = i < bar.GetColumnListSize();
            if (IsLockedPier(design, i))
                cells.insert(cells.end(), {Mirrored(), Mirrored()});
            else
                cells.insert(cells.end(), {Length(has ? bar.GetLeftAxisDistanceAt(i) : 0),
                                           IsMiddlePier(design, i) ? Mirrored()
                                                                   : Length(has ? bar.GetRightAxisDistanceAt(i) : 0)});
        }
        break;
    }
    case 4: {
        const CBent_LUBSteel& bar = face.GetLUBSteels()[j];
        cells.push_back(BendType(bar.GetBendDownParameter()));
        for (int i = 0; i < PierCount(design); ++i) {
            const bool has = i < bar.GetColumnListSize();
            if (IsLockedPier(design, i))
                cells.insert(cells.end(), {Mirrored(), Mirrored(), Mirrored()});
            else
                cells.insert(cells.end(), {Number(has ? bar.GetLeftAxisDistanceAt(i) : 0),
                                           IsMiddlePier(design, i) ? Mirrored()
                                                                   : Number(has ? bar.GetRightAxisDistanceAt(i) : 0),
                                           Number(has ? bar.GetRadiusOrHeightAt(i) : 0)});
        }
        break;
    }
    default: break;
    }
    return cells;
}

std::vector<ElevationBarCell> PierRow(const CBent_PierInfo& design, ElevationBarView view, int j)
{
    const CBent_PoleInfo& support = design.GetMainFace().GetSupports()[view.nPier];
    const bool locked = IsLockedPier(design, view.nPier);
    const bool middle = IsMiddlePier(design, view.nPier);
    std::vector<ElevationBarCell> cells;
    switch (view.nKind) {
    case 1: {
        const CBent_LPPSteel& bar = support.GetLPPSteels()[j];
        cells = {Number(bar.GetLeftDistance()), middle ? Mirrored() : Number(bar.GetRightDistance())};
        break;
    }
    case 2: {
        const CBent_LPMSteel& bar = support.GetLPMSteels()[j];
        return {Number(bar.GetLeftDistance()), Number(bar.GetRightDistance())};
    }
    case 3: {
        const CBent_LPTSteel& bar = support.GetLPTSteels()[j];
        cells = {Connected(bar.GetConnectFlag()), Length(bar.GetLeftAxisDistance()),
                 middle ? Mirrored() : Length(bar.GetRightAxisDistance())};
        break;
    }
    case 4: {
        const CBent_LPBSteel& bar = support.GetLPBSteels()[j];
        cells = {BendType(bar.GetBendDownParameter()), Number(bar.GetLeftAxisDistance()),
                 middle ? Mirrored() : Number(bar.GetRightAxisDistance()), Number(bar.GetRadiusOrHeight())};
        break;
    }
    default: break;
    }
    if (locked)
        for (ElevationBarCell& cell : cells)
            cell = Mirrored();
    return cells;
}

void StoreWhole(CBent_PierInfo& design, int kind, int j, const std::vector<CString>& texts, Changes& changes)
{
    CBent_FaceInfo& face = design.GetMainFace();
    const bool sym = Symmetric(design);
    const int n = PierCount(design);
    switch (kind) {
    case 1: {
        CBent_LUPSteel& bar = face.GetLUPSteels()[j];
        const double left = NumberOf(texts, 0);
        changes.Real(bar, &CBent_LUPSteel::GetLeftDistance, &CBent_LUPSteel::SetLeftDistance, left);
        changes.Real(bar, &CBent_LUPSteel::GetRightDistance, &CBent_LUPSteel::SetRightDistance,
                     sym ? left : NumberOf(texts, 1));
        break;
    }
    case 2: {
        CBent_LUMSteel& bar = face.GetLUMSteels()[j];
        changes.Real(bar, &CBent_LUMSteel::GetLeftDistance, &CBent_LUMSteel::SetLeftDistance, 0);
        changes.Real(bar, &CBent_LUMSteel::GetRightDistance, &CBent_LUMSteel::SetRightDistance, 0);
        break;
    }
    case 3: {
        CBent_LUTSteel& bar = face.GetLUTSteels()[j];
        using B = CBent_LUTSteel;
        for (int i = 0; i < n && i < bar.GetColumnListSize(); ++i) {
            const int partner = n - 1 - i;
            if (IsLockedPier(design, i)) {
                const double left = bar.GetRightAxisDistanceAt(partner);
                const double right = bar.GetLeftAxisDistanceAt(partner);
                changes.RealAt(bar, &B::GetLeftAxisDistanceAt, &B::SetLeftAxisDistanceAt, i, left);
                changes.RealAt(bar, &B::GetRightAxisDistanceAt, &B::SetRightAxisDistanceAt, i, right);
                continue;
            }
            // The end-position marker stays only at the cap's two ends.
            const double left = ParseBarLengthText(TextOf(texts, 2 * i), FALSE, i == 0);
            const double right =
                IsMiddlePier(design, i) ? left : ParseBarLengthText(TextOf(texts, 2 * i + 1), FALSE, i == n - 1);
            changes.RealAt(bar, &B::GetLeftAxisDistanceAt, &B::SetLeftAxisDistanceAt, i, left);
            changes.RealAt(bar, &B::GetRightAxisDistanceAt, &B::SetRightAxisDistanceAt, i, right);
        }
        break;
    }
    case 4: {
        CBent_LUBSteel& bar = face.GetLUBSteels()[j];
        using B = CBent_LUBSteel;
        changes.Int(bar, &B::GetBendDownParameter, &B::SetBendDownParameter, TextOf(texts, 0) == kArc ? 0 : 1);
        for (int i = 0; i < n && i < bar.GetColumnListSize(); ++i) {
            const int partner = n - 1 - i;
            double left = 0, right = 0, radius = 0;
            if (IsLockedPier(design, i)) {
                left = bar.GetRightAxisDistanceAt(partner);
                right = bar.GetLeftAxisDistanceAt(partner);
                radius = bar.GetRadiusOrHeightAt(partner);
            } else {
                left = NumberOf(texts, 1 + 3 * i);
                right = IsMiddlePier(design, i) ? left : NumberOf(texts, 2 + 3 * i);
                radius = NumberOf(texts, 3 + 3 * i);
            }
            changes.RealAt(bar, &B::GetLeftAxisDistanceAt, &B::SetLeftAxisDistanceAt, i, left);
            changes.RealAt(bar, &B::GetRightAxisDistanceAt, &B::SetRightAxisDistanceAt, i, right);
            changes.RealAt(bar, &B::GetRadiusOrHeightAt, &B::SetRadiusOrHeightAt, i, radius);
        }
        break;
    }
    default: break;
    }
}

void StorePier(CBent_PierInfo& design, ElevationBarView view, int j, const std::vector<CString>& texts,
               Changes& changes)
{
    CBent_PoleInfo& support = design.GetMainFace().GetSupports()[view.nPier];
    const bool middle = IsMiddlePier(design, view.nPier);
    switch (view.nKind) {
    case 1: {
        CBent_LPPSteel& bar = support.GetLPPSteels()[j];
        const double left = NumberOf(texts, 0);
        changes.Real(bar, &CBent_LPPSteel::GetLeftDistance, &CBent_LPPSteel::SetLeftDistance, left);
        changes.Real(bar, &CBent_LPPSteel::GetRightDistance, &CBent_LPPSteel::SetRightDistance,
                     middle ? left : NumberOf(texts, 1));
        break;
    }
    case 2: {
        CBent_LPMSteel& bar = support.GetLPMSteels()[j];
        changes.Real(bar, &CBent_LPMSteel::GetLeftDistance, &CBent_LPMSteel::SetLeftDistance, NumberOf(texts, 0));
        changes.Real(bar, &CBent_LPMSteel::GetRightDistance, &CBent_LPMSteel::SetRightDistance, NumberOf(texts, 1));
        break;
    }
    case 3: {
        CBent_LPTSteel& bar = support.GetLPTSteels()[j];
        using B = CBent_LPTSteel;
        changes.Int(bar, &B::GetConnectFlag, &B::SetConnectFlag, TextOf(texts, 0) == L"是" ? 1 : 0);
        const double left = ParseBarLengthText(TextOf(texts, 1), TRUE, FALSE);
        changes.Real(bar, &B::GetLeftAxisDistance, &B::SetLeftAxisDistance, left);
        changes.Real(bar, &B::GetRightAxisDistance, &B::SetRightAxisDistance,
                     middle ? left : ParseBarLengthText(TextOf(texts, 2), TRUE, FALSE));
        break;
    }
    case 4: {
        CBent_LPBSteel& bar = support.GetLPBSteels()[j];
        using B = CBent_LPBSteel;
        changes.Int(bar, &B::GetBendDownParameter, &B::SetBendDownParameter, TextOf(texts, 0) == kArc ? 0 : 1);
        const double left = NumberOf(texts, 1);
        changes.Real(bar, &B::GetLeftAxisDistance, &B::SetLeftAxisDistance, left);
        changes.Real(bar, &B::GetRightAxisDistance, &B::SetRightAxisDistance, middle ? left : NumberOf(texts, 2));
        changes.Real(bar, &B::GetRadiusOrHeight, &B::SetRadiusOrHeight, NumberOf(texts, 3));
        break;
    }
    default: break;
    }
}

} // namespace

BOOL IsMiddlePier(const CBent_PierInfo& design, int nPier)
{
    const int n = PierCount(design);
    return design.GetBarSkeletonSymmetric() && n % 2 == 1 && nPier == n / 2;
}

std::vector<ElevationBarCell> ElevationBarRowCells(const CBent_PierInfo& design, ElevationBarView view, int j)
{
    if (j < 0 || j >= ElevationBarCount(design, view))
        return {};
    return view.nPier < 0 ? WholeRow(design, view.nKind, j) : PierRow(design, view, j);
}

int StoreElevationBarRow(CBent_PierInfo& design, ElevationBarView view, int j, const std::vector<CString>& texts)
{
    if (j < 0 || j >= ElevationBarCount(design, view) || IsLockedPier(design, view.nPier))
        return 0;
    Changes changes;
    if (view.nPier < 0)
        StoreWhole(design, view.nKind, j, texts, changes);
    else
        StorePier(design, view, j, texts, changes);
    return changes.Result();
}

int MirrorPartnerSupport(CBent_PierInfo& design, ElevationBarView view)
{
    auto& supports = design.GetMainFace().GetSupports();
    const int n = PierCount(design);
    if (view.nPier < 0 || !design.GetBarSkeletonSymmetric() || IsLockedPier(design, view.nPier)
        || IsMiddlePier(design, view.nPier))
        return 0;
    const int partner = n - 1 - view.nPier;
    if (partner < 0 || partner >= supports.GetSize() || view.nPier >= supports.GetSize())
        return 0;
    const CBent_PoleInfo source = supports[view.nPier];
    supports[partner].MirrorFrom(source);
    return 1;
}
