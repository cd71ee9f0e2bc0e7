// The data groups of the cap copy.
#include "CapCopyGroups.h"

namespace {

struct GroupInfo {
    int group;
    const wchar_t* label;
    CapCopyCondition condition;
};

constexpr GroupInfo kGroups[kCapCopyGroupCount] = {
    {kCopyGeneralConstruction, L"一般构造（不含墩柱间距）", CapCopyCondition::None},
    {kCopySupportSpacing, L"墩柱间距（要求墩柱个数相同）", CapCopyCondition::EqualPierColumns},
    {kCopyCovers, L"钢筋保护层（全部保护层）", CapCopyCondition::None},
    {kCopyBarGrades, L"钢筋等级（包含钢筋直径）", CapCopyCondition::None},
    {kCopySectionPositions, L"剖面位置（要求墩柱个数相同）", CapCopyCondition::EqualPierColumns},
    {kCopyBarSkeleton, L"钢筋骨架（要求墩柱个数相同）", CapCopyCondition::EqualPierColumns},
    {kCopyStrengthening, L"加强钢筋（不含编排设置）", CapCopyCondition::None},
    {kCopySideBars, L"侧面钢筋（仅含钢筋间距）", CapCopyCondition::None},
    {kCopyStirrupCombination, L"箍筋组合（要求钢筋列数相同）", CapCopyCondition::EqualBarColumns},
    {kCopySkeletonLayout, L"骨架编排（要求钢筋列数相同）", CapCopyCondition::EqualBarColumns},
    {kCopyStirrupSpacing, L"箍筋间距（包含加密设置）", CapCopyCondition::None},
    {kCopyColumnSpacing, L"钢筋间距（要求钢筋列数相同）", CapCopyCondition::EqualBarColumns},
};

const GroupInfo* FindGroup(int group)
{
    for (const GroupInfo& info : kGroups)
        if (info.group == group)
            return &info;
    return nullptr;
}

void CopyCovers(const CBent_PierInfo& s, CBent_PierInfo& t)
{
    t.SetTopCover(s.GetTopCover());
    t.SetBottomCover(s.GetBottomCover());
    t.SetSideCover(s.GetSideCover());
    t.SetEndCover(s.GetEndCover());
    t.SetAnchorSealingCover(s.GetAnchorSealingCover());
    t.SetFurtherCover(s.GetFurtherCover());
}

// The grades and diameters of the bar parameter lines and of the strengthening straight bars
// of both plates.
void CopyBarGrades(const CBent_PierInfo& source, CBent_PierInfo& target)
{
    const CBent_MoreInfo& s = source.GetMoreInfo();
    CBent_MoreInfo& t = target.GetMoreInfo();
    t.SetSkeletonBarType(s.GetSkeletonBarType());
    t.SetSkeletonDiameter(s.GetSkeletonDiameter());
    t.SetStirrupBarType(s.GetStirrupBarType());
    t.SetStirrupDiameter(s.GetStirrupDiameter());
    t.SetSideBarType(s.GetSideBarType());
    t.SetSideDiameter(s.GetSideDiameter());
    t.SetAnchorBarType(s.GetAnchorBarType());
    t.SetAnchorDiameter(s.GetAnchorDiameter());
    const CBent_ExtendSteel& se = source.GetExtendSteel();
    CBent_ExtendSteel& te = target.GetExtendSteel();
    te.SetTopBarType(se.GetTopBarType());
    te.SetTopDiameter(se.GetTopDiameter());
    te.SetBottomBarType(se.GetBottomBarType());
    te.SetBottomDiameter(se.GetBottomDiameter());
}

void CopyStrengthening(const CBent_ExtendSteel& s, CBent_ExtendSteel& t)
{
    t.SetEdgeOuterForm(s.GetEdgeOuterForm());
    t.SetEdgeInnerForm(s.GetEdgeInnerForm());
    t.SetMiddlePierForm(s.GetMiddlePierForm());
    t.SetMidSpanForm(s.GetMidSpanForm());
    t.SetEdgeOuterDistance(s.GetEdgeOuterDistance());
    t.SetEdgeInnerDistance(s.GetEdgeInnerDistance());
    t.SetMiddlePierDistance(s.GetMiddlePierDistance());
    t.SetMidSpanDistance(s.GetMidSpanDistance());
    t.SetMultiLayerDecrement(s.GetMultiLayerDecrement());
}

// The seven values of the stirrup-spacing line.
void CopyStirrupSpacing(const CBent_MoreInfo& s, CBent_MoreInfo& t)
{
    t.SetStirrupSpacing(s.GetStirrupSpacing());
    t.SetDenseStirrupSpacing(s.GetDenseStirrupSpacing());
    t.SetSkewStirrupSpacing(s.GetSkewStirrupSpacing());
    t.SetDensifyInPierRanges(s.GetDensifyInPierRanges());
    t.SetDenseRangeEdgeOuter(s.GetDenseRangeEdgeOuter());
    t.SetDenseRangeEdgeInner(s.GetDenseRangeEdgeInner());
    t.SetDenseHalfRangeMiddle(s.GetDenseHalfRangeMiddle());
}

// The bars of the main face and its supports; its stirrups and its bar-column count stay.
void CopyBarSkeleton(const CBent_PierInfo& source, CBent_PierInfo& target)
{
    CBent_FaceInfo& face = target.GetMainFace();
    const int columns = face.GetBarColumnCount();
    face.Copy(source.GetMainFace(), FALSE);
    face.SetBarColumnCount(columns);
    target.SetBarSkeletonSymmetric(source.GetBarSkeletonSymmetric());
}

} // namespace

