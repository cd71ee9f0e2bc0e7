// Top-plate bars of a face, placed by their distances from the top plate's sides.
// A value record held by value in its owner's list; copying copies every field.
#pragma once

#include "CBent_BALSteel.h"

class CBent_LTLSteel : public CBent_BALSteel {
public:
    CBent_LTLSteel();
    CBent_LTLSteel(const CBent_LTLSteel& other) = default;
    CBent_LTLSteel& operator=(const CBent_LTLSteel& other) = default;
    // Field by field, the base record's fields included.
    bool operator==(const CBent_LTLSteel& other) const = default;
    ~CBent_LTLSteel() override = default;

    // Base defaults, then kind 0 and both distances 50.
    void Reset();
};
