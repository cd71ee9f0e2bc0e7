// The scalar fields and texts of a cap-beam design's root record.
#include "PierInfoFields.h"

void PierInfoFields::ResetFields()
{
    // The covers belong to the engineer's practice rather than to one design, so a reset keeps them.
    PierInfoFields defaults;
    defaults.m_dTopCover = m_dTopCover;
    defaults.m_dBottomCover = m_dBottomCover;
    defaults.m_dSideCover = m_dSideCover;
    defaults.m_dEndCover = m_dEndCover;
    defaults.m_dAnchorSealingCover = m_dAnchorSealingCover;
    defaults.m_dFurtherCover = m_dFurtherCover;
    *this = defaults;
}
