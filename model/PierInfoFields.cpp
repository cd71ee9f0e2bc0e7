// The scalar fields and texts of a cap-beam design's root record.
#include "PierInfoFields.h"

void PierInfoFields::ResetFields()
{
    // Both records' Reset leaves the covers as they are, so they are carried over the defaults.
    PierInfoFields defaults;
    defaults.m_dTopCover = m_dTopCover;
    defaults.m_dBottomCover = m_dBottomCover;
    defaults.m_dSideCover = m_dSideCover;
    defaults.m_dEndCover = m_dEndCover;
    defaults.m_dAnchorSealingCover = m_dAnchorSealingCover;
    defaults.m_dFurtherCover = m_dFurtherCover;
    *this = defaults;
}
