// The editor's spreadsheet-like grid window: a table of text cells with fixed header rows at
// the top and fixed header columns at the left. The user selects, edits, copies and pastes
// cells; the grid tells its owner (its parent) by WM_NOTIFY what is about to change and what
// changed. The forms fill it through SetItem and read it back through GetItemText.
#pragma once

#include "CArray.h"
#include "CCellRange.h"
#include "CFont.h"
#include "CGridCell.h"
#include "CGridItem.h"
#include "CScrollBar.h"
#include "CString.h"
#include "CTitleTip.h"
#include "CWnd.h"
#include "GridDefs.h"
#include "NumericField.h"
#include "OleDataExchange.h"
#include "WinInputMessages.h"

#include <map>
#include <memory>
#include <utility>
#include <vector>

class CCmdUI;
class CDC;
class CGridCtrlDropTarget;
class CImageList;
class COleDataObject;
class COleDataSource;
class CPrintInfo;
class GridAxis;

class CGridCtrl : public CWnd {
public:
  CGridCtrl(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0);
  ~CGridCtrl() override;

  using CWnd::Create;
  BOOL Create(const RECT& rect, CWnd* pParentWnd, UINT nID,
              DWORD dwStyle = WS_CHILD | WS_BORDER | WS_TABSTOP | WS_VISIBLE);

  // Table size: TRUE, or FALSE when a size change could not be made.
  BOOL SetRowCount(int nRows = 10);
  BOOL SetColumnCount(int nCols = 10);
  BOOL SetFixedRowCount(int nFixedRows = 1);
  BOOL SetFixedColumnCount(int nFixedCols = 1);
  int GetRowCount() const { return m_nRows; }
  int GetColumnCount() const { return m_nCols; }
  int GetFixedRowCount() const { return m_nFixedRows; }
  int GetFixedColumnCount() const { return m_nFixedCols; }
  BOOL DeleteAllItems();

  // Cells: an address outside the table fails (FALSE, 0, -1 or an empty text).
  BOOL SetItem(const CGridItem* pItem);
  BOOL GetItem(CGridItem* pItem);
  BOOL SetItemText(int nRow, int nCol, LPCTSTR str);
  virtual CString GetItemText(int nRow, int nCol) const;
  BOOL SetItemState(int nRow, int nCol, UINT state);
  UINT GetItemState(int nRow, int nCol) const;
  UINT GetItemFormat(int nRow, int nCol) const;
  int GetItemImage(int nRow, int nCol) const;
  BOOL SetItemFont(int nRow, int nCol, const LOGFONT* lf);
  const LOGFONT* GetItemFont(int nRow, int nCol) const;
  void SetCellReadOnly(int nRow, int nCol);
  // The cell takes only texts the check accepts (by default: a number, as the forms' fields).
  void SetCellNumeric(int nRow, int nCol, BOOL (*check)(const CString& text) = IsNumberText);
  // FALSE when the cell is numeric and the text no number of it.
  BOOL AcceptsCellText(int nRow, int nCol, const CString& text) const;
  CGridCell* GetCell(int nRow, int nCol) const;

  // Sizes in pixels; setting a bad index or a negative value fails. Neither setter repaints.
  BOOL SetRowHeight(int row, int height);
  BOOL SetColumnWidth(int col, int width);
  int GetRowHeight(int row) const;
  int GetColumnWidth(int col) const;
  int GetFixedRowHeight() const;
  int GetFixedColumnWidth() const;
  int GetVirtualHeight() const;
  int GetVirtualWidth() const;

