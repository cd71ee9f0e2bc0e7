// A raster image placed by its lower-left corner and the vectors of its bottom and left
// edges, clipped by a rectangle or polygon in pixel coordinates (origin at the image's
// top-left corner, Y down, pixel centres at whole numbers).
#pragma once

#include "AcDbEntity.h"
#include "AcGePoint2dArray.h"
#include "AcGeVector2d.h"

class AcDbRasterImage : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbRasterImage);

    enum ClipBoundaryType { kInvalid = 0, kRect = 1, kPoly = 2 };
    enum ImageDisplayOpt { kShow = 1, kShowUnAligned = 2, kClip = 4, kTransparent = 8 };

    // origin: the lower-left corner; u, v: the whole bottom and left edges.
    bool setOrientation(const AcGePoint3d& origin, const AcGeVector3d& uCorner, const AcGeVector3d& vOnPlane);
    void getOrientation(AcGePoint3d& origin, AcGeVector3d& u, AcGeVector3d& v) const;
    // The image's size in pixels (1 x 1 for a wipeout).
    virtual AcGeVector2d imageSize(bool bGetCachedValue = false) const;
    // Pixel coordinates to model coordinates, through the orientation.
    Acad::ErrorStatus getPixelToModelTransform(AcGeMatrix3d& pixToMod) const;
    // A rectangle takes two corners, a polygon at least three points (closed or not).
    Acad::ErrorStatus setClipBoundary(ClipBoundaryType type, const AcGePoint2dArray& boundary);
    // The whole image; size (0, 0) means the image's own size.
    Acad::ErrorStatus setClipBoundaryToWholeImage(AcGeVector2d& size);
    const AcGePoint2dArray& clipBoundary() const { return mClip; }
    ClipBoundaryType clipBoundaryType() const { return mClipType; }
    void setDisplayOpt(ImageDisplayOpt option, bool bValue);
    bool isSetDisplayOpt(ImageDisplayOpt option) const { return (mDisplay & option) != 0; }
    AcDbObjectId imageDefId() const { return mImageDef; }
    Acad::ErrorStatus setImageDefId(AcDbObjectId id) { return setField(mImageDef, id); }
    Adesk::Int8 brightness() const { return mBrightness; }
    Acad::ErrorStatus setBrightness(Adesk::Int8 v) { return setField(mBrightness, v); }
    Adesk::Int8 contrast() const { return mContrast; }
    Acad::ErrorStatus setContrast(Adesk::Int8 v) { return setField(mContrast, v); }
    Adesk::Int8 fade() const { return mFade; }
    Acad::ErrorStatus setFade(Adesk::Int8 v) { return setField(mFade, v); }

    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    bool getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>& curves, bool extended) const override;
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
    AcGePoint3d mOrigin;
    AcGeVector3d mU { 1.0, 0.0, 0.0 };
    AcGeVector3d mV { 0.0, 1.0, 0.0 };
    AcGeVector2d mSize { 1.0, 1.0 };
    ClipBoundaryType mClipType = kRect;
    AcGePoint2dArray mClip;
    int mDisplay = kShow | kShowUnAligned | kClip;
    AcDbObjectId mImageDef;
    Adesk::Int8 mBrightness = 50;
    Adesk::Int8 mContrast = 50;
    Adesk::Int8 mFade = 0;
};