CString GetCapCopyGroupLabel(int group)
{
    const GroupInfo* info = FindGroup(group);
    return info ? CString(info->label) : CString();
}

CapCopyCondition GetCapCopyCondition(int group)
{
    const GroupInfo* info = FindGroup(group);
    return info ? info->condition : CapCopyCondition::None;
}

int GetPierColumnCount(const CBent_PierInfo& design)
{
    return static_cast<int>(design.GetSupportDistances().GetSize());
}

int GetBarColumnCount(const CBent_PierInfo& design) { return design.GetMainFace().GetBarColumnCount(); }

bool IsCapCopyAllowed(int group, const CBent_PierInfo& source, const CBent_PierInfo& target)
{
    switch (GetCapCopyCondition(group)) {
    case CapCopyCondition::EqualPierColumns:
        return GetPierColumnCount(source) == GetPierColumnCount(target);
    case CapCopyCondition::EqualBarColumns:
        return GetBarColumnCount(source) == GetBarColumnCount(target);
    case CapCopyCondition::None:
        break;
    }
    return true;
}

void CopyCapGroup(int group, const CBent_PierInfo& source, const CBent_BasicGeometry& sourceGeometry,
                  CBent_PierInfo& target, CBent_BasicGeometry& targetGeometry)
{
    switch (group) {
    case kCopyGeneralConstruction:
        targetGeometry = sourceGeometry;
        target.SetGeneralSymmetric(source.GetGeneralSymmetric());
        break;
    case kCopySupportSpacing:
        target.SetSupportCount(source.GetSupportCount());
        target.GetSupportDistances().Copy(source.GetSupportDistances());
        target.SetColumnSpacingSymmetric(source.GetColumnSpacingSymmetric());
        break;
    case kCopyCovers:
        CopyCovers(source, target);
        break;
    case kCopyBarGrades:
        CopyBarGrades(source, target);
        break;
    case kCopySectionPositions:
        target.GetSectionPositions().Copy(source.GetSectionPositions());
        break;
    case kCopyBarSkeleton:
        CopyBarSkeleton(source, target);
        break;
    case kCopyStrengthening:
        CopyStrengthening(source.GetExtendSteel(), target.GetExtendSteel());
        break;
    case kCopySideBars:
        target.GetMoreInfo().GetSideSpacings().Copy(source.GetMoreInfo().GetSideSpacings());
        target.GetMoreInfo().SetSideBarSpacing(source.GetMoreInfo().GetSideBarSpacing());
        break;
    case kCopyStirrupCombination:
        target.GetMainFace().GetStirrups().Copy(source.GetMainFace().GetStirrups());
        target.SetSectionStirrupsSymmetric(source.GetSectionStirrupsSymmetric());
        break;
    case kCopySkeletonLayout:
        target.GetExtendSteel().GetCodes().Copy(source.GetExtendSteel().GetCodes());
        target.SetStrengtheningSymmetric(source.GetStrengtheningSymmetric());
        break;
    case kCopyStirrupSpacing:
        CopyStirrupSpacing(source.GetMoreInfo(), target.GetMoreInfo());
        break;
    case kCopyColumnSpacing:
        target.GetMoreInfo().GetSkeletonSpacings().Copy(source.GetMoreInfo().GetSkeletonSpacings());
        break;
    default:
        break;
    }
}
