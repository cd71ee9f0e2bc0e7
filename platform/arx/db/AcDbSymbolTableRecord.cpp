// Names are checked here once for all tables; the table owning a record refuses a duplicate.
#include "AcDbSymbolTableRecord.h"

#include "AcDbDatabase.h"
#include "AcDbDxfFiler.h"
#include "AcDbSymbolTable.h"

#include <cstdlib>
#include <cwctype>

ACRX_DEFINE_MEMBERS(AcDbSymbolTableRecord, AcDbObject)

void acutDelString(ACHAR*& pString)
{
    std::free(pString);
    pString = nullptr;
}

int acdbSNValid(const ACHAR* tbstr, bool pipeAllowed)
{
    if (tbstr == nullptr || tbstr[0] == 0)
        return RTERROR;
    const std::wstring name(tbstr);
    if (name.size() > 255)
        return RTERROR;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const wchar_t c = name[i];
        if (c < 0x20)
            return RTERROR;
        if (c == L'*' && i == 0)
            continue;
        if (c == L'|' && pipeAllowed)
            continue;
        if (std::wstring(L"<>/\\\":;?*|,=`").find(c) != std::wstring::npos)
            return RTERROR;
    }
    return RTNORM;
}

bool acdbSymbolNamesEqual(const std::wstring& a, const std::wstring& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::towupper(a[i]) != std::towupper(b[i]))
            return false;
    return true;
}

Acad::ErrorStatus AcDbSymbolTableRecord::getName(ACHAR*& pName) const
{
    pName = acutNewString(mName.c_str());
    return pName ? Acad::eOk : Acad::eOutOfMemory;
}

Acad::ErrorStatus AcDbSymbolTableRecord::getName(const ACHAR*& pName) const
{
    pName = mName.c_str();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::setName(const ACHAR* pName)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (acdbSNValid(pName, true) != RTNORM)
        return Acad::eInvalidInput;
    if (auto* table = AcDbSymbolTable::cast(AcDbDatabase::peek(ownerId()))) {
        AcDbObjectId other;
        if (table->getAt(pName, other) == Acad::eOk && other != objectId())
            return Acad::eDuplicateRecordName;
    }
    mName = pName;
    return Acad::eOk;
}

void AcDbSymbolTableRecord::dxfOutNameAndFlags(AcDbDxfFiler* filer, int flags) const
{
    filer->writeString(2, mName);
    filer->writeInt16(70, flags);
}

Acad::ErrorStatus AcDbSymbolTableRecord::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbObject::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbSymbolTableRecord");
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbObject::dxfInFields(filer);
    filer->atSubclassData(L"AcDbSymbolTableRecord");
    return Acad::eOk;
}
