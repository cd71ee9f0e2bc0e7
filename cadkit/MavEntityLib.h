// The entity factory: one drawing entity per call, appended to the block table record that the
// factory holds or, without one, to the current space; and the style look-ups it rests on.
#pragma once

#include "AcArray.h"
#include "AcDbObjectId.h"
#include "AcGePoint2d.h"
#include "AcGePoint3d.h"
#include "AcGeVector3d.h"
#include "AcadErrorStatus.h"
#include "CArray.h"
#include "CString.h"
#include "CorbelkitExport.h"

class AcDbBlockTableRecord;
class AcDbEntity;

class CORBELKIT_API MavEntityLib {
public:
    MavEntityLib();
    virtual ~MavEntityLib();
    // The record stays the caller's: it is opened for write, closed and freed by the caller.
    void setBlockTableRecord(AcDbBlockTableRecord* pRecord);

    // Text styles: the name of a style record.
    Acad::ErrorStatus getTextStyleName(CString& name, AcDbObjectId textStyleId);

    // Text and dimension styles of the working database by name.
    Acad::ErrorStatus getTextStyleId(const wchar_t* name, AcDbObjectId& id);
    Acad::ErrorStatus getDimStyleId(const wchar_t* name, AcDbObjectId& id);

    // Lines, polylines, texts, ellipses and construction lines; copies share the target record.
    MavEntityLib(const MavEntityLib& other) = default;
    MavEntityLib& operator=(const MavEntityLib& other) = default;
    Acad::ErrorStatus createLine(AcGePoint3d start, AcGePoint3d end, AcDbObjectId& newId);
    Acad::ErrorStatus createPolyline(AcArray<AcGePoint3d>& points, bool closed, AcDbObjectId& newId);
    Acad::ErrorStatus createText(const AcGePoint3d& position, const wchar_t* text, const wchar_t* styleName,
        double height, double widthFactor, double rotation, AcDbObjectId& newId);
    Acad::ErrorStatus createText(AcGePoint3d position, const wchar_t* text, AcDbObjectId style, double height,
        double widthFactor, double rotation, AcDbObjectId& newId);
    Acad::ErrorStatus createEllipse(
        const AcGePoint3d& center, const AcGeVector3d& majorAxis, double radiusRatio, AcDbObjectId& newId);
    Acad::ErrorStatus createXline(const AcGePoint3d& basePoint, const AcGeVector3d& unitDir, AcDbObjectId& newId);

    // Dimensions with a style by id or by name, the system's dimension styles and the current one.
    Acad::ErrorStatus createDimRotation(AcDbObjectId& newId, double rotation, const AcGePoint3d& xLine1Point,
        const AcGePoint3d& xLine2Point, const AcGePoint3d& dimLinePoint, const wchar_t* dimText,
        AcDbObjectId dimStyle, const wchar_t* layerName);
    Acad::ErrorStatus createDimRotation(AcDbObjectId& newId, double rotation, const AcGePoint3d& xLine1Point,
        const AcGePoint3d& xLine2Point, const AcGePoint3d& dimLinePoint, const wchar_t* dimText,
        const wchar_t* dimStyleName, const wchar_t* layerName);
    Acad::ErrorStatus createDimAligned(const AcGePoint3d& xLine1Point, const AcGePoint3d& xLine2Point,
        const AcGePoint3d& dimLinePoint, wchar_t* dimText, const wchar_t* dimStyleName, AcDbObjectId& newId,
        int colorIndex, double textRotation);
    Acad::ErrorStatus createDimDia(const AcGePoint3d& chordPoint, const AcGePoint3d& farChordPoint,
        double leaderLength, wchar_t* dimText, wchar_t* dimStyleName, AcDbObjectId& newId);
    Acad::ErrorStatus createDim2LineAng(const AcGePoint3d& xLine1Start, const AcGePoint3d& xLine1End,
        const AcGePoint3d& xLine2Start, const AcGePoint3d& xLine2End, const AcGePoint3d& arcPoint, wchar_t* dimText,
        AcDbObjectId dimStyle, AcDbObjectId& newId);
    Acad::ErrorStatus createDimStyle(double linearScale, const wchar_t* name, AcDbObjectId& newId, int decimals,
        int angularDecimals, double textHeight, double extensionBeyond, double extensionOffset, double textGap,
        double arrowSize, CString arrowBlock, const wchar_t* textStyleName, int update);
    Acad::ErrorStatus selectDimStyle(double linearScale, const wchar_t* name);
    Acad::ErrorStatus selectDimStyle(const wchar_t* name, AcDbObjectId& previousId);

