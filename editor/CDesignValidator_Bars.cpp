// The design rules on the bars themselves: the columns the stirrups hold, the end-positioned
// upper bent-up bars of the whole elevation and the connection of the upper bent-up bars at
// each support.
#include "CDesignValidator.h"

#include "BarColumnCodes.h"

#include <algorithm>
#include <vector>

namespace {

constexpr double kAbsent = 99999.0;
constexpr int kNoColumn = -1;

void SortAscending(CArray<double, const double&>& values)
{
    std::vector<double> sorted;
    for (INT_PTR i = 0; i < values.GetSize(); ++i)
        sorted.push_back(values[i]);
    std::sort(sorted.begin(), sorted.end());
    for (size_t i = 0; i < sorted.size(); ++i)
        values[static_cast<INT_PTR>(i)] = sorted[i];
}

void AddPresent(CArray<double, const double&>& values, double value)
{
    if (value != kAbsent)
        values.Add(value);
}

} // namespace

void CollectAxisDistancesAtSupport(const CBent_PierInfo* design, int support, CArray<double, const double&>& lefts,
                                   CArray<double, const double&>& rights)
{
    if (design == nullptr || support < 1)
        return;
    const CBent_FaceInfo& face = design->GetMainFace();
    const CArray<CBent_LUTSteel, const CBent_LUTSteel&>& wholeBars = face.GetLUTSteels();
    for (INT_PTR i = 0; i < wholeBars.GetSize(); ++i) {
        CArray<double, const double&> barLefts, barRights;
        wholeBars[i].GetColumnLists(barLefts, barRights);
        if (support <= barLefts.GetSize())
            AddPresent(lefts, barLefts[support - 1]);
        if (support <= barRights.GetSize())
            AddPresent(rights, barRights[support - 1]);
    }
    if (support <= face.GetSupports().GetSize()) {
        const CArray<CBent_LPTSteel, const CBent_LPTSteel&>& bars = face.GetSupports()[support - 1].GetLPTSteels();
        for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
            AddPresent(lefts, bars[i].GetLeftAxisDistance());
            AddPresent(rights, bars[i].GetRightAxisDistance());
        }
    }
    SortAscending(lefts);
    SortAscending(rights);
    for (INT_PTR i = lefts.GetSize() - 1; i >= 1; --i)
        lefts[i] = lefts[i] - lefts[i - 1];
}

// A closed stirrup must hold a skeleton column or a column with full-length plate bars at both
// ends, no stirrup may be entered twice, and every skeleton should be held by one.
void CDesignValidator::CheckStirrupColumns()
{
    const CArray<CBent_PAFSteel, const CBent_PAFSteel&>& stirrups = m_design.GetMainFace().GetStirrups();
    const INT_PTR count = stirrups.GetSize();
    for (INT_PTR i = 0; i < count; ++i) {
        const int number = static_cast<int>(i + 1);
        CheckStirrupEnd(stirrups[i].GetStartColumn(), number, L"断面箍筋|箍筋N%d起始端超出范围",
                        L"断面箍筋|箍筋N%d起始端没有箍到骨架或通长筋上");
        CheckStirrupEnd(stirrups[i].GetEndColumn(), number, L"断面箍筋|箍筋N%d终止端超出范围",
                        L"断面箍筋|箍筋N%d终止端没有箍到骨架或通长筋上");
    }
    for (INT_PTR i = 0; i < count; ++i)
        for (INT_PTR j = i + 1; j < count; ++j)
            if (stirrups[i].GetStartColumn() == stirrups[j].GetStartColumn() &&
                stirrups[i].GetEndColumn() == stirrups[j].GetEndColumn()) {
                CString message;
                message.Format(L"断面箍筋|箍筋N%d和箍筋N%d重复", static_cast<int>(i + 1), static_cast<int>(j + 1));
                Error(message);
            }

    const CBent_ExtendSteel& steel = m_design.GetExtendSteel();
    for (int column = 1; column <= steel.GetCodeCount(); ++column) {
        if (!IsSkeletonCode(steel.GetCodeAt(column - 1)))
            continue;
        bool held = false;
        for (INT_PTR i = 0; i < count && !held; ++i)
            held = stirrups[i].GetStartColumn() == column || stirrups[i].GetEndColumn() == column;
        if (!held) {
            Warning(L"断面箍筋|部分骨架没有被箍筋箍到");
            break;
        }
    }
}

