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

    // The measured value (a length before DIMLFAC, or an angle in radians) and the graphics
    // block, both from each dimension class's geometry. The block is rebuilt when the
    // dimension closes after being open for write, and before the drawing is saved.
    virtual Acad::ErrorStatus measurement(double& value);
    virtual Acad::ErrorStatus recomputeDimensionBlock(bool forceUpdate = true);
    // Rebuilds the block when the dimension, its overrides or its style changed since the
    // block was last built (or read); the database calls it before saving.
    Acad::ErrorStatus updateDimensionBlock();
    // Whether the block was built from what the dimension and its style now hold, given the
    // style's DXF data (see styleData; a pass over many dimensions makes it once a style).
    bool isBlockUpToDate(const std::string& styleData) const;
    // The DXF data of a dimension style, as the block's inputs hold it.
    static std::string styleData(AcDbDatabase* db, AcDbObjectId style);
    // The text the block shows: "<>" in the dimension text becomes the formatted value.
    std::wstring formattedText(double value) const;

    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    bool getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>& curves, bool extended) const override;
    Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    void objectAddedToDatabase() override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    // Overrides travel as "ACAD" extended data: 1000 DSTYLE, 1002 {, code/value pairs, 1002 }.
    void dxfOutXData(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInXData(const std::vector<AcDbDxfGroup>& groups) override;

protected:
    // What a dimension class draws: its dimension and extension lines, dimension arcs, arrow
    // tips with the direction each points in (outwards, towards its tip), the definition
    // points, the text's default place and direction, and whether the value is an angle.
    struct Graphics {
        struct Segment {
            AcGePoint3d from, to;
            bool extension = false; // an extension line (DIMCLRE, DIMLWE) or a dimension line
        };
        struct Arc {
            AcGePoint3d center;
            double radius = 0.0, startAngle = 0.0, endAngle = 0.0;
        };
        struct Arrow {
            AcGePoint3d tip;
            AcGeVector3d direction;
            bool second = false;
        };
        std::vector<Segment> lines;
        std::vector<Arc> arcs;
        std::vector<Arrow> arrows;
        std::vector<AcGePoint3d> definitionPoints;
        AcGePoint3d textPoint;
        AcGeVector3d textDirection { 1.0, 0.0, 0.0 };
        // The line a centred text breaks (an index into lines), or -1 for none.
        int dimensionLine = -1;
        double value = 0.0;
        bool angular = false;
        std::wstring prefix;
    };
    // The class's measured value and graphics; false when its points do not define it.
    virtual bool computeGraphics(Graphics& g) const = 0;
    // Moves every definition point (and the text position) by a transformation.
    virtual void transformDefinitionPoints(const AcGeMatrix3d& xform) = 0;
    void subClose() override;
    // Where a linear dimension line runs: through its own point, or through a text the user
    // placed when DIMTMOVE 0 has the line follow the text.
    AcGePoint3d dimLineThrough(const AcGePoint3d& dimLinePoint) const;
    // The graphics every linear dimension shares: extension lines from the two origins to
    // the dimension line through onLine along dir, arrows at its ends, the text at its middle.
    void linearGraphics(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& onLine,
        const AcGeVector3d& dir, Graphics& g) const;
    // The graphics every angular dimension shares: the arc about the vertex through arcPoint
    // from leg 1 counter-clockwise to leg 2, extension lines from the legs' points out to it.
    void angularGraphics(const AcGePoint3d& vertex, const AcGePoint3d& leg1, const AcGePoint3d& leg2,
        const AcGePoint3d& arcPoint, Graphics& g) const;

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
    // What the block was last built from: the dimension's and its style's DXF data.
    std::string inputSignature() const;
    // The dimension's own part of it: its fields and extended data.
    std::string ownSignature() const;

    AcGePoint3d mTextPosition;
    bool mUserTextPosition = false;
    std::string mSignature;
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
