// Top straight bars at one support.
// A value record held by value in its owner's list; copying copies every field.
#pragma once

#include "CBent_BALSteel.h"

class CBent_LPPSteel : public CBent_BALSteel {
public:
    CBent_LPPSteel();
    CBent_LPPSteel(const CBent_LPPSteel& other) = default;
    CBent_LPPSteel& operator=(const CBent_LPPSteel& other) = default;
    // Field by field, the base record's fields included.
    bool operator==(const CBent_LPPSteel& other) const = default;
    ~CBent_LPPSteel() override = default;

    // Base defaults, then kind 2.
    void Reset();
};
