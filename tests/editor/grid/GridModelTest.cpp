// The grid's table: counts, cells, sizes, the modified mark, merged header blocks and the
// drop-down choices of list cells.
#include "GridTestSupport.h"

#include <gtest/gtest.h>

namespace {

class GridModelTest : public ::testing::Test, protected GridTestBase {};

} // namespace

TEST_F(GridModelTest, EmptyGridGrowsToItsFixedCounts)
{
  CGridCtrl grid(0, 0, 0, 0);
  EXPECT_EQ(grid.GetRowCount(), 0);
  EXPECT_EQ(grid.GetCell(0, 0), nullptr);
  EXPECT_EQ(grid.GetVirtualHeight(), 0);
  EXPECT_TRUE(grid.SetFixedRowCount(1));
  EXPECT_EQ(grid.GetRowCount(), 1);
  EXPECT_EQ(grid.GetFixedRowCount(), 1);
  EXPECT_TRUE(grid.SetFixedColumnCount(2));
  EXPECT_EQ(grid.GetColumnCount(), 2);
  EXPECT_NE(grid.GetCell(0, 1), nullptr);
}

TEST_F(GridModelTest, GrowingAndShrinkingKeepTheTextsOfRemainingCells)
{
  auto grid = MakeGrid(4, 3, 1, 1);
  CGridItem header;
  header.row = 2;
  header.col = 2;
  header.mask = GVIF_TEXT | GVIF_FORMAT;
  header.szText = L"中";
  header.nFormat = GRID_CENTRED_FORMAT;
  ASSERT_TRUE(grid->SetItem(&header));

  ASSERT_TRUE(grid->SetRowCount(6));
  ASSERT_TRUE(grid->SetColumnCount(5));
  EXPECT_EQ(grid->GetItemText(3, 1), L"3,1");
  EXPECT_EQ(grid->GetItemText(2, 2), L"中");
  EXPECT_EQ(grid->GetItemText(5, 4), L"");
  // A new cell takes the format of the cell above it.
  EXPECT_EQ(grid->GetItemFormat(3, 2), 0u);
  grid->SetRowCount(3);
  grid->SetRowCount(4);
  EXPECT_EQ(grid->GetItemFormat(3, 2), static_cast<UINT>(GRID_CENTRED_FORMAT));
  EXPECT_EQ(grid->GetItemText(3, 2), L"");

  ASSERT_TRUE(grid->SetColumnCount(2));
  EXPECT_EQ(grid->GetItemText(1, 1), L"1,1");
  EXPECT_EQ(grid->GetItemText(1, 2), L"");
  EXPECT_EQ(grid->GetCell(1, 2), nullptr);
}

TEST_F(GridModelTest, ShrinkingResetsTheFocusAndTheFixedCounts)
{
  auto grid = MakeGrid(6, 4, 2, 1);
  grid->SetFocusCell(4, 2);
  m_owner.notices.clear();
  ASSERT_TRUE(grid->SetRowCount(4));
  EXPECT_FALSE(grid->GetFocusCell().IsValid());
  ASSERT_NE(m_owner.Last(GVN_SELCHANGING), nullptr);
  EXPECT_EQ(m_owner.Last(GVN_SELCHANGING)->row, 4);
  grid->SetRowCount(1);
  EXPECT_EQ(grid->GetFixedRowCount(), 1);
  grid->SetColumnCount(0);
  EXPECT_EQ(grid->GetFixedColumnCount(), 0);
}

TEST_F(GridModelTest, CellOperationsOutsideTheTableFailQuietly)
{
  auto grid = MakeGrid(3, 3, 1, 1);
  CGridItem item;
  item.row = 3;
  item.col = 0;
  item.mask = GVIF_TEXT;
  EXPECT_FALSE(grid->SetItem(&item));
  EXPECT_FALSE(grid->GetItem(&item));
  EXPECT_FALSE(grid->SetItemText(-1, 0, L"x"));
  EXPECT_EQ(grid->GetItemText(0, 3), L"");
  EXPECT_EQ(grid->GetItemState(5, 5), 0u);
  EXPECT_EQ(grid->GetItemImage(5, 5), -1);
  EXPECT_FALSE(grid->IsCellEditable(3, 3));
  EXPECT_EQ(grid->GetRowHeight(3), -1);
  EXPECT_EQ(grid->GetColumnWidth(-1), -1);
  const int width = grid->GetColumnWidth(1);
  EXPECT_FALSE(grid->SetColumnWidth(1, -1));
  EXPECT_EQ(grid->GetColumnWidth(1), width);
  EXPECT_FALSE(grid->SetRowHeight(9, 20));
  EXPECT_TRUE(grid->SetColumnWidth(1, 0));
  EXPECT_EQ(grid->GetVirtualWidth(), 2 * width);
}

