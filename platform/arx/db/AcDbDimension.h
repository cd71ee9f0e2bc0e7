// Base of the dimensions: text ("<>" stands for the measurement, "" is the measurement
// alone), text position, rotation, dimension style and per-dimension overrides of its
// variables, and the block of graphics generated from them.
#pragma once

#include "AcDbDimStyleVariables.h"
#include "AcDbEntity.h"

#include <set>
#include <string>

class AcDbDimStyleTableRecord;

class AcDbDimension : public AcDbEntity, public AcDbDimStyleVariables {
public:
    ACRX_DECLARE_MEMBERS(AcDbDimension);

    AcGePoint3d textPosition() const { return mTextPosition; }
    Acad::ErrorStatus setTextPosition(const AcGePoint3d& p);
    bool isUsingDefaultTextPosition() const { return !mUserTextPosition; }
    Acad::ErrorStatus useSetTextPosition() { return setField(mUserTextPosition, true); }
    Acad::ErrorStatus useDefaultTextPosition() { return setField(mUserTextPosition, false); }
    // A copy the caller frees with acutDelString.
    ACHAR* dimensionText() const;
    const std::wstring& dimensionTextString() const { return mText; }
    Acad::ErrorStatus setDimensionText(const ACHAR* text);
    double textRotation() const { return mTextRotation; }
    Acad::ErrorStatus setTextRotation(double a) { return setField(mTextRotation, a); }
    AcGeVector3d normal() const { return mNormal; }
    Acad::ErrorStatus setNormal(const AcGeVector3d& n) { return setField(mNormal, n); }
    double elevation() const { return mElevation; }
    Acad::ErrorStatus setElevation(double e) { return setField(mElevation, e); }
    double horizontalRotation() const { return mHorizontalRotation; }
    Acad::ErrorStatus setHorizontalRotation(double a) { return setField(mHorizontalRotation, a); }

    // Taking a style copies all its variables and drops the overrides.
    AcDbObjectId dimensionStyle() const { return mStyle; }
    Acad::ErrorStatus setDimensionStyle(AcDbObjectId id);
    // A new style record (not in a database) holding this dimension's effective variables;
    // the caller deletes it.
    Acad::ErrorStatus getDimstyleData(AcDbDimStyleTableRecord*& pRecord) const;
    // Every variable from the record; those that differ from the dimension's style become
    // overrides.
    Acad::ErrorStatus setDimstyleData(AcDbDimStyleTableRecord* pNewData);
    Acad::ErrorStatus setDimstyleData(AcDbObjectId newDataId);
    // The group codes of the variables this dimension overrides.
    const std::set<int>& overriddenCodes() const { return mOverrides; }

    AcDbObjectId dimBlockId() const { return mBlock; }
    Acad::ErrorStatus setDimBlockId(const AcDbObjectId& id);
    AcGePoint3d dimBlockPosition() const { return mBlockPosition; }
    Acad::ErrorStatus setDimBlockPosition(const AcGePoint3d& p) { return setField(mBlockPosition, p); }

    // The measured value and the graphics block come from each dimension class's geometry.
    virtual Acad::ErrorStatus measurement(double& value);
    virtual Acad::ErrorStatus recomputeDimensionBlock(bool forceUpdate = true);

    void objectAddedToDatabase() override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    // Overrides travel as "ACAD" extended data: 1000 DSTYLE, 1002 {, code/value pairs, 1002 }.
    void dxfOutXData(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInXData(const std::vector<AcDbDxfGroup>& groups) override;

protected:
    // The dimension type number of DXF group 70 (0 rotated, 1 aligned, 2 two-line angular,
    // 3 diameter, 4 radius, 5 three-point angular).
    virtual int dxfDimensionType() const = 0;
    // The definition point DXF writes as group 10, which each class defines.
    virtual AcGePoint3d dxfDefinitionPoint() const = 0;
    virtual void setDxfDefinitionPoint(const AcGePoint3d& p) = 0;

    Acad::ErrorStatus dimVarWritable() const override { return checkWritable(); }
    void dimVarChanged(int code) override { mOverrides.insert(code); }
    AcDbDatabase* dimVarDatabase() const override;

    // For the constructors of the dimension classes.
    void initDimension(const ACHAR* dimText, AcDbObjectId dimStyle);

private:
    AcGePoint3d mTextPosition;
    bool mUserTextPosition = false;
    std::wstring mText;
    double mTextRotation = 0.0;
    AcGeVector3d mNormal { 0.0, 0.0, 1.0 };
    double mElevation = 0.0;
    double mHorizontalRotation = 0.0;
    AcDbObjectId mStyle;
    std::set<int> mOverrides;
    AcDbObjectId mBlock;
    AcGePoint3d mBlockPosition;
    double mMeasurement = 0.0;
};
