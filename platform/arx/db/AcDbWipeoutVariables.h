// The drawing-wide wipeout settings ("ACAD_WIPEOUT_VARS"): whether wipeout frames show.
#pragma once

#include "AcDbObject.h"

class AcDbWipeoutVariables : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbWipeoutVariables);

    bool displayFrame() const { return mDisplayFrame; }
    Acad::ErrorStatus setDisplayFrame(bool show) { return setField(mDisplayFrame, show); }

    // The drawing's settings, made in the named-objects dictionary when missing.
    static AcDbObjectId getOrCreate(AcDbDatabase* db);

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
    bool mDisplayFrame = true;
};
