// System variables with their types, defaults and limits. Some live in the host (CMDECHO,
// OSMODE, SORTENTS), some in the working database (LTSCALE, CLAYER, ...), and some are
// computed (CDATE, DWGNAME). Names are matched without regard to case.
#pragma once

#include "resbuf.h"

#include <functional>
#include <map>
#include <string>

class HostSystemVariables {
public:
    HostSystemVariables();

    // RTNORM with the value in *result (a string is new, freed with the list by acutRelRb);
    // RTERROR for an unknown name.
    int get(const ACHAR* name, resbuf* result) const;
    // RTNORM when set; RTERROR for an unknown name; RTREJ for a read-only variable, a value
    // of the wrong type or one out of range.
    int set(const ACHAR* name, const resbuf* value);
    bool has(const ACHAR* name) const;
    // Puts the host's own variables back to their defaults (a new session).
    void reset();

private:
    struct Variable {
        short type = RTSHORT;
        std::function<void(resbuf&)> read;
        // Null for a read-only variable; false refuses the value.
        std::function<bool(const resbuf&)> write;
    };

    void addShort(const std::wstring& name, short initial, short lowest, short highest);
    const Variable* find(const ACHAR* name) const;

    std::map<std::wstring, Variable> mVariables;
    std::map<std::wstring, short> mShorts;
    std::map<std::wstring, short> mDefaults;
};