  // Flags and colours.
  void SetEditable(BOOL bEditable = TRUE) { m_bEditable = bEditable; }
  BOOL IsEditable() const { return m_bEditable; }
  void SetListMode(BOOL bEnableListMode = TRUE) { m_bListMode = bEnableListMode; }
  BOOL GetListMode() const { return m_bListMode; }
  void SetSingleRowSelection(BOOL bSing = TRUE) { m_bSingleRowSelection = bSing; }
  BOOL GetSingleRowSelection() const { return m_bSingleRowSelection; }
  void EnableSelection(BOOL bEnable = TRUE) { m_bEnableSelection = bEnable; }
  BOOL IsSelectable() const { return m_bEnableSelection; }
  void SetHeaderSort(BOOL bSortOnClick = TRUE) { m_bSortOnClick = bSortOnClick; }
  BOOL GetHeaderSort() const { return m_bSortOnClick; }
  void SetHandleTabKey(BOOL bHandleTab = TRUE) { m_bHandleTabKey = bHandleTab; }
  BOOL GetHandleTabKey() const { return m_bHandleTabKey; }
  void SetDoubleBuffering(BOOL bBuffer = TRUE) { m_bDoubleBuffer = bBuffer; }
  BOOL GetDoubleBuffering() const { return m_bDoubleBuffer; }
  void EnableTitleTips(BOOL bEnable = TRUE) { m_bTitleTips = bEnable; }
  BOOL GetTitleTips() const { return m_bTitleTips; }
  void EnableDragAndDrop(BOOL bAllow = TRUE) { m_bAllowDragAndDrop = bAllow; }
  BOOL GetDragAndDrop() const { return m_bAllowDragAndDrop; }
  void SetRowResize(BOOL bResize = TRUE) { m_bAllowRowResize = bResize; }
  BOOL GetRowResize() const { return m_bAllowRowResize; }
  void SetColumnResize(BOOL bResize = TRUE) { m_bAllowColumnResize = bResize; }
  BOOL GetColumnResize() const { return m_bAllowColumnResize; }
  void SetGridLines(int nWhichLines = GVL_BOTH) { m_nGridLines = nWhichLines; }
  int GetGridLines() const { return m_nGridLines; }
  void SetGridColor(COLORREF clr) { m_crGridColour = clr; }
  COLORREF GetGridColor() const { return m_crGridColour; }
  void SetTextColor(COLORREF clr) { m_crTextColour = clr; }
  COLORREF GetTextColor() const { return m_crTextColour; }
  void SetTextBkColor(COLORREF clr) { m_crTextBkColour = clr; }
  COLORREF GetTextBkColor() const { return m_crTextBkColour; }
  void SetBkColor(COLORREF clr) { m_crBkColour = clr; }
  COLORREF GetBkColor() const { return m_crBkColour; }
  void SetFixedTextColor(COLORREF clr) { m_crFixedTextColour = clr; }
  COLORREF GetFixedTextColor() const { return m_crFixedTextColour; }
  void SetFixedBkColor(COLORREF clr) { m_crFixedBkColour = clr; }
  COLORREF GetFixedBkColor() const { return m_crFixedBkColour; }
  void SetImageList(CImageList* pList) { m_pImageList = pList; }
  CImageList* GetImageList() const { return m_pImageList; }
  CCellID GetFocusCell() const { return m_idCurrentCell; }
  int GetSelectedCount() const { return static_cast<int>(m_SelectedCellMap.size()); }
  int GetMouseMode() const { return m_MouseMode; }
  void SetMouseMode(int nMode) { m_MouseMode = nMode; }
  // Whether painting and layout happen at all.
  void SetRedraw(BOOL bAllowDraw) { m_bAllowDraw = bAllowDraw; }

  // Modification: row and column above 0 name one cell; otherwise the whole grid.
  void SetModified(BOOL bModified = TRUE, int nRow = -1, int nCol = -1);
  BOOL GetModified() const { return m_bModified; }
  BOOL IsCellEditable(int nRow, int nCol) const;

  // Header blocks: merges (row, col) to (row + |extra rows|, col + |extra cols|); 0 when refused.
  int MergeCells(int nRow, int nCol, int nExtraRows, int nExtraCols);
  // Cells edited with a drop-down list, and their choices.
  void AddListCell(int nRow, int nCol);
  BOOL IsListCell(int nRow, int nCol) const;
  void SetCellListItems(int nRow, int nCol, const CStringArray& choices);
  // The choices an in-place list of the cell shows, by the scheme in force; null for none.
  const CStringArray* GetCellListItems(int nRow, int nCol) const;

