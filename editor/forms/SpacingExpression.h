// A list of spacings written as the forms show it: runs of equal values (within 1e-6) become one
// term count*value, terms joined by "+", so 13, 13, 13, 13, 2, 2 read "4*13+2*2".
#pragma once

#include "CArray.h"
#include "CString.h"

CString FormatSpacingExpression(const CArray<double, const double&>& spacings);

// 1 when the lists differ in length or in a value by 1e-6 or more.
int SpacingListsDiffer(const CArray<double, const double&>& a, const CArray<double, const double&>& b);
