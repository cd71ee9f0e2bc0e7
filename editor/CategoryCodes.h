// The categories of a design as the editor's tree names them: 0 the summary, 200 to 209 the
// single forms, 1 and 10 groups, 11 to 19 the supports, 100 + 10 x support + kind the bar lists.
#pragma once

#include "CString.h"

inline constexpr int kCategorySummary = 0;           // "设计参数"
inline constexpr int kCategoryBasicData = 200;       // "基本资料"
inline constexpr int kCategorySideBars = 205;        // "侧面钢筋"
inline constexpr int kCategorySectionStirrups = 206; // "断面箍筋"
inline constexpr int kCategorySkeletonLayout = 207;  // "骨架编排"

// The category a design message's label leads to: a form's name, "N#墩柱" for support N, or
// "N#墩柱" followed by the name of one of its bar lists; 0 for anything else.
int CategoryCodeFromLabel(const CString& label);