  // Layout and painting.
  CCellID GetTopleftNonFixedCell() const;
  CCellRange GetVisibleNonFixedCellRange(LPRECT pRect = nullptr) const;
  CCellRange GetUnobstructedNonFixedCellRange() const;
  BOOL GetCellOrigin(int nRow, int nCol, POINT* p) const;
  BOOL GetCellRect(int nRow, int nCol, LPRECT pRect) const;
  BOOL GetTextRect(int nRow, int nCol, LPRECT pRect) const;
  CSize GetCellExtent(int nRow, int nCol, CDC* pDC) const;
  BOOL IsCellVisible(int nRow, int nCol) const;
  BOOL RedrawCell(int nRow, int nCol, CDC* pDC = nullptr);
  BOOL InvalidateCellRect(const CCellID& cell);
  void ResetScrollBars();
  BOOL AutoSizeColumn(int nCol);
  BOOL AutoSizeRow(int nRow);
  // The client area: the window less the scroll bars it shows.
  void GetClientRect(LPRECT lpRect) const;
  int GetScrollPos32(int nBar) const;
  BOOL SetScrollPos32(int nBar, int nPos, BOOL bRedraw = TRUE);
  CScrollBar* GetScrollBarCtrl(int nBar);
  // The block rectangle of a merged cell or of a block's top-left cell.
  BOOL GetMergedRect(int nRow, int nCol, LPRECT pRect, bool forFixedCell) const;
  // The block's top-left cell for a merged cell; the cell itself otherwise.
  CCellID GetMergeOwner(int nRow, int nCol) const;

