// Bottom straight bars of the whole elevation.
// A value record held by value in its owner's list; copying copies every field.
#pragma once

#include "CBent_BALSteel.h"

class CBent_LUMSteel : public CBent_BALSteel {
public:
    CBent_LUMSteel();
    CBent_LUMSteel(const CBent_LUMSteel& other) = default;
    CBent_LUMSteel& operator=(const CBent_LUMSteel& other) = default;
    // Field by field, the base record's fields included.
    bool operator==(const CBent_LUMSteel& other) const = default;
    ~CBent_LUMSteel() override = default;

    // Base defaults, then kind 3.
    void Reset();
};
