// A named view: centre and size of the window, view direction and target.
#pragma once

#include "AcDbSymbolTableRecord.h"
#include "AcGePoint2d.h"
#include "AcGePoint3d.h"
#include "AcGeVector3d.h"

class AcDbViewTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbViewTableRecord);

    AcGePoint2d centerPoint() const { return mCenter; }
    void setCenterPoint(const AcGePoint2d& p) { mCenter = p; }
    double height() const { return mHeight; }
    void setHeight(double h) { mHeight = h; }
    double width() const { return mWidth; }
    void setWidth(double w) { mWidth = w; }
    AcGeVector3d viewDirection() const { return mDirection; }
    void setViewDirection(const AcGeVector3d& v) { mDirection = v; }
    AcGePoint3d target() const { return mTarget; }
    void setTarget(const AcGePoint3d& p) { mTarget = p; }

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
    AcGePoint2d mCenter;
    double mHeight = 1.0;
    double mWidth = 1.0;
    AcGeVector3d mDirection { 0.0, 0.0, 1.0 };
    AcGePoint3d mTarget;
};
