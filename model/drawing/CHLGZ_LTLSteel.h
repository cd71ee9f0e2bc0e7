// Drawing-side top-plate bars of a face.
#pragma once

#include "CBent_LTLSteel.h"
#include "CHLGZ_BALSteel.h"

class CHLGZ_LTLSteel : public CHLGZ_BALSteel {
public:
    CHLGZ_LTLSteel();
    CHLGZ_LTLSteel(const CHLGZ_LTLSteel& other) = default;
    CHLGZ_LTLSteel& operator=(const CHLGZ_LTLSteel& other) = default;
    ~CHLGZ_LTLSteel() override = default;

    // Base reset, then kind 0 and both distances 50.
    void Reset();
    void AssignFrom(const CBent_LTLSteel& design) { CHLGZ_BALSteel::AssignFrom(design); }
};
