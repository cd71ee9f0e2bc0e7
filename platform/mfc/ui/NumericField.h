// Numbers in edit fields as the class library's data exchange takes them: the whole text is
// the number, blanks before and after it allowed. A field that holds anything else is refused:
// the box "请输入一个数字。" (for an integer field "请输入一个整数。"), the focus back in the
// field with its text selected, and the value left as it was.
#pragma once

#include "CString.h"
#include "WinDef.h"

class CWnd;

// TRUE with the number when the whole text is one.
BOOL ParseRealText(const CString& text, double& value);
BOOL ParseIntText(const CString& text, int& value);
// TRUE when the whole text is a number.
BOOL IsNumberText(const CString& text);

// The box of a field that holds no number (with bInteger, no whole number), then the focus
// back in the field with its text selected.
void RefuseNumericField(CWnd& field, BOOL bInteger = FALSE);

// TRUE with the field's number; FALSE after the box, with the focus in the field.
BOOL ExchangeRealField(CWnd& field, double& value);
BOOL ExchangeIntField(CWnd& field, int& value);
