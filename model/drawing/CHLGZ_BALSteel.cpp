// Drawing-side bar record with a left and a right distance.
#include "CHLGZ_BALSteel.h"

CHLGZ_BALSteel::CHLGZ_BALSteel() { Reset(); }

CHLGZ_BALSteel::CHLGZ_BALSteel(const CHLGZ_BALSteel& other) : CHLGZ_BALSteel() { *this = other; }

CHLGZ_BALSteel& CHLGZ_BALSteel::operator=(const CHLGZ_BALSteel& other)
{
    CHLGZ_BASSteel::operator=(other);
    m_dLeftDistance = other.m_dLeftDistance;
    m_dRightDistance = other.m_dRightDistance;
    return *this;
}

void CHLGZ_BALSteel::Reset()
{
    CHLGZ_BASSteel::Reset();
    m_dLeftDistance = 0.0;
    m_dRightDistance = 0.0;
}

void CHLGZ_BALSteel::AssignFrom(const CBent_BALSteel& design)
{
    CHLGZ_BASSteel::AssignFrom(design);
    m_dLeftDistance = design.GetLeftDistance();
    m_dRightDistance = design.GetRightDistance();
}
