// A layer: colour, linetype, lineweight and the frozen, off, locked, plottable and
// frozen-in-new-viewports states.
#pragma once

#include "AcCmColor.h"
#include "AcDbSymbolTableRecord.h"

class AcDbLayerTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbLayerTableRecord);

    AcDbLayerTableRecord();

    bool isFrozen() const { return mFrozen; }
    Acad::ErrorStatus setIsFrozen(bool frozen);
    bool isOff() const { return mOff; }
    void setIsOff(bool off);
    bool VPDFLT() const { return mVpdflt; }
    void setVPDFLT(bool frozen);
    bool isLocked() const { return mLocked; }
    void setIsLocked(bool locked);
    bool isPlottable() const { return mPlottable; }
    Acad::ErrorStatus setIsPlottable(bool plot);
    AcCmColor color() const { return mColor; }
    void setColor(const AcCmColor& color);
    AcDbObjectId linetypeObjectId() const { return mLinetype; }
    void setLinetypeObjectId(AcDbObjectId id);
    AcDb::LineWeight lineWeight() const { return mLineWeight; }
    Acad::ErrorStatus setLineWeight(AcDb::LineWeight weight);

    void objectAddedToDatabase() override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
    AcCmColor mColor;
    AcDbObjectId mLinetype;
    AcDb::LineWeight mLineWeight = AcDb::kLnWtByLwDefault;
    bool mFrozen = false;
    bool mOff = false;
    bool mVpdflt = false;
    bool mLocked = false;
    bool mPlottable = true;
};