TEST_F(GridModelTest, SelectedStateKeepsTheSelectionCountButSetItemDoesNot)
{
  auto grid = MakeGrid(4, 4, 1, 1);
  grid->SetItemState(2, 2, GVIS_SELECTED);
  EXPECT_EQ(grid->GetSelectedCount(), 1);
  grid->SetItemState(2, 2, 0);
  EXPECT_EQ(grid->GetSelectedCount(), 0);
  CGridItem item;
  item.row = 1;
  item.col = 1;
  item.mask = GVIF_STATE;
  item.state = GVIS_SELECTED;
  grid->SetItem(&item);
  EXPECT_EQ(grid->GetSelectedCount(), 0);
  EXPECT_EQ(grid->GetItemState(1, 1), static_cast<UINT>(GVIS_SELECTED));
}

TEST_F(GridModelTest, ModifiedMarkForOneCellOrTheGrid)
{
  auto grid = MakeGrid(4, 4, 1, 1);
  grid->SetModified(TRUE, 2, 3);
  EXPECT_TRUE(grid->GetModified());
  EXPECT_TRUE(grid->GetItemState(2, 3) & GVIS_MODIFIED);
  grid->SetModified(FALSE, 2, 3);
  EXPECT_FALSE(grid->GetItemState(2, 3) & GVIS_MODIFIED);
  EXPECT_TRUE(grid->GetModified());

  // Row 0 names the whole grid.
  grid->SetModified(TRUE, 1, 1);
  grid->SetModified(TRUE, 0, 5);
  EXPECT_TRUE(grid->GetModified());
  EXPECT_TRUE(grid->GetItemState(1, 1) & GVIS_MODIFIED);
  grid->SetModified(FALSE);
  EXPECT_FALSE(grid->GetModified());
  EXPECT_FALSE(grid->GetItemState(1, 1) & GVIS_MODIFIED);
}

TEST_F(GridModelTest, EditableNeedsAnEditableGridAndAnUnlockedWritableCell)
{
  auto grid = MakeGrid(4, 4, 1, 1);
  EXPECT_TRUE(grid->IsCellEditable(0, 0));
  EXPECT_TRUE(grid->IsCellEditable(2, 2));
  grid->SetCellReadOnly(2, 2);
  EXPECT_FALSE(grid->IsCellEditable(2, 2));
  grid->GetCell(2, 3)->locked = 1;
  EXPECT_FALSE(grid->IsCellEditable(2, 3));
  grid->SetEditable(FALSE);
  EXPECT_FALSE(grid->IsCellEditable(1, 1));
}

TEST_F(GridModelTest, OnlyHeaderBlocksMergeAndBlocksDoNotOverlap)
{
  auto grid = MakeGrid(6, 5, 2, 1);
  EXPECT_NE(grid->MergeCells(0, 1, 1, 0), 0);
  EXPECT_EQ(grid->GetCell(0, 1)->rowSpan, 1);
  EXPECT_EQ(grid->GetCell(0, 1)->colSpan, 0);
  EXPECT_EQ(grid->GetCell(1, 1)->merged, 1u);
  EXPECT_EQ(grid->GetMergeOwner(1, 1), CCellID(0, 1));

  // The data area is refused; so is a corner outside the table.
  EXPECT_EQ(grid->MergeCells(2, 2, 1, 1), 0);
  EXPECT_EQ(grid->GetCell(2, 2)->rowSpan, 0);
  EXPECT_EQ(grid->MergeCells(0, 4, 0, 1), 0);

  // Negative extents count as their size; a block touching another changes nothing.
  EXPECT_NE(grid->MergeCells(0, 2, 0, -2), 0);
  EXPECT_EQ(grid->GetCell(0, 2)->colSpan, 2);
  EXPECT_EQ(grid->GetMergeOwner(0, 4), CCellID(0, 2));
  EXPECT_NE(grid->MergeCells(0, 0, 0, 1), 0);
  EXPECT_EQ(grid->GetCell(0, 0)->colSpan, 0);
  EXPECT_EQ(grid->GetCell(0, 1)->merged, 0u);
}

TEST_F(GridModelTest, ListChoicesPerColumnUntilChoicesPerCellAreGiven)
{
  auto grid = MakeGrid(6, 4, 1, 1);
  grid->AddListCell(3, 2);
  grid->AddListCell(3, 2);
  EXPECT_TRUE(grid->IsListCell(3, 2));
  EXPECT_FALSE(grid->IsListCell(2, 3));
  EXPECT_EQ(grid->GetCellListItems(3, 2), nullptr);

  CStringArray choices;
  choices.Add(L"HRB400");
  choices.Add(L"HPB300");
  grid->SetCellListItems(3, 2, choices);
  ASSERT_NE(grid->GetCellListItems(3, 2), nullptr);
  EXPECT_EQ(grid->GetCellListItems(3, 2)->GetSize(), 2);
  EXPECT_EQ(grid->GetCellListItems(3, 2)->GetAt(1), L"HPB300");
  EXPECT_EQ(grid->GetCellListItems(2, 2), nullptr);
  // Beyond the table of choices nothing is kept.
  grid->SetCellListItems(4096, 2, choices);
  EXPECT_EQ(grid->GetCellListItems(4096, 2), nullptr);

  // Emptying the grid keeps the list cells and their choices.
  grid->DeleteAllItems();
  EXPECT_EQ(grid->GetRowCount(), 0);
  EXPECT_TRUE(grid->IsListCell(3, 2));
  EXPECT_NE(grid->GetCellListItems(3, 2), nullptr);
}