// Columns count from 1; an open end (-1) holds nothing and is not checked. A column of 0 or
// below names no column at all and counts as out of range.
void CDesignValidator::CheckStirrupEnd(int column, int number, const wchar_t* outOfRange, const wchar_t* notHeld)
{
    if (column == kNoColumn)
        return;
    const CBent_ExtendSteel& steel = m_design.GetExtendSteel();
    CString message;
    if (column < 1 || column > steel.GetCodeCount()) {
        message.Format(outOfRange, number);
        Error(message);
        return;
    }
    const int code = steel.GetCodeAt(column - 1);
    if (!IsSkeletonCode(code) && !IsStrengthenedCode(code)) {
        message.Format(notHeld, number);
        Error(message);
    }
}

// An end-positioned bar is fixed at both ends of the cap and nowhere else; only one such bar
// fits, and only when the bars bend down in normal sections with fixed outer ends.
void CDesignValidator::CheckEndPositionedBars()
{
    const CArray<CBent_LUTSteel, const CBent_LUTSteel&>& bars = m_design.GetMainFace().GetLUTSteels();
    const CBent_MoreInfo& more = m_design.GetMoreInfo();
    int endPositioned = 0;
    for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
        const int number = static_cast<int>(i + 1);
        CArray<double, const double&> lefts, rights;
        bars[i].GetColumnLists(lefts, rights);
        CString message;
        if (!lefts.IsEmpty() && !rights.IsEmpty()) {
            const bool leftEnd = IsBarCodeInRange(lefts[0]);
            const bool rightEnd = IsBarCodeInRange(rights[rights.GetSize() - 1]);
            if (leftEnd && rightEnd) {
                ++endPositioned;
            } else if (leftEnd) {
                message.Format(L"整体立面上弯起筋|上弯起钢筋N%d左侧端部定位但右侧不是", number);
                Error(message);
            } else if (rightEnd) {
                message.Format(L"整体立面上弯起筋|上弯起钢筋N%d右侧端部定位但左侧不是", number);
                Error(message);
            }
        }
        message.Format(L"整体立面上弯起筋|上弯起钢筋N%d非端部数据采用端部定位", number);
        for (INT_PTR j = 0; j < lefts.GetSize(); ++j) {
            if (j > 0 && IsBarCodeInRange(lefts[j]))
                Error(message);
            if (j < rights.GetSize() - 1 && IsBarCodeInRange(rights[j]))
                Error(message);
        }
        if (endPositioned >= 1 && (more.GetBendDownMode() == 1 || more.GetOuterUpperFixed() == 0))
            Error(L"整体立面上弯起筋|斜截面下弯或端部不固定情况下，上弯起钢筋不能采用端部定位");
        else if (endPositioned >= 2)
            Error(L"整体立面上弯起筋|采用端部定位上弯起钢筋太多");
    }
}

void CDesignValidator::CheckConnectedBarsAtSupports()
{
    const INT_PTR supports = m_design.GetMainFace().GetSupports().GetSize();
    for (int s = 1; s <= supports; ++s)
        CheckConnectedBarsAtSupport(s);
}

// A bar present on one side only cannot connect; the innermost and the next bars usually do.
void CDesignValidator::CheckConnectedBarsAtSupport(int support)
{
    CArray<double, const double&> lefts, rights;
    CollectAxisDistancesAtSupport(&m_design, support, lefts, rights);
    const CArray<CBent_LPTSteel, const CBent_LPTSteel&>& bars =
        m_design.GetMainFace().GetSupports()[support - 1].GetLPTSteels();
    for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
        const int number = static_cast<int>(i + 1);
        const double left = bars[i].GetLeftAxisDistance();
        const double right = bars[i].GetRightAxisDistance();
        const bool connected = bars[i].GetConnectFlag() != 0;
        CString message;
        if ((left == kAbsent || right == kAbsent) && connected) {
            message.Format(L"%d#墩柱上弯起筋|上弯起钢筋N%d只有一侧存在时不能相连", support, number);
            Error(message);
        } else if (!connected && !lefts.IsEmpty() && !rights.IsEmpty() && left == lefts[0] && right == rights[0]) {
            message.Format(L"%d#墩柱上弯起筋|最里层上弯起钢筋N%d没有相连", support, number);
            Warning(message);
        } else if (!connected && lefts.GetSize() >= 2 && rights.GetSize() >= 2 && left == lefts[1] &&
                   right == rights[1]) {
            message.Format(L"%d#墩柱上弯起筋|次里层上弯起钢筋N%d没有相连", support, number);
            Warning(message);
        }
    }
}
