// Drawing-side lower bent-up bars at one support: left and right axis distance and a radius
// (arc bend-down) or height (straight bend-down).
#pragma once

#include "CBent_LPBSteel.h"
#include "CHLGZ_BASSteel.h"

class CHLGZ_LPBSteel : public CHLGZ_BASSteel {
public:
    CHLGZ_LPBSteel();
    CHLGZ_LPBSteel(const CHLGZ_LPBSteel& other);
    CHLGZ_LPBSteel& operator=(const CHLGZ_LPBSteel& other);
    ~CHLGZ_LPBSteel() override = default;

    // Base reset, then kind 7, bend setting 45, bend-down parameter 1, reals 0, extra 0.
    void Reset();
    // The base's design fields, bend setting, bend-down parameter, both axis distances, the
    // radius or height and the extra integer.
    void AssignFrom(const CBent_LPBSteel& design);

    int GetBendSetting() const { return m_nBendSetting; }
    void SetBendSetting(int setting) { m_nBendSetting = setting; }
    // 0 an arc, any other value a straight bend-down.
    int GetBendDownParameter() const { return m_nBendDownParameter; }
    void SetBendDownParameter(int parameter) { m_nBendDownParameter = parameter; }
    double GetLeftAxisDistance() const { return m_dLeftAxisDistance; }
    void SetLeftAxisDistance(double distance) { m_dLeftAxisDistance = distance; }
    double GetRightAxisDistance() const { return m_dRightAxisDistance; }
    void SetRightAxisDistance(double distance) { m_dRightAxisDistance = distance; }
    double GetRadiusOrHeight() const { return m_dRadiusOrHeight; }
    void SetRadiusOrHeight(double value) { m_dRadiusOrHeight = value; }
    // Copied from the design record, which the design file never sets.
    int GetExtraParameter() const { return m_nExtraParameter; }
    void SetExtraParameter(int value) { m_nExtraParameter = value; }

private:
    int m_nBendSetting = 45;
    int m_nBendDownParameter = 1;
    double m_dLeftAxisDistance = 0.0;
    double m_dRightAxisDistance = 0.0;
    double m_dRadiusOrHeight = 0.0;
    int m_nExtraParameter = 0;
};
