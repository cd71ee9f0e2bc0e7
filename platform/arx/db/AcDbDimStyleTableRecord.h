// A dimension style: a name and the full set of dimension variables (AcDbDimStyleVariables).
#pragma once

#include "AcDbDimStyleVariables.h"
#include "AcDbSymbolTableRecord.h"

class AcDbDimStyleTableRecord : public AcDbSymbolTableRecord, public AcDbDimStyleVariables {
public:
    ACRX_DECLARE_MEMBERS(AcDbDimStyleTableRecord);

    // Every variable from another style; the name stays.
    Acad::ErrorStatus copyFrom(const AcRxObject* pSrc);

    void objectAddedToDatabase() override;
    int dxfHandleCode() const override { return 105; }
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

protected:
    Acad::ErrorStatus dimVarWritable() const override { return checkWritable(); }
    AcDbDatabase* dimVarDatabase() const override;
};
