// Bottom-plate bars of a face.
// A value record held by value in its owner's list; copying copies every field.
#pragma once

#include "CBent_BASSteel.h"

class CBent_LBLSteel : public CBent_BASSteel {
public:
    CBent_LBLSteel();
    CBent_LBLSteel(const CBent_LBLSteel& other) = default;
    CBent_LBLSteel& operator=(const CBent_LBLSteel& other) = default;
    // Field by field, the base record's fields included.
    bool operator==(const CBent_LBLSteel& other) const = default;
    ~CBent_LBLSteel() override = default;

    // Base defaults, then kind 1.
    void Reset();
};
