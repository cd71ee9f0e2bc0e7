// Bottom straight bars at one support.
// A value record held by value in its owner's list; copying copies every field.
#pragma once

#include "CBent_BALSteel.h"

class CBent_LPMSteel : public CBent_BALSteel {
public:
    CBent_LPMSteel();
    CBent_LPMSteel(const CBent_LPMSteel& other) = default;
    CBent_LPMSteel& operator=(const CBent_LPMSteel& other) = default;
    // Field by field, the base record's fields included.
    bool operator==(const CBent_LPMSteel& other) const = default;
    ~CBent_LPMSteel() override = default;

    // Base defaults, then kind 3.
    void Reset();
};
