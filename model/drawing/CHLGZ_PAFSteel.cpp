// Drawing-side stirrups of a face.
#include "CHLGZ_PAFSteel.h"

CHLGZ_PAFSteel::CHLGZ_PAFSteel() { Reset(); }

CHLGZ_PAFSteel::CHLGZ_PAFSteel(const CHLGZ_PAFSteel& other) : CHLGZ_PAFSteel() { *this = other; }

CHLGZ_PAFSteel& CHLGZ_PAFSteel::operator=(const CHLGZ_PAFSteel& other)
{
    CHLGZ_BASSteel::operator=(other);
    m_nStartColumn = other.m_nStartColumn;
    m_nEndColumn = other.m_nEndColumn;
    return *this;
}

void CHLGZ_PAFSteel::Reset()
{
    CHLGZ_BASSteel::Reset();
    SetKind(0);
    m_nStartColumn = 0;
    m_nEndColumn = 0;
}

void CHLGZ_PAFSteel::AssignFrom(const CBent_PAFSteel& design)
{
    CHLGZ_BASSteel::AssignFrom(design);
    m_nStartColumn = design.GetStartColumn();
    m_nEndColumn = design.GetEndColumn();
}
