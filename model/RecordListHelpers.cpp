// Helpers on the number lists of the design records.
#include "RecordListHelpers.h"

void RemoveRealRange(CArray<double, const double&>& list, int first, int last)
{
    if (first > last)
        return;
    // Checked up front: removing from the end first would otherwise leave a half-cut list.
    if (first < 0 || last >= list.GetSize())
        AfxThrowInvalidArgException();
    for (int i = last; i >= first; --i)
        list.RemoveAt(i);
}

void CopyRealArray(const CArray<double, const double&>& from, CArray<double, const double&>& to)
{
    if (&from == &to)
        return;
    to.RemoveAll();
    for (INT_PTR i = 0; i < from.GetSize(); ++i)
        to.Add(from[i]);
}

void CopyIntArray(const CArray<int, const int&>& from, CArray<int, const int&>& to)
{
    if (&from == &to)
        return;
    to.RemoveAll();
    for (INT_PTR i = 0; i < from.GetSize(); ++i)
        to.Add(from[i]);
}

void MirrorIntList(CArray<int, const int&>& list)
{
    INT_PTR n = list.GetSize();
    for (INT_PTR i = 0; i < n; ++i)
        list[n - 1 - i] = list[i];
}

void CloseRealList(CArray<double, const double&>& list)
{
    if (list.GetSize() >= 2)
        list[list.GetSize() - 1] = list[0];
}

void ResizePerSupportList(CArray<double, const double&>& list, int n)
{
    INT_PTR c = list.GetSize();
    if (n <= 0) {
        list.RemoveAll();
        return;
    }
    if (n == c)
        return;
    if (n < c) {
        if (n == 1)
            list.RemoveAt(1, c - 1);
        else
            list.RemoveAt(n - 1, c - n);
        return;
    }
    if (c == 0) {
        list.InsertAt(0, 0.0, n);
        return;
    }
    if (c == 1) {
        list.InsertAt(1, list[0], n - 1);
        return;
    }
    double inner = list[c - 2];
    list.InsertAt(c - 1, inner, n - c);
}
