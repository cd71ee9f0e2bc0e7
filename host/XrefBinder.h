// Binds the external references of a drawing before it is saved for the user: each reference
// block gets the entities of the drawing it names and stops being a reference, so that the
// saved file stands alone in any CAD program.
#pragma once

#include <string>
#include <vector>

class AcDbDatabase;

class XrefBinder {
public:
    // Binds every external reference of the drawing; a referenced drawing that cannot be read
    // leaves its reference as it was and is named in `unbound` (block name and path).
    static void bindAll(AcDbDatabase* db, std::vector<std::wstring>& unbound);
};
