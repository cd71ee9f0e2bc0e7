// Base of the drawing framework: the symbol-table and database operations that the set-up and
// the drawing classes share, with the message caption their boxes carry.
#pragma once

#include "AcDbObjectId.h"
#include "AcDb.h"
#include "CString.h"

class AcDbEntity;

class CTov_DwgDataBase {
public:
    CTov_DwgDataBase();
    virtual ~CTov_DwgDataBase() = default;

    // Database operations.
    void ShowMessage(const CString& text) const;
    int CreateLayer(const CString& name, AcDbObjectId linetypeId, AcDb::LineWeight lineWeight, int colorIndex,
        AcDbObjectId& layerId);
    int LoadLinetype(const CString& name, AcDbObjectId& linetypeId);
    int CreateTextStyle(const CString& name, double textHeight, double widthFactor, AcDbObjectId& styleId);
    int CreateDimStyle(const CString& name, double overall, AcDbObjectId& styleId);

    CString m_strCaption;
};

// Appends a new entity to the working database's model space; 1, or 0 when the block table or
// the model-space record cannot be opened or the append fails (the entity then stays the
// caller's). The caller closes the entity either way.
int AppendToModelSpace(AcDbEntity* pEntity, AcDbObjectId& id);
