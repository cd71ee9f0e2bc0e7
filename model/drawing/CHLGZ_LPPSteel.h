// Drawing-side top straight bars at one support.
#pragma once

#include "CBent_LPPSteel.h"
#include "CHLGZ_BALSteel.h"

class CHLGZ_LPPSteel : public CHLGZ_BALSteel {
public:
    CHLGZ_LPPSteel();
    CHLGZ_LPPSteel(const CHLGZ_LPPSteel& other) = default;
    CHLGZ_LPPSteel& operator=(const CHLGZ_LPPSteel& other) = default;
    ~CHLGZ_LPPSteel() override = default;

    // Base reset, then kind 2.
    void Reset();
    void AssignFrom(const CBent_LPPSteel& design) { CHLGZ_BALSteel::AssignFrom(design); }
};
