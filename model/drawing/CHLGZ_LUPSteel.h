// Drawing-side top straight bars of the whole elevation.
#pragma once

#include "CBent_LUPSteel.h"
#include "CHLGZ_BALSteel.h"

class CHLGZ_LUPSteel : public CHLGZ_BALSteel {
public:
    CHLGZ_LUPSteel();
    CHLGZ_LUPSteel(const CHLGZ_LUPSteel& other) = default;
    CHLGZ_LUPSteel& operator=(const CHLGZ_LUPSteel& other) = default;
    ~CHLGZ_LUPSteel() override = default;

    // Base reset, then kind 2.
    void Reset();
    void AssignFrom(const CBent_LUPSteel& design) { CHLGZ_BALSteel::AssignFrom(design); }
};
