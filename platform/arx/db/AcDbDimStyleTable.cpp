// Run-time class of the dimension style table; its behaviour is the symbol-table base's, and DXF lists
// the dimension styles' handles in its own subclass.
#include "AcDbDimStyleTable.h"

ACRX_DEFINE_MEMBERS(AcDbDimStyleTable, AcDbSymbolTable)

#include "AcDbDxfFiler.h"

Acad::ErrorStatus AcDbDimStyleTable::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbSymbolTable::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbDimStyleTable");
    std::vector<AcDbObjectId> live;
    for (const AcDbObjectId& id : recordIds())
        if (!id.isErased())
            live.push_back(id);
    filer->writeInt16(71, static_cast<int>(live.size()));
    for (const AcDbObjectId& id : live)
        filer->writeObjectId(340, id);
    return Acad::eOk;
}
