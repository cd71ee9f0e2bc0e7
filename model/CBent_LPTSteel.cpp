// Upper bent-up bars at one support.
#include "CBent_LPTSteel.h"

#include <utility>

CBent_LPTSteel::CBent_LPTSteel() { Reset(); }

void CBent_LPTSteel::Reset()
{
    CBent_BASSteel::Reset();
    SetKind(5);
    m_nBendSetting = 30;
    m_nBendType = 0;
    m_dLeftAxisDistance = 0.0;
    m_dRightAxisDistance = 0.0;
    m_nConnectFlag = 0;
}

void CBent_LPTSteel::SetAxisDistances(double left, double right)
{
    m_dLeftAxisDistance = left;
    m_dRightAxisDistance = right;
}

void CBent_LPTSteel::GetAxisDistances(double& left, double& right) const
{
    left = m_dLeftAxisDistance;
    right = m_dRightAxisDistance;
}

void CBent_LPTSteel::SwapAxisDistances() { std::swap(m_dLeftAxisDistance, m_dRightAxisDistance); }
