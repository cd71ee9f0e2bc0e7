// Stirrups of a face.
#include "CBent_PAFSteel.h"

CBent_PAFSteel::CBent_PAFSteel() { Reset(); }

void CBent_PAFSteel::Reset()
{
    CBent_BASSteel::Reset();
    SetKind(0);
    m_nStartColumn = 0;
    m_nEndColumn = 0;
}
