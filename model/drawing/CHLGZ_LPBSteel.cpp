// Drawing-side lower bent-up bars at one support.
#include "CHLGZ_LPBSteel.h"

CHLGZ_LPBSteel::CHLGZ_LPBSteel() { Reset(); }

CHLGZ_LPBSteel::CHLGZ_LPBSteel(const CHLGZ_LPBSteel& other) : CHLGZ_LPBSteel() { *this = other; }

CHLGZ_LPBSteel& CHLGZ_LPBSteel::operator=(const CHLGZ_LPBSteel& other)
{
    CHLGZ_BASSteel::operator=(other);
    m_nBendSetting = other.m_nBendSetting;
    m_nBendDownParameter = other.m_nBendDownParameter;
    m_dLeftAxisDistance = other.m_dLeftAxisDistance;
    m_dRightAxisDistance = other.m_dRightAxisDistance;
    m_dRadiusOrHeight = other.m_dRadiusOrHeight;
    m_nExtraParameter = other.m_nExtraParameter;
    return *this;
}

void CHLGZ_LPBSteel::Reset()
{
    CHLGZ_BASSteel::Reset();
    SetKind(7);
    m_nBendSetting = 45;
    m_nBendDownParameter = 1;
    m_dLeftAxisDistance = 0.0;
    m_dRightAxisDistance = 0.0;
    m_dRadiusOrHeight = 0.0;
    m_nExtraParameter = 0;
}

void CHLGZ_LPBSteel::AssignFrom(const CBent_LPBSteel& design)
{
    CHLGZ_BASSteel::AssignFrom(design);
    m_nBendSetting = design.GetBendSetting();
    m_nBendDownParameter = design.GetBendDownParameter();
    m_dLeftAxisDistance = design.GetLeftAxisDistance();
    m_dRightAxisDistance = design.GetRightAxisDistance();
    m_dRadiusOrHeight = design.GetRadiusOrHeight();
    m_nExtraParameter = design.GetFurtherValue();
}
