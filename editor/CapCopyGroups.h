// The twelve groups of design data that the cap copy and the batch copy take from one design
// into another, each named by the identifier of its check box. Some groups fit only a design
// with as many pier columns, or as many bar columns, as the source.
#pragma once

#include "CBent_BasicGeometry.h"
#include "CBent_PierInfo.h"

inline constexpr int kCopyGeneralConstruction = 1086;
inline constexpr int kCopySupportSpacing = 1087;
inline constexpr int kCopyCovers = 1088;
inline constexpr int kCopyBarGrades = 1089;
inline constexpr int kCopySectionPositions = 1090;
inline constexpr int kCopyBarSkeleton = 1091;
inline constexpr int kCopyStrengthening = 1092;
inline constexpr int kCopySideBars = 1093;
inline constexpr int kCopyStirrupCombination = 1094;
inline constexpr int kCopySkeletonLayout = 1095;
inline constexpr int kCopyStirrupSpacing = 1096;
inline constexpr int kCopyColumnSpacing = 1097;

inline constexpr int kCapCopyGroupCount = 12;
// The order in which the groups are copied: the unconditional ones first.
inline constexpr int kCapCopyOrder[kCapCopyGroupCount] = {
    kCopyGeneralConstruction, kCopyStirrupSpacing, kCopyCovers,
    kCopyBarGrades,           kCopyStrengthening,  kCopySideBars,
    kCopyStirrupCombination,  kCopySkeletonLayout, kCopySupportSpacing,
    kCopySectionPositions,    kCopyColumnSpacing,  kCopyBarSkeleton,
};

enum class CapCopyCondition {
    None,
    EqualPierColumns,
    EqualBarColumns,
};

// The check box's label; empty for no group.
CString GetCapCopyGroupLabel(int group);
CapCopyCondition GetCapCopyCondition(int group);

// Pier columns: one entry of the support-spacing list each.
int GetPierColumnCount(const CBent_PierInfo& design);
// Bar columns of the section.
int GetBarColumnCount(const CBent_PierInfo& design);

// Whether the group fits a target with these counts, given the source's.
bool IsCapCopyAllowed(int group, const CBent_PierInfo& source, const CBent_PierInfo& target);

// Replaces the target's values of the group by the source's; lists are refilled in the
// source's order. The target's bar-column count stays what it is, since its per-column codes
// and texts follow it.
void CopyCapGroup(int group, const CBent_PierInfo& source, const CBent_BasicGeometry& sourceGeometry,
                  CBent_PierInfo& target, CBent_BasicGeometry& targetGeometry);
