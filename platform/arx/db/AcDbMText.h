// A paragraph text: contents with formatting codes (\P, \H, \W, \S, braces), location and
// attachment point, character height, reference width, direction and text style.
#pragma once

#include "AcDbEntity.h"

#include <string>

class AcDbMText : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbMText);

    enum AttachmentPoint {
        kTopLeft = 1,
        kTopCenter = 2,
        kTopRight = 3,
        kMiddleLeft = 4,
        kMiddleCenter = 5,
        kMiddleRight = 6,
        kBottomLeft = 7,
        kBottomCenter = 8,
        kBottomRight = 9
    };
    enum FlowDirection { kLtoR = 1, kRtoL = 2, kTtoB = 3, kBtoT = 4, kByStyle = 5 };

    AcGePoint3d location() const { return mLocation; }
    Acad::ErrorStatus setLocation(const AcGePoint3d& p) { return setField(mLocation, p); }
    AcGeVector3d normal() const { return mNormal; }
    Acad::ErrorStatus setNormal(const AcGeVector3d& n) { return setField(mNormal, n); }
    AcGeVector3d direction() const { return mDirection; }
    Acad::ErrorStatus setDirection(const AcGeVector3d& d);
    double rotation() const;
    Acad::ErrorStatus setRotation(double angle);
    double width() const { return mWidth; }
    Acad::ErrorStatus setWidth(double w) { return setField(mWidth, w); }
    double textHeight() const { return mTextHeight; }
    Acad::ErrorStatus setTextHeight(double h);
    AttachmentPoint attachment() const { return mAttachment; }
    Acad::ErrorStatus setAttachment(AttachmentPoint a);
    FlowDirection flowDirection() const { return mFlow; }
    Acad::ErrorStatus setFlowDirection(FlowDirection d) { return setField(mFlow, d); }
    AcDbObjectId textStyle() const { return mStyle; }
    Acad::ErrorStatus setTextStyle(AcDbObjectId id);
    // A copy the caller frees with acutDelString.
    ACHAR* contents() const;
    const ACHAR* contentsConst() const { return mContents.c_str(); }
    Acad::ErrorStatus setContents(const ACHAR* text);
    double lineSpacingFactor() const { return mLineSpacing; }
    Acad::ErrorStatus setLineSpacingFactor(double f) { return setField(mLineSpacing, f); }

    void objectAddedToDatabase() override;
    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    bool getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>& curves, bool extended) const override;
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
    AcGePoint3d mLocation;
    AcGeVector3d mNormal { 0.0, 0.0, 1.0 };
    AcGeVector3d mDirection { 1.0, 0.0, 0.0 };
    double mWidth = 0.0;
    double mTextHeight = 0.0;
    AttachmentPoint mAttachment = kTopLeft;
    FlowDirection mFlow = kLtoR;
    AcDbObjectId mStyle;
    std::wstring mContents;
    double mLineSpacing = 1.0;
};
