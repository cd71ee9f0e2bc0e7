// A single-line text: position, alignment point and modes, height, width factor, rotation,
// obliquing angle and text style. With kTextLeft/kTextBase the position is the insertion
// point; otherwise the alignment point is, and the position follows from it.
#pragma once

#include "AcDbEntity.h"

#include <string>

class AcDbText : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbText);

    AcDbText() = default;
    AcDbText(const AcGePoint3d& position, const ACHAR* text, AcDbObjectId style = AcDbObjectId::kNull,
        double height = 0.0, double rotation = 0.0);

    AcGePoint3d position() const { return mPosition; }
    Acad::ErrorStatus setPosition(const AcGePoint3d& p) { return setField(mPosition, p); }
    AcGePoint3d alignmentPoint() const { return mAlignmentPoint; }
    Acad::ErrorStatus setAlignmentPoint(const AcGePoint3d& p) { return setField(mAlignmentPoint, p); }
    bool isDefaultAlignment() const { return mHorizontalMode == AcDb::kTextLeft && mVerticalMode == AcDb::kTextBase; }
    AcGeVector3d normal() const { return mNormal; }
    Acad::ErrorStatus setNormal(const AcGeVector3d& n) { return setField(mNormal, n); }
    double thickness() const { return mThickness; }
    Acad::ErrorStatus setThickness(double t) { return setField(mThickness, t); }
    double oblique() const { return mOblique; }
    Acad::ErrorStatus setOblique(double a) { return setField(mOblique, a); }
    double rotation() const { return mRotation; }
    Acad::ErrorStatus setRotation(double a) { return setField(mRotation, a); }
    double height() const { return mHeight; }
    Acad::ErrorStatus setHeight(double h);
    double widthFactor() const { return mWidthFactor; }
    Acad::ErrorStatus setWidthFactor(double w);
    bool isMirroredInX() const { return (mGeneration & 2) != 0; }
    Acad::ErrorStatus mirrorInX(bool mirror);
    bool isMirroredInY() const { return (mGeneration & 4) != 0; }
    Acad::ErrorStatus mirrorInY(bool mirror);
    AcDb::TextHorzMode horizontalMode() const { return mHorizontalMode; }
    Acad::ErrorStatus setHorizontalMode(AcDb::TextHorzMode m) { return setField(mHorizontalMode, m); }
    AcDb::TextVertMode verticalMode() const { return mVerticalMode; }
    Acad::ErrorStatus setVerticalMode(AcDb::TextVertMode m) { return setField(mVerticalMode, m); }
    // A copy the caller frees with acutDelString.
    ACHAR* textString() const;
    const ACHAR* textStringConst() const { return mText.c_str(); }
    Acad::ErrorStatus setTextString(const ACHAR* text);
    AcDbObjectId textStyle() const { return mStyle; }
    Acad::ErrorStatus setTextStyle(AcDbObjectId id);
    // Brings the position up to date with the alignment point from the text's extents.
    virtual Acad::ErrorStatus adjustAlignment(const AcDbDatabase* pDb = nullptr);

    // The box of the text from the shape-font metrics, and its four sides as curves.
    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    bool getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>& curves, bool extended) const override;
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    void objectAddedToDatabase() override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

protected:
    // A text open for write is brought up to date with its alignment point when it closes.
    void subClose() override;

private:
    // The box corners in the world: lower left, lower right, upper right, upper left.
    void boxCorners(AcGePoint3d corners[4]) const;
    // World vectors of the text's baseline direction and its up direction.
    void frame(AcGeVector3d& xDir, AcGeVector3d& yDir) const;

    // What the position was last worked out from; a text read from a file keeps the
    // position the file gives until one of these changes.
    std::wstring alignmentInputs() const;

    std::wstring mAlignedFrom;
    AcGePoint3d mPosition;
    AcGePoint3d mAlignmentPoint;
    AcGeVector3d mNormal { 0.0, 0.0, 1.0 };
    double mThickness = 0.0;
    double mOblique = 0.0;
    double mRotation = 0.0;
    double mHeight = 0.0;
    double mWidthFactor = 1.0;
    int mGeneration = 0;
    AcDb::TextHorzMode mHorizontalMode = AcDb::kTextLeft;
    AcDb::TextVertMode mVerticalMode = AcDb::kTextBase;
    std::wstring mText;
    AcDbObjectId mStyle;
};
