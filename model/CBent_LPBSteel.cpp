// Lower bent-up bars at one support.
#include "CBent_LPBSteel.h"

#include <utility>

CBent_LPBSteel::CBent_LPBSteel() { Reset(); }

void CBent_LPBSteel::Reset()
{
    CBent_BASSteel::Reset();
    SetKind(7);
    m_nBendSetting = 45;
    m_nBendDownParameter = 1;
    m_dLeftAxisDistance = 0.0;
    m_dRightAxisDistance = 0.0;
    m_dRadiusOrHeight = 0.0;
    m_nFurtherValue = 0;
}

void CBent_LPBSteel::SetDistancesAndRadius(double left, double right, double radiusOrHeight)
{
    m_dLeftAxisDistance = left;
    m_dRightAxisDistance = right;
    m_dRadiusOrHeight = radiusOrHeight;
}

void CBent_LPBSteel::GetDistancesAndRadius(double& left, double& right, double& radiusOrHeight) const
{
    left = m_dLeftAxisDistance;
    right = m_dRightAxisDistance;
    radiusOrHeight = m_dRadiusOrHeight;
}

void CBent_LPBSteel::SwapAxisDistances() { std::swap(m_dLeftAxisDistance, m_dRightAxisDistance); }
