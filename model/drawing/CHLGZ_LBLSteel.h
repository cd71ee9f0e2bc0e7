// Drawing-side bottom-plate bars of a face.
#pragma once

#include "CBent_LBLSteel.h"
#include "CHLGZ_BASSteel.h"

class CHLGZ_LBLSteel : public CHLGZ_BASSteel {
public:
    CHLGZ_LBLSteel();
    CHLGZ_LBLSteel(const CHLGZ_LBLSteel& other) = default;
    CHLGZ_LBLSteel& operator=(const CHLGZ_LBLSteel& other) = default;
    ~CHLGZ_LBLSteel() override = default;

    // Base reset, then kind 1.
    void Reset();
    void AssignFrom(const CBent_LBLSteel& design) { CHLGZ_BASSteel::AssignFrom(design); }
};
