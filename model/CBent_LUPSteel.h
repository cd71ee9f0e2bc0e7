// Top straight bars of the whole elevation.
// A value record held by value in its owner's list; copying copies every field.
#pragma once

#include "CBent_BALSteel.h"

class CBent_LUPSteel : public CBent_BALSteel {
public:
    CBent_LUPSteel();
    CBent_LUPSteel(const CBent_LUPSteel& other) = default;
    CBent_LUPSteel& operator=(const CBent_LUPSteel& other) = default;
    // Field by field, the base record's fields included.
    bool operator==(const CBent_LUPSteel& other) const = default;
    ~CBent_LUPSteel() override = default;

    // Base defaults, then kind 2.
    void Reset();
};
