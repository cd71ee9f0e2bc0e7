// What the side-spacing dialog holds.
#include "CSideSpacingChoice.h"

#include "AutoSpacingCommands.h"

CSideSpacingChoice::CSideSpacingChoice(double height, double topCover, double bottomCover, int index)
    : m_height(height), m_topCover(topCover), m_bottomCover(bottomCover), m_index(index)
{
    SetIndex(index);
}

void CSideSpacingChoice::SetIndex(int index)
{
    m_index = index;
    m_formula = SideSpacingFormulaText(m_height, m_topCover, m_bottomCover, m_index);
}

BOOL CSideSpacingChoice::Confirm(HWND owner) const
{
    return ConfirmSideSpacing(m_height, m_topCover, m_bottomCover, m_index, owner);
}
