// What the grid's in-place editors share: typing a first character into the editor's widget,
// taking the grid's font, and the end-of-edit message to the grid.
#pragma once

#include "CString.h"
#include "WinDef.h"
#include "WinMessages.h"

class CWnd;

// Posted by an in-place editor to itself: the edit ends and the focus goes back to the grid.
inline constexpr UINT kLeaveForGrid = WM_USER + 2;

// Sends the key that types the character to the window's widget, as the user would type it.
void TypeIntoWindow(CWnd* pWnd, UINT nChar);
// The font the grid (or any window) answers to WM_GETFONT, given to the editor's widget.
void TakeParentFont(CWnd* pEditor, CWnd* pParent);
// WM_NOTIFY LVN_ENDLABELEDIT to the editor's parent with the cell, the text and the last key.
void SendEndLabelEdit(CWnd* pEditor, int nRow, int nCol, const CString& text, UINT nLastChar);
