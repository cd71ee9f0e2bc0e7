// A tiled viewport ("*Active" is the current one): its window on the screen and the view it
// shows (centre, height, aspect ratio, direction, target).
#pragma once

#include "AcDbSymbolTableRecord.h"
#include "AcGePoint2d.h"
#include "AcGePoint3d.h"
#include "AcGeVector3d.h"

class AcDbViewportTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbViewportTableRecord);

    AcGePoint2d lowerLeftCorner() const { return mLowerLeft; }
    void setLowerLeftCorner(const AcGePoint2d& p) { mLowerLeft = p; }
    AcGePoint2d upperRightCorner() const { return mUpperRight; }
    void setUpperRightCorner(const AcGePoint2d& p) { mUpperRight = p; }
    AcGePoint2d centerPoint() const { return mCenter; }
    void setCenterPoint(const AcGePoint2d& p) { mCenter = p; }
    double height() const { return mHeight; }
    void setHeight(double h) { mHeight = h; }
    double width() const { return mHeight * mAspect; }
    void setWidth(double w) { mAspect = mHeight > 0.0 ? w / mHeight : 1.0; }
    AcGeVector3d viewDirection() const { return mDirection; }
    void setViewDirection(const AcGeVector3d& v) { mDirection = v; }
    AcGePoint3d target() const { return mTarget; }
    void setTarget(const AcGePoint3d& p) { mTarget = p; }

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
    AcGePoint2d mLowerLeft;
    AcGePoint2d mUpperRight { 1.0, 1.0 };
    AcGePoint2d mCenter;
    double mHeight = 1000.0;
    double mAspect = 1.0;
    AcGeVector3d mDirection { 0.0, 0.0, 1.0 };
    AcGePoint3d mTarget;
};
