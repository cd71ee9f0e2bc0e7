// Bar record with a left and a right distance.
#include "CBent_BALSteel.h"

#include <utility>

CBent_BALSteel::CBent_BALSteel() { Reset(); }

void CBent_BALSteel::Reset()
{
    CBent_BASSteel::Reset();
    m_dLeftDistance = 0.0;
    m_dRightDistance = 0.0;
}

void CBent_BALSteel::SwapDistances() { std::swap(m_dLeftDistance, m_dRightDistance); }