  // Focus and selection.
  // The focus cell before.
  CCellID SetFocusCell(int nRow, int nCol);
  CCellID SetFocusCell(CCellID cell);
  void SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol, BOOL bForceRepaint = FALSE);
  void SelectAllCells();
  void SelectColumns(CCellID currentCell);
  void SelectRows(CCellID currentCell);
  void SelectCells(CCellID currentCell);
  void OnSelecting(const CCellID& currentCell);
  void ResetSelectedRange();
  // The smallest range that holds every selected cell; (row count, column count, -1, -1) when
  // nothing is selected.
  CCellRange GetSelectedCellRange() const;
  CCellID GetCellFromPt(CPoint point, BOOL bAllowFixedCellCheck = TRUE) const;
  void EnsureVisible(int nRow, int nCol);
  void EnsureVisible(const CCellID& cell) { EnsureVisible(cell.row, cell.col); }
  BOOL SortTextItems(int nCol, BOOL bAscending);

  // Clipboard, drag and drop. Blocks of text: rows on lines, cells between tabs.
  virtual COleDataSource* CopyTextFromGrid();
  virtual BOOL PasteTextToGrid(CCellID cell, COleDataObject* pDataObject);
  virtual void CutSelectedText();
  virtual void OnEditCut();
  virtual void OnEditCopy();
  virtual void OnEditPaste();
  virtual void OnEditSelectAll();
  virtual void OnUpdateEditCut(CCmdUI* pCmdUI);
  virtual void OnUpdateEditCopy(CCmdUI* pCmdUI);
  virtual void OnUpdateEditPaste(CCmdUI* pCmdUI);
  virtual void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
  // An image of the focus cell for a drag; the caller owns it.
  virtual CImageList* CreateDragImage(POINT* pHotSpot);
  void OnBeginDrag();
  DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
  DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
  void OnDragLeave();
  BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);

  // Printing through a view's print protocol: OnBeginPrinting, OnPrint per page, OnEndPrinting.
  virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
  virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
  virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
  virtual void PrintColumnHeadings(CDC* pDC, CPrintInfo* pInfo);
  virtual void PrintHeader(CDC* pDC, CPrintInfo* pInfo);
  virtual void PrintFooter(CDC* pDC, CPrintInfo* pInfo);
  // The title a printed page shows: the text of the nearest window above the grid that has one.
  CString GetPrintTitle() const;
  // The first non-fixed row the page prints; the row count when the page holds none.
  int FirstRowOfPage(UINT nPage) const;
  // The grid lines along a printed cell: its bottom and right edges, and its top or left edge
  // for the first row or column.
  void PrintCellLines(CDC* pDC, const CRect& rect, int nRow, int nCol, bool firstOnPage);
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL SortTextItems(int nCol, BOOL bAscending, int low, int high);

  // Keyboard and mouse.
  virtual void OnFixedRowClick(CCellID& cell);
  virtual void OnFixedColumnClick(CCellID& cell);
  BOOL MouseOverRowResizeArea(CPoint point) const;
  BOOL MouseOverColumnResizeArea(CPoint point) const;
  // The divider test, the band of a divider being dragged and the start of a drag, along axis.
  BOOL MouseOverDivider(CPoint point, const GridAxis& axis, const GridAxis& across) const;
  CRect SizingBandAt(CPoint point, const GridAxis& axis) const;
  void StartSizing(CPoint point, const GridAxis& axis);
  // The height of a row or the width of a column, by the axis.
  BOOL SetSizeAlong(const GridAxis& axis, int index, int size);
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  UINT OnGetDlgCode();
  void OnLButtonDown(UINT nFlags, CPoint point) override;
  void OnLButtonUp(UINT nFlags, CPoint point) override;
  void OnLButtonDblClk(UINT nFlags, CPoint point) override;
  void OnMouseMove(UINT nFlags, CPoint point) override;
  BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) override;
  void OnTimer(UINT_PTR nIDEvent) override;
  void OnCaptureChanged(CWnd* pWnd);
  BOOL OnSetCursor(UINT nHitTest);

  // In-place editing.
  void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  // nChar: the character typed, VK_LBUTTON for a mouse start, or the navigation key that led here.
  virtual void OnEditCell(int nRow, int nCol, UINT nChar);
  virtual CWnd* CreateInPlaceEditor(const RECT& rect, DWORD dwStyle, UINT nID, int nRow, int nCol, LPCTSTR szText,
                                    UINT nChar);
  virtual void OnEndEditCell(int nRow, int nCol, CString str);
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  // Opens the editor of the focus cell with the key that led there.
  void OnEditFocusCell(UINT nChar);
  static constexpr UINT kEditFocusCell = WM_USER + 0x4E0;

  virtual CGridCell* CreateCell(int nRow, int nCol);
  virtual void DestroyCell(CGridCell* pCell, int nRow, int nCol);
  // Tells the owner by WM_NOTIFY; the owner's result.
  LRESULT SendMessageToParent(int nRow, int nCol, UINT nMessage);

  virtual void OnDraw(CDC* pDC);
  virtual BOOL DrawFixedCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk = FALSE);
  virtual BOOL DrawCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk = FALSE);
  void EraseBkgnd(CDC* pDC);

  void OnPaint() override;
  void OnSize(UINT nType, int cx, int cy) override;
  void OnSetFont(CFont* pFont);
  CFont* OnGetFont();
  void OnSysColorChange();
  virtual void OnHScroll(UINT nSBCode, UINT nPos);
  virtual void OnVScroll(UINT nSBCode, UINT nPos);
  // A scroll code of the bar SB_HORZ or SB_VERT.
  void ScrollAlong(int nBar, UINT nSBCode);

  BOOL IsValid(int nRow, int nCol) const;
  BOOL IsValid(const CCellID& cell) const;
  // The font of a cell as drawn, with the weight given when not 0.
  void SelectCellFont(CDC* pDC, CFont& font, const LOGFONT& lf, LONG weight) const;
  void DrawCellText(CDC* pDC, const CGridCell& owner, CRect rect, UINT nFormat);

  // Colours.
  COLORREF m_crTextColour;
  COLORREF m_crTextBkColour;
  COLORREF m_crBkColour;
  COLORREF m_crFixedTextColour;
  COLORREF m_crFixedBkColour;
  COLORREF m_crGridColour;
  COLORREF m_crWindowText;
  COLORREF m_crWindowColour;
  COLORREF m_cr3DFace;
  COLORREF m_crShadow;

  // Flags.
  int m_nGridLines = GVL_BOTH;
  BOOL m_bEditable = TRUE;
  BOOL m_bModified = FALSE;
  BOOL m_bAllowDragAndDrop = FALSE;
  BOOL m_bListMode = FALSE;
  BOOL m_bSingleRowSelection = FALSE;
  BOOL m_bAllowDraw = TRUE;
  BOOL m_bEnableSelection = TRUE;
  BOOL m_bSortOnClick = TRUE;
  BOOL m_bHandleTabKey = TRUE;
  BOOL m_bDoubleBuffer = TRUE;
  BOOL m_bTitleTips = TRUE;

  // Table.
  int m_nRows = 0;
  int m_nFixedRows = 0;
  int m_nCols = 0;
  int m_nFixedCols = 0;
  std::vector<UINT> m_arRowHeights;
  std::vector<UINT> m_arColWidths;
  int m_nMargin = 0;
  int m_nDefCellWidth = 30;
  int m_nDefCellHeight = 10;
  int m_nVScrollMax = 0;
  int m_nHScrollMax = 0;

  LOGFONT m_Logfont;
  CFont m_PrinterFont;
  CFont m_Font;
  CImageList* m_pImageList = nullptr;
  std::vector<std::vector<std::unique_ptr<CGridCell>>> m_RowData;

  // Input state.
  int m_MouseMode = 0;
  CPoint m_LeftClickDownPoint;
  CPoint m_LastMousePoint;
  CCellID m_LeftClickDownCell;
  CCellID m_SelectionStartCell;
  CCellID m_idCurrentCell;
  UINT_PTR m_nTimerID = 0;
  UINT m_nTimerInterval = 25;
  int m_nResizeCaptureRange = 3;
  BOOL m_bAllowRowResize = TRUE;
  BOOL m_bAllowColumnResize = TRUE;
  int m_nRowsPerWheelNotch = 3;
  // Key (column << 16) | (row & 0xFFFF).
  std::map<DWORD, CCellID> m_SelectedCellMap;
  std::map<DWORD, CCellID> m_PrevSelectedCellMap;

  CTitleTip m_TitleTip;
  CCellID m_LastDragOverCell;
  std::unique_ptr<CGridCtrlDropTarget> m_pDropTarget;

  // Printing.
  CSize m_CharSize;
  int m_nPageHeight = 0;
  CSize m_LogicalPageSize;
  CSize m_PaperSize;

  BOOL m_bAscending = TRUE;
  int m_SortColumn = -1;

  // Drop-down choices: per cell at row * 256 + column, or per column at the column.
  std::map<int, CStringArray> m_OptionTable;
  std::vector<std::pair<int, int>> m_ListCells;
  bool m_bPerCellOptions = false;
  bool m_bPerColumnOptions = false;

private:
  // The divider band of a row or column being sized, drawn inverted over the grid.
  void MoveSizingBand(const CRect& band);
  // The point held inside the area the cursor is confined to while a divider is dragged.
  CPoint ConfinedPoint(CPoint point) const;
  void ShowTitleTip(const CCellID& cell);

  BOOL ResizeRows(int nRows);
  BOOL ResizeColumns(int nCols);
  void ApplyFont(const LOGFONT& lf);
  void LayoutScrollBars();
  static DWORD CellKey(int nRow, int nCol) { return (static_cast<DWORD>(nCol) << 16) | (static_cast<DWORD>(nRow) & 0xFFFF); }

  CRect m_rectSizingBand;
  bool m_bCursorConfined = false;
  CRect m_rectCursorClip;
  int m_nSizingIndex = -1;
  std::unique_ptr<QObject> m_pKeyFilter;

  CScrollBar m_HScroll;
  CScrollBar m_VScroll;
  bool m_bHScrollShown = false;
  bool m_bVScrollShown = false;
};
