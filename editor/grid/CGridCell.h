// One cell of the grid: its text and how it is drawn, its state bits, and its place in a
// merged header block. The grid makes and owns every cell.
#pragma once

#include "CString.h"
#include "GridDefs.h"

struct CGridCell {
  // 1: a full repaint erases the grid line along the right / bottom edge.
  UINT rightLineOff = 0;
  UINT bottomLineOff = 0;
  // 1: inside a merged block and not its top-left cell.
  UINT merged = 0;
  // Non-zero: never editable, and paste skips the cell.
  UINT locked = 0;
  // Top-left cell of a merged block: the rows below / columns right of it in the block.
  int rowSpan = 0;
  int colSpan = 0;
  // Merged cell: the block's top-left cell.
  int ownerRow = 0;
  int ownerCol = 0;
  UINT state = 0;
  UINT nFormat = 0;
  CString szText;
  int iImage = -1;
  COLORREF crBkClr = CLR_DEFAULT;
  COLORREF crFgClr = CLR_DEFAULT;
  LOGFONT lfFont{};
  LPARAM lParam = 0;
  // Set: the cell holds a number, and the check tells whether a text is one. An edit that ends
  // with any other text is refused; paste, cut and Delete leave the cell as it is.
  BOOL (*numberCheck)(const CString& text) = nullptr;
};
