// Drawing-side bottom straight bars of the whole elevation.
#pragma once

#include "CBent_LUMSteel.h"
#include "CHLGZ_BALSteel.h"

class CHLGZ_LUMSteel : public CHLGZ_BALSteel {
public:
    CHLGZ_LUMSteel();
    CHLGZ_LUMSteel(const CHLGZ_LUMSteel& other) = default;
    CHLGZ_LUMSteel& operator=(const CHLGZ_LUMSteel& other) = default;
    ~CHLGZ_LUMSteel() override = default;

    // Base reset, then kind 3.
    void Reset();
    void AssignFrom(const CBent_LUMSteel& design) { CHLGZ_BALSteel::AssignFrom(design); }
};
