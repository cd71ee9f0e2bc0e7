// A wipeout: a 1 x 1 pixel image with no picture that masks what lies under it, inside its
// polygonal clip boundary. Whether frames show is a drawing-wide setting
// (AcDbWipeoutVariables in the named-objects dictionary).
#pragma once

#include "AcDbRasterImage.h"

class AcDbWipeout : public AcDbRasterImage {
public:
    ACRX_DECLARE_MEMBERS(AcDbWipeout);

    AcDbWipeout();

    void objectAddedToDatabase() override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
};
