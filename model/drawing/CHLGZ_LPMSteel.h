// Drawing-side bottom straight bars at one support.
#pragma once

#include "CBent_LPMSteel.h"
#include "CHLGZ_BALSteel.h"

class CHLGZ_LPMSteel : public CHLGZ_BALSteel {
public:
    CHLGZ_LPMSteel();
    CHLGZ_LPMSteel(const CHLGZ_LPMSteel& other) = default;
    CHLGZ_LPMSteel& operator=(const CHLGZ_LPMSteel& other) = default;
    ~CHLGZ_LPMSteel() override = default;

    // Base reset, then kind 3.
    void Reset();
    void AssignFrom(const CBent_LPMSteel& design) { CHLGZ_BALSteel::AssignFrom(design); }
};
