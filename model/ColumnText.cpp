// The column text of a bar record.
#include "ColumnText.h"

void FitColumnText(CString& text, int n, int kind, bool clearFirst)
{
    if (text.GetLength() > n)
        text = text.Left(n);
    while (text.GetLength() < n)
        text += L'1';
    // A text cut to nothing has no first column to clear.
    if (clearFirst && kind != 0 && kind != 2 && !text.IsEmpty())
        text.SetAt(0, L'0');
}
