// The record by which the grid's owner writes and reads a cell: the mask says which fields
// are meant (GVIF_*).
#pragma once

#include "CString.h"
#include "GridDefs.h"

struct CGridItem {
  int row = 0;
  int col = 0;
  UINT mask = 0;
  UINT state = 0;
  UINT nFormat = 0;
  CString szText;
  int iImage = -1;
  COLORREF crBkClr = CLR_DEFAULT;
  COLORREF crFgClr = CLR_DEFAULT;
  LPARAM lParam = 0;
  LOGFONT lfFont{};
};
