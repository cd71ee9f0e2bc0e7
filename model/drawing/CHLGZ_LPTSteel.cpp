// Drawing-side upper bent-up bars at one support.
#include "CHLGZ_LPTSteel.h"

CHLGZ_LPTSteel::CHLGZ_LPTSteel() { Reset(); }

CHLGZ_LPTSteel::CHLGZ_LPTSteel(const CHLGZ_LPTSteel& other) : CHLGZ_LPTSteel() { *this = other; }

CHLGZ_LPTSteel& CHLGZ_LPTSteel::operator=(const CHLGZ_LPTSteel& other)
{
    CHLGZ_BASSteel::operator=(other);
    m_nBendSetting = other.m_nBendSetting;
    m_nBarBendType = other.m_nBarBendType;
    m_dLeftAxisDistance = other.m_dLeftAxisDistance;
    m_dRightAxisDistance = other.m_dRightAxisDistance;
    m_nConnectFlag = other.m_nConnectFlag;
    return *this;
}

void CHLGZ_LPTSteel::Reset()
{
    CHLGZ_BASSteel::Reset();
    SetKind(5);
    m_nBendSetting = 30;
    m_nBarBendType = 0;
    m_dLeftAxisDistance = 0.0;
    m_dRightAxisDistance = 0.0;
    m_nConnectFlag = 0;
}

void CHLGZ_LPTSteel::AssignFrom(const CBent_LPTSteel& design)
{
    CHLGZ_BASSteel::AssignFrom(design);
    m_nBendSetting = design.GetBendSetting();
    m_nBarBendType = design.GetBendType();
    m_dLeftAxisDistance = design.GetLeftAxisDistance();
    m_dRightAxisDistance = design.GetRightAxisDistance();
    m_nConnectFlag = design.GetConnectFlag();
}

void CHLGZ_LPTSteel::SetAxisDistances(double left, double right)
{
    m_dLeftAxisDistance = left;
    m_dRightAxisDistance = right;
}