    // Basic entities and dimensions of the one create scheme; a hatch, a line edit.
    AcDbObjectId createLine(AcGePoint3d start, AcGePoint3d end);
    AcDbObjectId createLine(AcGePoint3d start, AcGePoint3d end, int colorIndex);
    Acad::ErrorStatus createLine(const double* start, const double* end, AcDbObjectId& newId);
    Acad::ErrorStatus createPoint(AcGePoint3d position, AcDbObjectId& newId);
    Acad::ErrorStatus createCircle(const AcGePoint3d& center, double radius, AcDbObjectId& newId);
    Acad::ErrorStatus createArc(
        const AcGePoint3d& center, double radius, double startAngle, double endAngle, AcDbObjectId& newId);
    Acad::ErrorStatus createEllipse(const AcGePoint3d& center, const AcGeVector3d& unitNormal,
        const AcGeVector3d& majorAxis, double radiusRatio, double startAngle, double endAngle, AcDbObjectId& newId);
    Acad::ErrorStatus createSpline(
        const AcArray<AcGePoint3d>& fitPoints, int order, double fitTolerance, AcDbObjectId& newId);
    Acad::ErrorStatus createRay(const AcGePoint3d& basePoint, const AcGeVector3d& unitDir, AcDbObjectId& newId);
    Acad::ErrorStatus createPolyline(AcArray<AcGePoint3d>& points, AcDbObjectId& newId, bool closed, bool plinegen);
    Acad::ErrorStatus create2DPolyline(AcArray<AcGePoint3d>& points, bool closed, AcDbObjectId& newId);
    Acad::ErrorStatus createDimAligned(const AcGePoint3d& xLine1Point, const AcGePoint3d& xLine2Point,
        const AcGePoint3d& dimLinePoint, wchar_t* dimText, AcDbObjectId dimStyle, AcDbObjectId& newId,
        int colorIndex, double textRotation);
    Acad::ErrorStatus createDimRotation(double rotation, const AcGePoint3d& xLine1Point,
        const AcGePoint3d& xLine2Point, const AcGePoint3d& dimLinePoint, const wchar_t* dimText,
        AcDbObjectId dimStyle, AcDbObjectId& newId);
    Acad::ErrorStatus createDimRad(const AcGePoint3d& center, const AcGePoint3d& chordPoint, double leaderLength,
        wchar_t* dimText, AcDbObjectId dimStyle, AcDbObjectId& newId);
    Acad::ErrorStatus createDimDia(const AcGePoint3d& chordPoint, const AcGePoint3d& farChordPoint,
        double leaderLength, wchar_t* dimText, AcDbObjectId dimStyle, AcDbObjectId& newId);
    Acad::ErrorStatus createDimRotation(double rotation, const AcGePoint3d& xLine1Point,
        const AcGePoint3d& xLine2Point, const AcGePoint3d& dimLinePoint, const wchar_t* dimText,
        const wchar_t* dimStyleName, AcDbObjectId& newId);
    Acad::ErrorStatus createDimRad(const AcGePoint3d& center, const AcGePoint3d& chordPoint, double leaderLength,
        wchar_t* dimText, wchar_t* dimStyleName, AcDbObjectId& newId);
    Acad::ErrorStatus createDim2LineAng(const AcGePoint3d& xLine1Start, const AcGePoint3d& xLine1End,
        const AcGePoint3d& xLine2Start, const AcGePoint3d& xLine2End, const AcGePoint3d& arcPoint, wchar_t* dimText,
        wchar_t* dimStyleName, AcDbObjectId& newId);
    Acad::ErrorStatus createPlineHatch(CArray<AcGePoint3d, AcGePoint3d&>& points, wchar_t* patternName);
    Acad::ErrorStatus modifyLine(AcGePoint3d start, AcGePoint3d end, AcDbObjectId& lineId);
    Acad::ErrorStatus getTextheight(const wchar_t* styleName, double& height);

    // Annotation symbols: a leader label, a joint marker with its centre line, and a polyline
    // from points in the user coordinate system.
    Acad::ErrorStatus labelXYAngle(const AcGePoint3d& point, double angle, double length, int toLeft, int upward,
        const CString& text, double height, double widthFactor, double unused);
    Acad::ErrorStatus drawFlexSlotLineAndText(const AcGePoint3d& point, int toRight, int upward, double upLength,
        double otherLength, double angle, double length, const CString& text, double height, double widthFactor);
    Acad::ErrorStatus LPoly(AcArray<AcGePoint2d>& points, AcDbObjectId& newId, bool closed, bool plinegen);

    // Drawing symbols: a break line, a section caption, a label with two texts on a leader,
    // and the cut mark of a section view.
    int createZheLine(AcGePoint3d first, AcGePoint3d second);
    int createDuanmianSymbol(const AcGePoint3d& position, const wchar_t* styleName, double height,
        double widthFactor, const wchar_t* caption, double scaleFactor, int withScale);
    Acad::ErrorStatus labelXYAngleEx(const AcGePoint3d& point, double angle, double run, int toLeft, int rise,
        const CString& lowerText, const CString& upperText, double height, double widthFactor, double unused);
    int createPoushiLineHorVer(AcGePoint3d first, AcGePoint3d second, AcGePoint3d viewSide, const wchar_t* label,
        const AcDbObjectId& styleId, double height);

private:
    AcDbBlockTableRecord* mBlockTableRecord;

    // The end of every create: the new entity into the target record or the current space.
    static Acad::ErrorStatus outOfMemory(const wchar_t* text);
    Acad::ErrorStatus appendAndClose(AcDbEntity* pEnt, AcDbObjectId& newId);
};
