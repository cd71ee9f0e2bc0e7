// The grid's notification codes and records, its cell state and item mask bits, and the mouse
// modes of its input handling.
#pragma once

#include "WinGdi.h"
#include "WinMessages.h"

// Notifications to the owner (WM_NOTIFY with an NM_GRIDVIEW).
#define GVN_SELCHANGING (0U - 100U)
#define GVN_SELCHANGED (0U - 101U)
#define GVN_BEGINLABELEDIT (0U - 105U)
#define GVN_ENDLABELEDIT (0U - 106U)
#define GVN_BEGINDRAG (0U - 109U)
// The end-of-edit message of the in-place editors is the list view's end of label editing.
#define LVN_ENDLABELEDIT GVN_ENDLABELEDIT
#define IDC_INPLACE_CONTROL 8

struct NM_GRIDVIEW {
  NMHDR hdr;
  int iRow;
  int iColumn;
};

// The item record of the end-of-edit message.
#define LVIF_TEXT 0x0001U
#define LVIF_PARAM 0x0004U
struct LV_ITEM {
  UINT mask;
  int iItem;
  int iSubItem;
  UINT state;
  UINT stateMask;
  LPTSTR pszText;
  int cchTextMax;
  int iImage;
  LPARAM lParam;
};
struct LV_DISPINFO {
  NMHDR hdr;
  LV_ITEM item;
};

// Cell state bits.
#define GVIS_FOCUSED 0x0001U
#define GVIS_SELECTED 0x0002U
#define GVIS_DROPHILITED 0x0004U
#define GVIS_READONLY 0x0008U
#define GVIS_MODIFIED 0x0020U

// Item mask bits: the fields of a CGridItem that are meant.
#define GVIF_TEXT 0x0001U
#define GVIF_IMAGE 0x0002U
#define GVIF_PARAM 0x0004U
#define GVIF_STATE 0x0008U
#define GVIF_BKCLR 0x0010U
#define GVIF_FGCLR 0x0020U
#define GVIF_FORMAT 0x0040U
#define GVIF_FONT 0x0080U

// Grid-line modes.
#define GVL_NONE 0
#define GVL_HORZ 1
#define GVL_VERT 2
#define GVL_BOTH 3

// The colour a cell keeps when the grid's colour is to be used.
#define CLR_DEFAULT 0xFF000000U

// The format the editor's forms give their cells: centred on one line, cut with an ellipsis.
#define GRID_CENTRED_FORMAT (DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS)

// What the mouse is doing in the grid.
#define MOUSE_NOTHING 0
#define MOUSE_SELECT_ALL 1
#define MOUSE_SELECT_COL 2
#define MOUSE_SELECT_ROW 3
#define MOUSE_SELECT_CELLS 4
#define MOUSE_OVER_ROW_DIVIDE 6
#define MOUSE_SIZING_ROW 7
#define MOUSE_OVER_COL_DIVIDE 8
#define MOUSE_SIZING_COL 9
#define MOUSE_PREPARE_EDIT 10
#define MOUSE_PREPARE_DRAG 11
#define MOUSE_DRAGGING 12

// The edit commands of the class library the grid answers.
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_PASTE 0xE125
#define ID_EDIT_SELECT_ALL 0xE12A
