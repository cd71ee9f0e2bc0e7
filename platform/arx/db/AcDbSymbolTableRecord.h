// Base of the named records of the nine symbol tables. Names compare without regard to case;
// a record's name must pass the platform's symbol-name check.
#pragma once

#include "AcDbObject.h"

#include <string>

class AcDbSymbolTableRecord : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbSymbolTableRecord);

    // A copy the caller frees with acutDelString.
    Acad::ErrorStatus getName(ACHAR*& pName) const;
    // The record's own text, valid while the record is unchanged.
    Acad::ErrorStatus getName(const ACHAR*& pName) const;
    const std::wstring& name() const { return mName; }
    // eInvalidInput for a name the symbol-name check refuses; eDuplicateRecordName when
    // another record of the same table has it.
    Acad::ErrorStatus setName(const ACHAR* pName);

    bool isDependent() const { return mName.find(L'|') != std::wstring::npos; }
    bool isResolved() const { return true; }

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

protected:
    // Writes "2 name" and "70 flags", the start of every record's own subclass data.
    void dxfOutNameAndFlags(AcDbDxfFiler* filer, int flags) const;
    // The name as read from a record's "2" group; files may hold names we would refuse.
    void dxfInName(const std::wstring& name) { mName = name; }

private:
    std::wstring mName;
};

// Frees a string the database handed out (names, layer of an entity) and nulls the pointer.
void acutDelString(ACHAR*& pString);
// The platform's symbol-name check: RTNORM for a valid name, RTERROR otherwise.
// With pipeAllowed false a vertical bar is refused.
int acdbSNValid(const ACHAR* tbstr, bool pipeAllowed);
// Symbol names compare without regard to case.
bool acdbSymbolNamesEqual(const std::wstring& a, const std::wstring& b);
