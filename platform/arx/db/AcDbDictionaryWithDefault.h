// A dictionary that names a default entry (the plot-style dictionary's "Normal").
#pragma once

#include "AcDbDictionary.h"

class AcDbDictionaryWithDefault : public AcDbDictionary {
public:
    ACRX_DECLARE_MEMBERS(AcDbDictionaryWithDefault);

    AcDbObjectId defaultId() const { return mDefault; }
    Acad::ErrorStatus setDefaultId(const AcDbObjectId& id) { return setField(mDefault, id); }

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
    AcDbObjectId mDefault;
};
