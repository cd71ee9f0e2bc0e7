// Drawing-side upper bent-up bars at one support: left and right axis distance (99999: no
// branch on that side) and whether the bar runs on over the support.
#pragma once

#include "CBent_LPTSteel.h"
#include "CHLGZ_BASSteel.h"

class CHLGZ_LPTSteel : public CHLGZ_BASSteel {
public:
    CHLGZ_LPTSteel();
    CHLGZ_LPTSteel(const CHLGZ_LPTSteel& other);
    CHLGZ_LPTSteel& operator=(const CHLGZ_LPTSteel& other);
    ~CHLGZ_LPTSteel() override = default;

    // Base reset, then kind 5, bend setting 30, bar bend type 0, distances 0, not connected.
    void Reset();
    // The base's design fields, bend setting, bend type, both axis distances, connect flag.
    void AssignFrom(const CBent_LPTSteel& design);

    int GetBendSetting() const { return m_nBendSetting; }
    void SetBendSetting(int setting) { m_nBendSetting = setting; }
    // The design's bend type of the bar; apart from the base record's further integer.
    int GetBarBendType() const { return m_nBarBendType; }
    void SetBarBendType(int bendType) { m_nBarBendType = bendType; }
    double GetLeftAxisDistance() const { return m_dLeftAxisDistance; }
    double GetRightAxisDistance() const { return m_dRightAxisDistance; }
    void SetAxisDistances(double left, double right);
    int GetConnectFlag() const { return m_nConnectFlag; }
    void SetConnectFlag(int flag) { m_nConnectFlag = flag; }

private:
    int m_nBendSetting = 30;
    int m_nBarBendType = 0;
    double m_dLeftAxisDistance = 0.0;
    double m_dRightAxisDistance = 0.0;
    int m_nConnectFlag = 0;
};
