// Drawing-side bar record with a left and a right distance: the base of the top-plate bars and
// of the four straight-bar families.
#pragma once

#include "CBent_BALSteel.h"
#include "CHLGZ_BASSteel.h"

class CHLGZ_BALSteel : public CHLGZ_BASSteel {
public:
    CHLGZ_BALSteel();
    CHLGZ_BALSteel(const CHLGZ_BALSteel& other);
    CHLGZ_BALSteel& operator=(const CHLGZ_BALSteel& other);
    ~CHLGZ_BALSteel() override = default;

    // Base reset, both distances 0.
    void Reset();
    // The base's design fields, then the left and right distance.
    void AssignFrom(const CBent_BALSteel& design);

    double GetLeftDistance() const { return m_dLeftDistance; }
    void SetLeftDistance(double distance) { m_dLeftDistance = distance; }
    double GetRightDistance() const { return m_dRightDistance; }
    void SetRightDistance(double distance) { m_dRightDistance = distance; }

private:
    double m_dLeftDistance = 0.0;
    double m_dRightDistance = 0.0;
};
