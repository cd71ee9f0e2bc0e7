// Helpers on the number lists of the design records.
// Index errors raise the class library's invalid-argument exception before anything changes.
#pragma once

#include "CArray.h"
#include "CString.h"

// Removes entries first ... last (from the last down). first > last removes nothing; a range
// that reaches outside the list throws and leaves it whole.
void RemoveRealRange(CArray<double, const double&>& list, int first, int last);
// Empties the target and appends every entry of the source; a list copied onto itself stays.
void CopyRealArray(const CArray<double, const double&>& from, CArray<double, const double&>& to);
void CopyIntArray(const CArray<int, const int&>& from, CArray<int, const int&>& to);
// For i = 0 ... n - 1 ascending, entry n - 1 - i := entry i: the first half mirrored onto the second.
void MirrorIntList(CArray<int, const int&>& list);
// With two or more entries the last entry takes the first.
void CloseRealList(CArray<double, const double&>& list);

// Resizes one per-support list to n entries, keeping the first and the last support's values:
// n <= 0 empties it; shrinking to 1 keeps the first entry, to more keeps the first n - 1 and
// the last; growing fills an empty list with zeros, repeats a single entry, and otherwise
// inserts copies of the second-to-last entry before the last.
void ResizePerSupportList(CArray<double, const double&>& list, int n);

// Same length and equal entries in order.
template <class TYPE, class ARG_TYPE>
bool ListsEqual(const CArray<TYPE, ARG_TYPE>& a, const CArray<TYPE, ARG_TYPE>& b)
{
    if (a.GetSize() != b.GetSize())
        return false;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        if (!(a[i] == b[i]))
            return false;
    return true;
}

// The column text of every record of the list, design or drawing side alike.
template <class TYPE>
void SetListColumnText(CArray<TYPE, const TYPE&>& list, const CString& text)
{
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        list[i].SetColumnText(text);
}
