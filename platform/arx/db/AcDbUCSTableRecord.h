// A named user coordinate system: origin and X and Y axis directions.
#pragma once

#include "AcDbSymbolTableRecord.h"
#include "AcGePoint3d.h"
#include "AcGeVector3d.h"

class AcDbUCSTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbUCSTableRecord);

    AcGePoint3d origin() const { return mOrigin; }
    void setOrigin(const AcGePoint3d& p) { mOrigin = p; }
    AcGeVector3d xAxis() const { return mXAxis; }
    void setXAxis(const AcGeVector3d& v) { mXAxis = v; }
    AcGeVector3d yAxis() const { return mYAxis; }
    void setYAxis(const AcGeVector3d& v) { mYAxis = v; }

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
    AcGePoint3d mOrigin;
    AcGeVector3d mXAxis { 1.0, 0.0, 0.0 };
    AcGeVector3d mYAxis { 0.0, 1.0, 0.0 };
};
