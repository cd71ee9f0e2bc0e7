// What the skeleton-spacing dialog holds.
#include "CSkeletonSpacingChoice.h"

#include "AutoSpacingCommands.h"

CSkeletonSpacingChoice::CSkeletonSpacingChoice(double width, double cover, int index)
    : m_width(width), m_cover(cover), m_index(index), m_editAllowed(FALSE), m_openedCover(cover), m_openedIndex(index)
{
    Recompute();
}

void CSkeletonSpacingChoice::AllowEdit(BOOL allow)
{
    m_editAllowed = allow;
    if (allow)
        return;
    m_cover = m_openedCover;
    m_index = m_openedIndex;
    Recompute();
}

void CSkeletonSpacingChoice::SetCover(double cover)
{
    if (m_editAllowed)
        m_cover = cover;
}

void CSkeletonSpacingChoice::SetIndex(int index)
{
    if (!m_editAllowed)
        return;
    m_index = index;
    Recompute();
}

BOOL CSkeletonSpacingChoice::Confirm(HWND owner) const
{
    return ConfirmSkeletonSpacing(m_width, m_cover, m_index, m_openedCover, m_openedIndex, owner);
}

void CSkeletonSpacingChoice::Recompute() { m_formula = SkeletonSpacingFormulaText(m_width, m_cover, m_index); }
