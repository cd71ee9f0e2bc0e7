// The library's static helpers: error reports, the doorway into the drawing database (append,
// open, erase, draw order), symbol tables and styles, extended data and ids, arrays and texts.
#pragma once

#include "AcArray.h"
#include "AcDb.h"
#include "AcDbObjectId.h"
#include "AcGeDoubleArray.h"
#include "AcGePoint2d.h"
#include "AcGePoint3d.h"
#include "AcGePoint3dArray.h"
#include "AcGeVector3d.h"
#include "AcadErrorStatus.h"
#include "CArray.h"
#include "CString.h"
#include "CorbelkitExport.h"
#include "MavCondition.h"
#include "resbuf.h"

class AcDb2dPolyline;
class AcDb3dPolyline;
class AcDbAlignedDimension;
class AcDbArc;
class AcDbBlockTableRecord;
class AcDbCurve;
class AcDbDatabase;
class AcDbDimStyleTableRecord;
class AcDbEntity;
class AcDbExtents;
class AcDbLine;
class AcDbObject;
class AcDbPolyline;
class AcDbSpline;
class AcDbSymbolTable;
class AcDbSymbolTableRecord;
class AcDbText;
class AcGeCurve2d;
class AcGeCurve3d;
class AcGeEntity2d;
class AcGeMatrix2d;
class AcGeMatrix3d;
class AcGePolyline2d;
class AcGeVector3d;
class AcRxClass;
class CStdioFile;

class CORBELKIT_API MavUtils {
public:
    // Error reporting: tags and host statuses on the command line, texts in a message box.
    static void BDTAlert(const CString& tag);
    static void errorReport(Acad::ErrorStatus es);
    static void BDTAlertBox(const CString& text);

    // Appending to a block, opening by id or name, erasing, draw order.
    static void addToBlockTableRecordAndClose(AcDbEntity* pEnt, AcDbBlockTableRecord* pRecord);
    static Acad::ErrorStatus addToCurrentSpace(AcDbEntity* pEnt, AcDbDatabase* pDb);
    static Acad::ErrorStatus addToCurrentSpace(AcDbEntity* pEnt);
    static Acad::ErrorStatus addToCurrentSpaceAndClose(AcDbEntity* pEnt, AcDbDatabase* pDb);
    static Acad::ErrorStatus addToCurrentSpaceAndClose(AcDbEntity* pEnt, AcDbObjectId& newId);
    static Acad::ErrorStatus addToDatabase(AcDbEntity* pEnt, AcDbObjectId& newId);
    static Acad::ErrorStatus openEntWithID(AcDbObjectId id, AcDb::OpenMode mode, AcDbEntity*& pEnt);
    static Acad::ErrorStatus openCurveWithID(const AcDbObjectId& id, AcDb::OpenMode mode, AcDbCurve*& pCurve);
    static AcDbBlockTableRecord* openCurrentSpaceBlock(AcDb::OpenMode mode, AcDbDatabase* pDb);
    static Acad::ErrorStatus openBlockDef(
        const wchar_t* blockName, AcDbBlockTableRecord*& pRecord, AcDb::OpenMode mode, AcDbDatabase* pDb);
    static AcDbSymbolTable* openSymbolTable(AcRxClass* recordClass, AcDb::OpenMode mode, AcDbDatabase* pDb);
    static void deleteObj(AcDbObjectId id);
    static void configureSortents();
    static int sendTop(const AcDbObjectId& id);

    MavUtils();
    MavUtils(const MavUtils& other);
    MavUtils& operator=(const MavUtils& other);
    virtual ~MavUtils();

    static Acad::ErrorStatus createLinetypeEx(const wchar_t* name, AcDbObjectId& id);
    static Acad::ErrorStatus offsetCurve(const AcDbObjectId& curve, const AcDbObjectId& from, const AcDbObjectId& to,
        double distance, AcDbEntity*& pOffset);

    static void addToBlockTableRecordAndClose(AcDbObjectId& newId, AcDbEntity* pEnt, AcDbBlockTableRecord* pRecord);
    static Acad::ErrorStatus addToCurrentSpaceAndClose(AcDbEntity* pEnt);
    static int addToSymbolTableAndClose(AcDbSymbolTableRecord* pRecord, AcDbObjectId& newId);
    static void addToGroup(AcArray<AcDbObjectId>& ids, CString name);
    static void deleteObjs(AcArray<AcDbObjectId>& ids);
    static int updateDbEntity(const AcDbObjectId& id);
    static void setXData(AcDbObjectId id, CString text, AcGePoint3d point);
    static Acad::ErrorStatus getXData(AcDbObjectId id, double& value);
    static Acad::ErrorStatus objIdToHandleStr(const AcDbObjectId& id, CString& text);
    static Acad::ErrorStatus enameToObjId(ads_name ename, AcDbObjectId& id);
    static void doTransformBy(AcGePoint2d& point, const AcGeMatrix2d& mat);
    static void doTransformBy(AcDbEntity* pEnt, const AcGeMatrix3d& mat, int report);
    static void doTransformBy(AcGeEntity2d* pEnt, const AcGeMatrix2d& mat);
    static void scaleToSize(AcGeEntity2d* pEnt, double factor, const AcGePoint2d& base);
    static Acad::ErrorStatus getCurveExtents(AcDbCurve* pCurve, AcDbExtents& extents);
    static int sendAbove(const AcDbObjectId& id, const AcDbObjectId& target);
    static void sendDbEntityToLayer(const AcDbObjectId& id, const CString& layerName);
    static void sendDbEntityToLayer(const AcDbObjectId& id, const AcDbObjectId& layerId);

    // Layers, linetypes, text and dimension styles of the working database.
    static Acad::ErrorStatus getLayerId(const wchar_t* name, AcDbObjectId& id);
    static Acad::ErrorStatus getLinetypeId(const wchar_t* name, AcDbObjectId& id);
    static Acad::ErrorStatus getTextStyleId(const wchar_t* name, AcDbObjectId& id);
    static Acad::ErrorStatus getTextStyleId(
        const wchar_t* name, AcDbObjectId& id, double& textSize, double& widthFactor, double& obliquingAngle);
    static Acad::ErrorStatus getLinetypeIdEx(const wchar_t* name, AcDbObjectId& id);
    static Acad::ErrorStatus getTextStyleName(const AcDbObjectId& id, CString& name);
    static Acad::ErrorStatus selectLayer(const wchar_t* name);
    static Acad::ErrorStatus selectLinetype(const wchar_t* name);
    static AcDbObjectId selectLayerByName(const wchar_t* name);
    static Acad::ErrorStatus selectColor(unsigned short colorIndex, int& unused);
    static Acad::ErrorStatus createLayerEx(const wchar_t* name, const wchar_t* linetype, AcDbObjectId& id, int color,
        bool frozen, bool off, bool frozenInNewViewports, bool locked, int update);
    static Acad::ErrorStatus createLinetype(const wchar_t* name, AcDbObjectId& id);
    static Acad::ErrorStatus loadLineTypeFromSystemFile(const wchar_t* name, AcDbObjectId& id);
    static AcDbObjectId createNewTextStyleEx(const CString& name, int fontKind, double textHeight, double widthFactor,
        const CString& font, const CString& bigFont, int update);
    static Acad::ErrorStatus createNamedBlockByDWGFile(CString path, CString blockName);
    static Acad::ErrorStatus setLayerHide(const wchar_t* name, int hide);
    static void layer_edit(const wchar_t* first, const wchar_t* second);
    static Acad::ErrorStatus getNewSymbolName(const wchar_t* candidate, AcRxClass* recordClass, CString& name);
    static int setSymbolName(AcDbSymbolTableRecord* pRecord, const wchar_t* name);
    static Acad::ErrorStatus collectLineTypeNames(CStringArray& names);
    static Acad::ErrorStatus collectTextStyleNames(CStringArray& names);
    static Acad::ErrorStatus collectLineWeightNames(CStringArray& names);
    static bool symbolExists(AcRxClass* recordClass, const wchar_t* name, AcDbDatabase* pDb);
    static bool symbolExists(AcRxClass* recordClass, const wchar_t* name, AcDbDatabase* pDb, AcDbObjectId& id);

    // Extended data under the library's application name; object ids, entity names, handles.
    static void setXData(AcDbEntity* pEnt, CString text, double value);
    static void setXData(AcDbObjectId id, CString text, double value);
    static void setXData(AcDbEntity* pEnt, CString text, AcGePoint3d point);
    static Acad::ErrorStatus getXData(AcDbEntity* pEnt, double& value);
    static Acad::ErrorStatus getXData(AcDbEntity* pEnt, AcGePoint3d& point);
    static Acad::ErrorStatus getXData(AcDbObjectId id, AcGePoint3d& point);
    static Acad::ErrorStatus objIdToEname(const AcDbObjectId& id, ads_name& ename);
    static Acad::ErrorStatus enameToObjIds(ads_name selection, AcArray<AcDbObjectId>& ids);
    static Acad::ErrorStatus objToHandleStr(const AcDbObject* pObj, CString& text);
    static Acad::ErrorStatus handleStrToObjId(AcDbDatabase* pDb, const wchar_t* handle, AcDbObjectId& id, bool speak);
    static int checkIdArray(AcArray<AcDbObjectId>& ids);
    static Acad::ErrorStatus explodeMavCurve(const AcDbObjectId& id);

    // Arrays, points and texts.
    static void reverseDataInArray(AcArray<int>& values);
    static void reverseDataInArray(AcArray<AcGePoint2d>& points);
    static void reverseDataInArray(AcArray<AcGePoint3d>& points);
    static void clearArray(AcArray<int>& values);
    static void clearArray(AcArray<AcGePoint3d>& points);
    static void clearArray(AcArray<AcDbObjectId>& ids);
    static int sortAcArray(AcArray<double>& values, int ascending);
    static int sortAcArray(AcArray<int>& values, int ascending);
    static int isMemberOfAcArray(const AcGePoint2d& point, const AcArray<AcGePoint2d>& points, int& index);
    static int isMemberOfAcArray(const AcDbObjectId& id, const AcArray<AcDbObjectId>& ids, int& index);
    static void printDataInAcArray(const AcArray<AcDbObjectId>& ids);
    static void printDataInAcArray(const AcArray<AcGePoint2d>& points);
    static void printDataInAcArray(const AcArray<AcGePoint3d>& points);
    static void purgeAcArrayEx(AcArray<AcGePoint3d>& points, AcArray<double>& bulges, AcArray<int>& indexes);
    static int positionInAcArray(double value, const AcArray<double>& values);
    static AcGePoint2d fromAcGePoint3d(const AcGePoint3d& point);
    static AcArray<AcGePoint2d> fromAcGePoint3dArray(const AcArray<AcGePoint3d>& points);
    static int fromCArrayTo3dArray(CArray<AcGePoint3d, AcGePoint3d&>& source, AcArray<AcGePoint3d>& target);
    static int addPointsFrom(
        CArray<AcGePoint3d, AcGePoint3d&>& target, CArray<AcGePoint3d, AcGePoint3d&>& source, bool append);
    static void swapGePoint3d(AcGePoint3d& a, AcGePoint3d& b);
    static wchar_t* f2str(double value, int decimals);
    static wchar_t* f1str(double value, int decimals);
    static int getSubstrAt(int n, CString text, CString& token);
    static wchar_t* StrToChar(CString text);
    static int isNumericText(AcDbObjectId id, double& value);
    static void getFileName(const CString& path, CString& name);
    static void deleteFilePostfix(const CString& path, CString& stem);
    static void purgeAcArray(AcArray<AcGePoint3d>& points);
    static void purgeAcArray(AcArray<AcGePoint2d>& points);
    static void purgeAcArray(AcArray<AcDbObjectId>& ids);
    static int isNumeric(const CString& text);

    // Dimension styles by name, edits of dimensions, zeros of number texts.
    static Acad::ErrorStatus getDimStyleId(const wchar_t* name, AcDbObjectId& id);
    static Acad::ErrorStatus getDimStyleTableRecord(const wchar_t* name, AcDbDimStyleTableRecord*& pRecord);
    static Acad::ErrorStatus createDimStyleHideSideLines(
        const wchar_t* name, const AcDbDimStyleTableRecord* pSource, AcDbObjectId& id);
    static Acad::ErrorStatus collectDimStyleNames(CStringArray& names);
    static Acad::ErrorStatus changeDimensionLineOblique(const AcDbObjectId& id, double oblique);
    static Acad::ErrorStatus changeDimensionArrowAndExtLinesStatus(const AcDbObjectId& id, const wchar_t* firstArrow,
        const wchar_t* secondArrow, int extLineMode, int textMovement);
    static Acad::ErrorStatus textZeroSuppression(CString& text, int leading);
    static CString textZeroSuppressionEx(const CString& text, int leading);
    // Selection and editor interaction: picks, selections by window, layer or colour, highlights,
    // input, view, object snap, command echo and diagnostics on the command line.
    static Acad::ErrorStatus selectEntity(const wchar_t* prompt, AcArray<AcDbObjectId>& ids);
    static AcDbObjectId selectSingleEntity(char* prompt);
    static void selectInWindow(const AcGePoint3d& corner1, const AcGePoint3d& corner2, ads_name ss);
    static Acad::ErrorStatus selectEntityInLayerEx(
        MavCondition condition, AcDbObjectId& first, AcDbObjectId& second, bool modelSpace);
    static Acad::ErrorStatus highlight(const AcDbObjectId& id);
    static void refreshDisplay();
    static void echoStart(resbuf*& saved, resbuf*& zero);
    static bool selectEntity(const wchar_t* prompt, AcDbObjectId& id);
    static bool selectEntity(AcDbObjectId& id, AcGePoint3d& point, wchar_t* prompt);
    static AcDbEntity* selectEntity(AcDbObjectId& id, wchar_t* prompt, AcDb::OpenMode mode);
    static AcDbEntity* selectEntity(wchar_t* prompt, AcDb::OpenMode mode);
    static AcDbObjectId selectEntity(wchar_t* prompt);
    static AcDbObjectId selectSingleEntity(const CString& prompt);
    static Acad::ErrorStatus selectEntityInLayer(CString layerName, AcArray<AcDbObjectId>& ids);
    static Acad::ErrorStatus selectEntityInLayerEx(CString layerName, AcArray<AcDbObjectId>& ids, bool modelSpace);
    static Acad::ErrorStatus selectEntityInLayerEx(MavCondition condition, AcDbObjectId& id, bool modelSpace);
    static Acad::ErrorStatus selectEntityByColorIndex(int colorIndex, AcArray<AcDbObjectId>& ids, bool modelSpace);
    static void deleteObjsInLayer(CString layerName);
    static Acad::ErrorStatus unhighlight(const AcDbObjectId& id);
    static int getInsertPoint(const AcGePoint3d& base, const wchar_t* prompt, AcGePoint3d& point);
    static int getInsertPoint(const wchar_t* prompt, AcGePoint3d& point);
    static int getInsertPoint(AcGePoint3d& point);
    static int getInsertPointEx(const wchar_t* prompt, AcGePoint3d& point);
    static void pressEnterToContinue();
    static void zoomWindow(const AcGePoint3d& corner1, const AcGePoint3d& corner2);
    static void zoomToHere(AcGePoint3d p1, AcGePoint3d p2);
    static void turnOffOsnap();
    static void turnOnOsnap();
    static void echoEnt(resbuf* saved, resbuf* zero);
    static void printDataInAcArray(AcArray<int>& values);
    static void printDataInAcArray(AcArray<double>& values);
    static void printAcGePoint3dCoordinate(const AcGePoint3d& point);
    static void printCurveInfor(const AcDbObjectId& id, int number);

    // Symbol tables, blocks and images: layers made, locked and listed, empty blocks, wipeouts
    // from polygons, lineweights and shape-font names.
    static Acad::ErrorStatus createLayer(const wchar_t* name, AcDbObjectId& id);
    static AcDbObjectId createNewLayer(CString name);
    static void lockLayer(const wchar_t* name, int lock);
    static Acad::ErrorStatus setLinetypeToLayer(const wchar_t* layerName, const AcDbObjectId& linetypeId);
    static AcDbObjectId selectLayerById(const AcDbObjectId& layerId);
    static Acad::ErrorStatus collectLayerNames(CStringArray& names);
    static Acad::ErrorStatus createBlockRecord(const wchar_t* name);
    static Acad::ErrorStatus createAcDbRasterImage(AcDbObjectId& id, const AcArray<AcGePoint3d>& polygon);
    static void getLineWidthByIndex(int value, AcDb::LineWeight& lineWeight);
    static int isSHXFile(const wchar_t* fileName);

    // Text styles, text masks and wipeout frames.
    static AcDbObjectId createNewTextStyle(
        CString name, int fontKind, double textSize, double xScale, CString font, CString bigFont);
    static Acad::ErrorStatus createMaskForAcDbText(AcDbObjectId& maskId, const AcDbObjectId& textId);
    static Acad::ErrorStatus prepareWipeout();
    static void wipeoutFrameOff();

    // Position tests on curves and regions: side of a curve, nearer end, polygon crossing,
    // extents, text centre and line counts.
    static int tellDirection(AcDbCurve* pCurve, const AcGePoint3d& point);
    static Acad::ErrorStatus tellLocationOfIntersectPointInDbCurve(
        const AcDbCurve* pCurve, const AcGePoint3d& point, double& dist, int& end);
    static int inTheRegion(AcArray<AcGePoint3d> points, const AcDbObjectId& id);
    static Acad::ErrorStatus getCurveExtents(const AcDbObjectId& id, AcDbExtents& extents);
    static AcGePoint3d centerPoint(const AcDbText* pText);
    static int ventralLinesNumber(int mode, int count);

    // Entity properties and dimension edits; style queries; outlines of texts.
    static Acad::ErrorStatus changeDbEntityProperty(
        const AcDbObjectId& id, const CString& layerName, int changeLayer, int colorIndex, int changeColor);
    static Acad::ErrorStatus changeDbEntityColor(const AcDbObjectId& id, int colorIndex);
    static Acad::ErrorStatus changeDimensionText(const AcDbObjectId& id, const CString& text);
    static Acad::ErrorStatus changeDimensionTextStyle(const AcDbObjectId& id, const CString& styleName);
    static Acad::ErrorStatus changeDimensionTextPosition(const AcDbObjectId& id, const AcGePoint3d& position);
    static Acad::ErrorStatus changeDimensionTextPositionAndRotation(
        const AcDbObjectId& id, const AcGePoint3d& position, double rotation, int textMove);
    static Acad::ErrorStatus changeDimensionTextPositionAndExtLinesStatus(
        const AcDbObjectId& id, const AcGePoint3d& position, int selector);
    static Acad::ErrorStatus changeDimensionArrow(const AcDbObjectId& id, const wchar_t* block1, const wchar_t* block2);
    static Acad::ErrorStatus changeDimensionArrowTextPositionAndExtLinesStatus(const AcDbObjectId& id,
        const wchar_t* block1, const wchar_t* block2, const AcGePoint3d& position, int selector, int textMove);
    static Acad::ErrorStatus changeDimensionExtLinesStatus(const AcDbObjectId& id, int selector);
    static Acad::ErrorStatus changeDimensionExtLinesOffset(const AcDbObjectId& id, int selector, double value);
    static double getDimGap(const CString& dimStyleName);
    static double textWHFactor(const AcDbObjectId& textStyleId);
    static int needFixWidth(const AcDbObjectId& textStyleId);
    static void acdbTextCornerPoints(
        const AcGePoint3d& center, double rotation, const AcDbText* pText, AcArray<AcGePoint3d>& points);
    static void cornerPoint(const AcDbText* pText, AcArray<AcGePoint3d>& points);
    static void dimentionTextCornerPoints(AcDbAlignedDimension* pDim, AcArray<AcGePoint3d>& points);

    // Blocks, references and masks: host commands that insert and attach, host modules, the
    // host's folder, and wipeouts over entities and dimension texts.
    static void insertBlock(const CString& name, const AcGePoint3d& point, double xScale, double yScale,
        double zScale, double rotation);
    static void attachDwg(const CString& path, const AcGePoint3d& point, double xScale, double yScale,
        double zScale, double rotation);
    static int loadArxFile(const CString& path);
    static int arxFileIsLoaded(const wchar_t* name);
    static int autoCADPathName(CString& folder);
    static Acad::ErrorStatus createAcDbRasterImage(AcDbObjectId& id, const AcDbObjectId& entityId);
    static Acad::ErrorStatus createMaskForDimentionText(AcDbObjectId& maskId, const AcDbObjectId& dimId);

    // Drawing helpers: one line, arc, circle, polyline, dot, text or point per call with the
    // colour, layer, line weight and linetype given; a temporary cross on the screen. A form
    // with a record appends to that record (open for write, the caller's to close); the others
    // append to the current space. A non-const id argument receives the new entity's id,
    // a const one names a layer.
    static void drawLine(const AcGePoint3d& start, const AcGePoint3d& end, AcDbObjectId& newId);
    static void drawLine(const AcGePoint3d& start, const AcGePoint3d& end, int colorIndex);
    static void drawLine(const AcGePoint3d& start, const AcGePoint3d& end, const CString& layerName);
    static void drawLine(const AcGePoint3d& start, const AcGePoint3d& end, const AcDbObjectId& layerId);
    static void drawLine(const AcGePoint3d& start, const AcGePoint3d& end, const AcDbObjectId& layerId,
        int colorIndex, AcDbObjectId& newId);
    static void drawLine(AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end,
        const AcDbObjectId& layerId, int colorIndex);
    static void drawLine(AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end,
        const AcDbObjectId& layerId, int colorIndex, AcDbObjectId& newId);
    static void drawLine(const AcGePoint3d& start, const AcGePoint3d& end, int colorIndex,
        const CString& layerName, int lineWeight, const CString& linetypeName);
    static void drawLine(const AcGePoint3d& start, const AcGePoint3d& end, int colorIndex,
        const CString& layerName, int lineWeight, const CString& linetypeName, AcDbObjectId& newId);
    static void drawLine(AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end,
        int colorIndex, const CString& layerName, int lineWeight, const CString& linetypeName, AcDbObjectId& newId);
    static void drawArc(AcDbBlockTableRecord* pRecord, const AcGePoint3d& center, double startAngle,
        double endAngle, double radius, int colorIndex, const CString& layerName, int lineWeight,
        const CString& linetypeName);
    static void drawArc(const AcGePoint3d& center, double startAngle, double endAngle, double radius,
        int colorIndex, const CString& layerName, int lineWeight, const CString& linetypeName);
    static void drawArc(AcDbObjectId& newId, const AcGePoint3d& center, double startAngle, double endAngle,
        double radius, int colorIndex, const CString& layerName, int lineWeight, const CString& linetypeName);
    static void drawArc(AcDbBlockTableRecord* pRecord, AcDbObjectId& newId, const AcGePoint3d& center,
        double startAngle, double endAngle, double radius, int colorIndex, const CString& layerName,
        int lineWeight, const CString& linetypeName);
    static void drawCircle(
        AcDbObjectId& newId, const AcGePoint3d& center, int colorIndex, const CString& layerName, double diameter);
    static void drawCircle(AcDbBlockTableRecord* pRecord, const AcGePoint3d& center, int colorIndex,
        const CString& layerName, double diameter);
    static void drawCircle(const AcGePoint3d& center, int colorIndex, const CString& layerName, double diameter);
    static void drawCircle(AcDbBlockTableRecord* pRecord, AcDbObjectId& newId, const AcGePoint3d& center,
        int colorIndex, const CString& layerName, double diameter);
    static void drawPolyLine(const AcArray<AcGePoint3d>& points, int colorIndex, const CString& layerName,
        int lineWeight, const CString& linetypeName, AcDbObjectId& newId);
    static void drawPolyLine(const AcArray<AcGePoint3d>& points, int colorIndex, const CString& layerName,
        int lineWeight, const CString& linetypeName);
    static void drawPolyLine(AcDbBlockTableRecord* pRecord, const AcArray<AcGePoint3d>& points, int colorIndex,
        const CString& layerName, int lineWeight, const CString& linetypeName, AcDbObjectId& newId);
    static void drawGePolyline(AcGePolyline2d* pPolyline, const AcDbObjectId& layerId);
    static void drawGePolylineThenScaleIt(AcDbBlockTableRecord* pRecord, AcGePolyline2d* pPolyline,
        const CString& layerName, const AcGePoint3d& base, double factor);
    static void drawGePolylineThenScaleIt(
        AcGePolyline2d* pPolyline, const CString& layerName, const AcGePoint3d& base, double factor);
    static void drawDonutAtPoint(AcDbBlockTableRecord* pRecord, const AcGePoint3d& center, int colorIndex,
        const CString& layerName, double a, double b);
    static void drawDonutAtPoint(AcDbBlockTableRecord* pRecord, const AcGePoint2d& center, double radius);
    static void drawDonutAtPoint(AcDbBlockTableRecord* pRecord, const AcGePoint3d& center, double radius);
    static void drawText(AcDbBlockTableRecord* pRecord, AcDbObjectId& newId, const AcGePoint3d& position,
        const CString& text, const CString& styleName, int colorIndex, double height, double widthFactor,
        double rotation, const CString& layerName, int alignment);
    static void drawText(AcDbBlockTableRecord* pRecord, const AcGePoint3d& position, const CString& text,
        const CString& styleName, int colorIndex, double height, double widthFactor, double rotation,
        const CString& layerName, int alignment);
    static void drawText(const AcGePoint3d& position, const CString& text, const CString& styleName,
        int colorIndex, double height, double widthFactor, double rotation, const CString& layerName,
        int alignment);
    static void drawText(AcDbObjectId& newId, const AcGePoint3d& position, const CString& text,
        const CString& styleName, int colorIndex, double height, double widthFactor, double rotation,
        const CString& layerName, int alignment);
    static void drawPoint(const AcGePoint3d& position, int colorIndex, int mode);
    static void drawStartEndPointsOnGeCurve(const AcGeCurve3d* pCurve, int colorIndex);
    static void drawStartEndPointsOnGeCurve(const AcGeCurve2d* pCurve, int colorIndex);
    static void drawCrossUseAcedGrDraw(AcGePoint3d center, double size, int redraw);

    // Transforms: moves, rotations about Z and scalings of points, 2D geometry and entities,
    // and the user coordinate system's matrix. The entity pointer forms close the entity.
    static void doTransformBy(AcGePoint3d& point, const AcGeMatrix3d& mat);
    static void doTransformBy(const AcDbObjectId& id, const AcGeMatrix3d& mat, int report);
    static void moveToBasePoint(AcGePoint3d& point, const AcGePoint2d& from, const AcGePoint2d& to);
    static void moveToBasePoint(AcGeEntity2d* pEnt, const AcGePoint2d& from, const AcGePoint2d& to);
    static void moveToBasePoint(AcDbEntity* pEnt, const AcGePoint3d& from, const AcGePoint3d& to);
    static void moveToBasePoint(const AcDbObjectId& id, const AcGePoint3d& from, const AcGePoint3d& to);
    static void rotateToAngle(AcGePoint3d& point, const AcGePoint3d& base, double angle);
    static void rotateToAngle(AcGeEntity2d* pEnt, const AcGePoint2d& base, double angle);
    static void rotateToAngle(AcDbEntity* pEnt, const AcGePoint3d& base, double angle);
    static void rotateToAngle(const AcDbObjectId& id, const AcGePoint3d& base, double angle);
    static void scaleToSize(AcGePoint3d& point, double factor, const AcGePoint3d& base);
    static void scaleToSize(AcGePoint2d& point, double factor, const AcGePoint3d& base);
    static void scaleToSize(AcArray<AcGePoint2d>& points, double factor, const AcGePoint3d& base);
    static void scaleToSize(AcDbEntity* pEnt, double factor, const AcGePoint3d& base, int report);
    static void scaleToSize(const AcDbObjectId& id, double factor, const AcGePoint3d& base, int report);
    static void getUcsToWcsMatrix(AcGeMatrix3d& mat, AcDbDatabase* pDb);
    static void transformToWcs(AcDbEntity* pEnt, AcDbDatabase* pDb);

    // Array and point helpers: emptying, searching, extremes, sorting, thinning and reversing
    // arrays; midpoints, 2D to 3D points and swaps.
    static void clearArray(AcArray<AcGePoint2d>& points);
    static void clearArray(AcArray<double>& values);
    static AcGePoint3d middlePointAcGePoint3d(const AcGePoint3d& a, const AcGePoint3d& b);
    static AcGePoint2d middlePointAcGePoint2d(const AcGePoint2d& a, const AcGePoint2d& b);
    static AcGePoint3d fromAcGePoint2d(const AcGePoint2d& point, double z);
    static AcArray<AcGePoint3d> fromAcGePoint2dArray(const AcArray<AcGePoint2d>& points);
    static void swapValue(double& a, double& b);
    static void swapValue(int& a, int& b);
    static void swapGePoint2d(AcGePoint2d& a, AcGePoint2d& b);
    static int positionInCArray(const CString& text, const CStringArray& texts);
    static int positionInAcArray(AcGePoint3d point, const AcArray<AcGePoint3d>& points);
    static int positionInAcArray(AcGePoint2d point, const AcArray<AcGePoint2d>& points);
    static int positionInAcArray(int value, const AcArray<int>& values);
    static int positionInAcArray(AcDbObjectId id, const AcArray<AcDbObjectId>& ids);
    static int isMemberOfAcArray(int value, const AcArray<int>& values, int& index);
    static int isMemberOfAcArray(double value, const AcArray<double>& values, int& index);
    static int isMemberOfAcArray(const AcGePoint3d& point, const AcArray<AcGePoint3d>& points, int& index);
    static int postionOfMinMaxValueInAcArray(const AcArray<double>& values, int minimum);
    static int postionOfMinMaxValueInAcArray(const AcArray<int>& values, int minimum);
    static int sortAcArray(AcArray<AcGePoint2d>& points, int byX, int ascending);
    static int sortAcArray(AcArray<AcGePoint3d>& points, int byX, int ascending);
    static int sortAcArray(AcArray<AcDbObjectId>& ids, int ascending);
    static void purgeAcArray(AcArray<int>& values);
    static void purgeAcArray(AcArray<double>& values);
    static void reverseDataInArray(AcArray<double>& values);
    static void reverseDataInArray(AcArray<AcDbObjectId>& ids);

    // Drawing entities and temporary graphics: lines, dots, polylines and texts with the
    // properties named; vectors on the screen only.
    static void drawLine(const AcGePoint3d& start, const AcGePoint3d& end);
    static void drawLine(const AcGePoint3d& start, const AcGePoint3d& end, const CString& layerName, int colorIndex);
    static void drawLine(const AcGePoint3d& start, const AcGePoint3d& end, const CString& layerName, int colorIndex,
        AcDbObjectId& newId);
    static void drawLine(
        const AcGePoint3d& start, const AcGePoint3d& end, const AcDbObjectId& layerId, int colorIndex);
    static void drawLine(AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end);
    static void drawLine(
        AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end, AcDbObjectId& newId);
    static void drawLine(AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end,
        const CString& layerName);
    static void drawLine(AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end,
        const CString& layerName, int colorIndex);
    static void drawLine(AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end,
        const CString& layerName, int colorIndex, AcDbObjectId& newId);
    static void drawLine(AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end,
        const AcDbObjectId& layerId);
    static void drawLine(
        AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end, int colorIndex);
    static void drawLine(AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end,
        int colorIndex, const CString& layerName, int lineWeight, const CString& linetypeName);
    static void drawDonutAtPoint(const AcGePoint2d& center, double radius);
    static void drawDonutAtPoint(const AcGePoint3d& center, double radius);
    static void drawDonutAtPoint(
        const AcGePoint3d& center, int colorIndex, const CString& layerName, double a, double b);
    static void drawDonutAtPoint(AcDbObjectId& newId, const AcGePoint3d& center, int colorIndex,
        const CString& layerName, double a, double b);
    static void drawDonutAtPoint(AcDbBlockTableRecord* pRecord, AcDbObjectId& newId, const AcGePoint3d& center,
        int colorIndex, const CString& layerName, double a, double b);
    static void drawPolyLine(AcDbBlockTableRecord* pRecord, const AcArray<AcGePoint3d>& points, int colorIndex,
        const CString& layerName, int lineWeight, const CString& linetypeName);
    static void drawGePolyline(AcGePolyline2d* pPolyline, int colorIndex);
    static void drawGePolyline(AcGePolyline2d* pPolyline, const CString& layerName);
    static void drawMText(const AcGePoint3d& position, const CString& text, const CString& styleName, int colorIndex,
        double height, double rotation, const CString& layerName, int justification);
    static void drawMText(AcDbObjectId& newId, const AcGePoint3d& position, const CString& text,
        const CString& styleName, int colorIndex, double height, double rotation, const CString& layerName,
        int justification);
    static void drawLineUseAcedGrDraw(AcGePoint3d start, AcGePoint3d end, int colorIndex, int refresh);
    static void drawPlineUseAcedGrDraw(const AcArray<AcGePoint3d>& points, int closed, int red);
    static void drawPlineUseAcedGrDraw(const AcArray<AcGePoint2d>& points, int closed, int red);

    // String and file helpers: fields of a separated line, blank lines of a text file, files
    // that can be read and the folder of a path.
    static int numberOfStr(CString text, int& count);
    static int calculateNumberOfSubString(CString text, int& count);
    static CString getSubStrAt(CString text, int position);
    static CString breakStr(CString text, int position);
    static void jumpLineSpace(CStdioFile* pFile, CString& line);
    static int isValidFile(const CString& path);
    static void getFileForwardPath(const CString& path, CString& folder);
    // Curve scanning and tests: vertex lists of polylines, the ends of an arc, kinds of curves
    // and of pairs, the side of a line, distances to a curve's nearer end, copies of curves.
    static Acad::ErrorStatus scanPline(AcDbPolyline* pPolyline, AcArray<AcGePoint3d>& points);
    static Acad::ErrorStatus scanPline(
        AcDbPolyline* pPolyline, AcArray<AcGePoint3d>& points, AcArray<double>& bulges, AcArray<int>& indexes);
    static Acad::ErrorStatus scanarcEx(const AcDbArc* pArc, AcGePoint3d& endPoint, AcGePoint3d& startPoint,
        AcGeVector3d& endTangent, AcGeVector3d& startTangent, double& bulge);
    static Acad::ErrorStatus scanLinkElements(const AcDbObjectId& first, const AcDbObjectId& second, int& code);
    static Acad::ErrorStatus tellLocationOfIntersectPointInDbCurve(
        const AcDbCurve* pCurve, const AcArray<AcGePoint3d>& points, AcArray<double>& distances);
    static int tellDirection(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& point);
    static int tellDirection(const AcGeVector3d& direction, const AcGePoint3d& point);
    static int isDBArc(const AcDbObjectId& id, AcDbArc*& pArc);
    static int isMavCurveThenMakeACopy(const AcDbCurve* pSource, AcDbCurve*& pCopy);
    static int isMavCurveThenMakeACopy(const AcDbObjectId& source, AcDbObjectId& newId, const CString& layer);
    static int isMavCurveThenMakeACopy(
        AcDbBlockTableRecord* pRecord, const AcDbObjectId& source, AcDbObjectId& newId, const CString& layer);

    // Polyline and arc scanning: vertex lists (points, bulges, indexes) of the library's curve
    // kinds, chained through several curves; arc ends and tangents; element types.
    static Acad::ErrorStatus scanPlineEx(
        AcDbObjectId id, AcGePoint3dArray& points, AcGeDoubleArray& bulges, AcArray<int>& indexes, int& kind);
    static Acad::ErrorStatus scanPlineConsiderLinkCurves(const AcDbObjectId& id, AcGePoint3dArray& points,
        AcGeDoubleArray& bulges, AcArray<int>& indexes, int dropChainEnd, int dropCurveStart);
    static Acad::ErrorStatus scanPline(AcDbPolyline* pPolyline, AcGePoint3dArray& points, AcGeDoubleArray& bulges);
    static Acad::ErrorStatus scanPlineEx(AcDbPolyline* pPolyline, AcArray<AcGePoint3d>& points);
    static Acad::ErrorStatus scan2dPline(
        AcDb2dPolyline* pPolyline, AcGePoint3dArray& points, AcGeDoubleArray& bulges, AcArray<int>& indexes);
    static Acad::ErrorStatus scan3dPline(
        AcDb3dPolyline* pPolyline, AcGePoint3dArray& points, AcGeDoubleArray& bulges, AcArray<int>& indexes);
    static Acad::ErrorStatus scanline(AcDbLine* pLine, AcGePoint3dArray& points);
    static Acad::ErrorStatus scanarc(AcDbArc* pArc, AcGePoint3d& first, AcGePoint3d& second, AcGeVector3d& firstTangent,
        AcGeVector3d& secondTangent, double& bulge, int& direction);
    static Acad::ErrorStatus scanarcEx(const AcDbArc* pArc, const AcGePoint3d& refPoint, const AcGeVector3d& refDir,
        AcGePoint3d& first, AcGePoint3d& second, AcGeVector3d& firstTangent, AcGeVector3d& secondTangent,
        double& bulge, int& direction);
    static Acad::ErrorStatus scanElementType(const AcDbObjectId& id, int& type);

    // Curve-type tests and curve copies: the library's five curve kinds, unattached or added
    // copies of them, and tests for one host class each.
    static int isMavCurve(const AcDbCurve* pCurve, int& kind);
    static int isMavCurve(const AcDbObjectId& id, int& kind, AcDbCurve*& pCurve);
    static int isMavCurve(const AcDbObjectId& id);
    static int isMavCurveThenMakeACopy(const AcDbObjectId& id, int& kind, AcDbCurve*& pCopy);
    static int isMavCurveThenMakeACopy(const AcDbObjectId& id, AcDbObjectId& newId);
    static int isMavCurveThenMakeACopy(AcDbBlockTableRecord* pRecord, const AcDbObjectId& id, AcDbObjectId& newId);
    static int isDBLine(const AcDbObjectId& id, AcDbLine*& pLine);
    static int isDBPolyline(const AcDbObjectId& id, AcDbPolyline*& pPolyline);
    static int isDBSpline(const AcDbObjectId& id, AcDbSpline*& pSpline);
    static int isText(AcDbObjectId id, CString& text);
    static int isPolyline(AcDbObjectId id, double& area);

    // Relation of two curves: where they meet, against which ends, and which must be extended.
    static Acad::ErrorStatus tellRelationOfTwoCurves(const AcDbCurve* pCurve1, const AcDbCurve* pCurve2,
        int& relation, AcGePoint3d& point, int& endFlag1, int& endFlag2);
    static Acad::ErrorStatus tellRelationOfTwoCurves(const AcDbObjectId& id1, const AcDbObjectId& id2, int& relation,
        AcGePoint3d& point, int& endFlag1, int& endFlag2);
    static Acad::ErrorStatus tellRelationOfTwoCurves(
        const AcDbCurve* pCurve1, const AcDbCurve* pCurve2, AcArray<AcGePoint3d>& points);

    // Curve trimming: cuts at one or two cutting edges that append the kept pieces as new
    // entities (the cut curve is only read), and trims through the host's TRIM command.
    static Acad::ErrorStatus trimBesideEx(AcDbBlockTableRecord* pRecord, const AcDbCurve* pEdge,
        const AcDbCurve* pCurve, int side, AcDbObjectId& newId);
    static Acad::ErrorStatus trimBesideEx(const AcDbCurve* pEdge, const AcDbCurve* pCurve, int side, AcDbObjectId& newId);
    static Acad::ErrorStatus trimBesideEx(
        const AcDbCurve* pEdge, const AcDbCurve* pCurve, int side, const AcGePoint3d& point, AcDbObjectId& newId);
    static Acad::ErrorStatus trimBesideEx(AcDbBlockTableRecord* pRecord, const AcDbCurve* pEdge,
        const AcDbCurve* pCurve, int side, const AcGePoint3d& point, AcDbObjectId& newId);
    static Acad::ErrorStatus trimBesideEx(
        AcDbBlockTableRecord* pRecord, const AcDbCurve* pEdge, const AcGePoint3d& pick, const AcDbCurve* pCurve);
    static Acad::ErrorStatus trimBesideEx(const AcDbCurve* pEdge, const AcGePoint3d& pick, const AcDbCurve* pCurve);
    static Acad::ErrorStatus trimBesideEx(
        AcDbBlockTableRecord* pRecord, const AcDbObjectId& edge, const AcArray<AcDbObjectId>& curves, int side);
    static Acad::ErrorStatus trimBesideEx(const AcDbObjectId& edge, const AcArray<AcDbObjectId>& curves, int side);
    static Acad::ErrorStatus trimBesideEx(
        AcDbBlockTableRecord* pRecord, const AcDbCurve* pEdge, const AcDbCurve* pCurve, int side);
    static Acad::ErrorStatus trimBesideEx(const AcDbCurve* pEdge, const AcDbCurve* pCurve, int side);
    static Acad::ErrorStatus trimBesideEx(
        const AcDbObjectId& edge, const AcDbObjectId& curve, int side, AcDbObjectId& newId);
    static Acad::ErrorStatus trimBesideEx(const AcDbObjectId& edge, const AcDbObjectId& curve, int side);
    static Acad::ErrorStatus trimBesideEx(const AcDbObjectId& edge, const AcDbObjectId& curve, int side,
        const AcGePoint3d& point, AcDbObjectId& newId);
    static Acad::ErrorStatus trimBesideEx(AcDbBlockTableRecord* pRecord, const AcDbObjectId& edge,
        const AcDbObjectId& curve, int side, const AcGePoint3d& point, AcDbObjectId& newId);
    static Acad::ErrorStatus trimBesideEx(AcDbBlockTableRecord* pRecord, const AcDbObjectId& edge,
        const AcDbObjectId& curve, int side, AcDbObjectId& newId);
    static Acad::ErrorStatus trimBesideEx(
        AcDbBlockTableRecord* pRecord, const AcDbObjectId& edge, const AcDbObjectId& curve, int side);
    static Acad::ErrorStatus trimBesideEx(
        AcDbBlockTableRecord* pRecord, const AcDbObjectId& edge, const AcGePoint3d& pick, const AcDbObjectId& curve);
    static Acad::ErrorStatus trimBesideEx(const AcDbObjectId& edge, const AcGePoint3d& pick, const AcDbObjectId& curve);
    static Acad::ErrorStatus trimBetweenEx(AcDbBlockTableRecord* pRecord, const AcDbCurve* pEdge1,
        const AcDbCurve* pEdge2, const AcDbCurve* pCurve, int mode, AcDbObjectId& id1, AcDbObjectId& id2);
    static Acad::ErrorStatus trimBetweenEx(const AcDbCurve* pEdge1, const AcDbCurve* pEdge2, const AcDbCurve* pCurve,
        int mode, AcDbObjectId& id1, AcDbObjectId& id2);
    static Acad::ErrorStatus trimBetweenEx(AcDbBlockTableRecord* pRecord, const AcDbObjectId& edge1,
        const AcDbObjectId& edge2, const AcDbObjectId& curve, int mode, AcDbObjectId& id1, AcDbObjectId& id2);
    static Acad::ErrorStatus trimBetweenEx(const AcDbObjectId& edge1, const AcDbObjectId& edge2,
        const AcDbObjectId& curve, int mode, AcDbObjectId& id1, AcDbObjectId& id2);
    static Acad::ErrorStatus trimBetweenEx(AcDbBlockTableRecord* pRecord, const AcGePoint3d& p1,
        const AcGePoint3d& p2, const AcDbCurve* pCurve, int mode, AcDbObjectId& id1, AcDbObjectId& id2);
    static Acad::ErrorStatus trimBetweenEx(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcDbCurve* pCurve,
        int mode, AcDbObjectId& id1, AcDbObjectId& id2);
    static Acad::ErrorStatus trimBetweenEx(AcDbBlockTableRecord* pRecord, const AcGePoint3d& p1,
        const AcGePoint3d& p2, const AcDbObjectId& curve, int mode, AcDbObjectId& id1, AcDbObjectId& id2);
    static Acad::ErrorStatus trimBetweenEx(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcDbObjectId& curve,
        int mode, AcDbObjectId& id1, AcDbObjectId& id2);
    static int trimInside(long* const edge, long* const object, double* const pick);
    static Acad::ErrorStatus trimInside(AcDbObjectId edge, AcArray<AcDbObjectId> objects);
    static Acad::ErrorStatus trimInsideEx(
        AcDbObjectId edge1, AcArray<AcDbObjectId> objects1, AcDbObjectId edge2, AcArray<AcDbObjectId> objects2);
    static Acad::ErrorStatus trimBeside(AcGePoint3d pick, AcDbObjectId edge, AcArray<AcDbObjectId> objects);
    static int trimBetween(long* const edges, long* const object, double* const pick);
    static void trimBetween(AcDbObjectId edge1, AcDbObjectId edge2, AcDbObjectId curve);
    static void trimBetween(AcDbObjectId edge1, AcDbObjectId edge2, AcArray<AcDbObjectId> objects);
    static void trimBetween(AcDbObjectId edge1, AcDbObjectId edge2, AcDbObjectId curve, const AcGePoint3d& pick);

    // Curve offsetting: polylines offset vertex by vertex on a side chosen by a side point (the
    // all-lines members toward it, offsetPolylineCommon away from it), curves offset by the
    // platform with their pieces joined, offsets of straight lines.
    static Acad::ErrorStatus offsetPolylineOnlyLines(
        const AcDbPolyline* pSource, double distance, const AcGePoint3d& sidePoint, AcDbPolyline*& pOffset);
    static Acad::ErrorStatus offsetPolyline(
        const AcDbEntity* pSource, double distance, const AcGePoint3d& sidePoint, AcDbEntity*& pOffset);
    static Acad::ErrorStatus offsetCurveAuto(AcDbObjectId& id, double distance, AcDbEntity*& pOffset, int& special);
    static int isValidOffsetCurve(AcDbCurve* pSource, AcDbCurve* pOffset, const AcGePoint3d& point);
    static Acad::ErrorStatus offsetPolylineCommon(
        const AcDbPolyline* pSource, double distance, const AcGePoint3d& sidePoint, AcDbPolyline*& pOffset);
    static Acad::ErrorStatus offsetPolylineCommon(
        const AcDbObjectId& id, double distance, const AcGePoint3d& sidePoint, AcDbPolyline*& pOffset);
    static Acad::ErrorStatus offsetPolylineOnlyLines(
        const AcDbObjectId& id, double distance, const AcGePoint3d& sidePoint, AcDbPolyline*& pOffset);
    static Acad::ErrorStatus offsetPolylineEx(
        const AcDbPolyline* pSource, double distance, const AcGePoint3d& sidePoint, AcDbPolyline*& pOffset);
    static Acad::ErrorStatus offsetPolyline(
        const AcDbObjectId& id, double distance, const AcGePoint3d& sidePoint, AcDbPolyline*& pOffset);
    static Acad::ErrorStatus offsetPolyline(
        const AcDbObjectId& id, double distance, const AcGePoint3d& sidePoint, AcDbEntity*& pOffset);
    static Acad::ErrorStatus offsetCurve(
        AcDbEntity* pSource, double distance, const AcGePoint3d& sidePoint, AcDbEntity*& pOffset);
    static Acad::ErrorStatus offsetCurve(
        const AcDbObjectId& id, double distance, const AcGePoint3d& sidePoint, AcDbEntity*& pOffset);
    static Acad::ErrorStatus offsetCurve(AcDbEntity* pSource, double distance, AcDbEntity*& pOffset);
    static Acad::ErrorStatus offsetCurveEx(AcDbEntity* pSource, double distance, AcDbEntity*& pOffset);
    static Acad::ErrorStatus getOffsetLineBaseOnLine(
        const AcDbObjectId& id, double distance, AcGePoint3d& first, AcGePoint3d& second);
    static Acad::ErrorStatus getOffsetLineBaseOnLine(const AcDbObjectId& id, double distance, AcDbObjectId& newId);

    // Merging, reversing and linking curves: one polyline from several curves, reversed
    // polylines, a first curve made to meet a second, a two-vertex polyline as a line.
    static Acad::ErrorStatus mergePline(
        const AcArray<AcDbObjectId>& ids, const AcDbObjectId& layer, AcDbEntity*& pPolyline);
    static Acad::ErrorStatus mergePline(AcArray<AcDbObjectId> ids, const AcDbObjectId& layer, AcDbObjectId& newId);
    static Acad::ErrorStatus reverseDbPolyline(const AcDbObjectId& id);
    static Acad::ErrorStatus reverseDbPolylineOnlyArc(const AcDbObjectId& id);
    static Acad::ErrorStatus reverseDbPolylineOnlyArc(AcDbPolyline* pPolyline);
    static Acad::ErrorStatus linkTwoCurvesAtIntersectPoint(
        const AcDbObjectId& first, const AcDbCurve* pSecond, AcDbObjectId& newId, int side);
    static Acad::ErrorStatus plineToLine(AcDbObjectId& id);

    // Curve linking and end-point editing: a first curve extended to, or cut back at, a second;
    // one end extended to a point; end points moved; linetype generation of a polyline.
    static Acad::ErrorStatus linkTwoCurvesAtIntersectPoint(AcDbCurve* pFirst, AcDbCurve* pSecond, int side);
    static Acad::ErrorStatus linkTwoCurvesAtIntersectPoint(
        AcDbBlockTableRecord* pRecord, AcDbCurve* pFirst, AcDbCurve* pSecond, int side);
    static Acad::ErrorStatus linkTwoCurvesAtIntersectPoint(
        const AcDbObjectId& first, const AcDbObjectId& second, AcDbObjectId& newId, int side);
    static Acad::ErrorStatus linkTwoCurvesAtIntersectPoint(AcDbBlockTableRecord* pRecord, const AcDbObjectId& first,
        const AcDbObjectId& second, AcDbObjectId& newId, int side);
    static Acad::ErrorStatus linkTwoCurvesAtIntersectPoint(AcDbBlockTableRecord* pRecord, const AcDbObjectId& first,
        const AcDbCurve* pSecond, AcDbObjectId& newId, int side);
    static Acad::ErrorStatus extendCurveToPoint(AcDbCurve* pCurve, int extendStart, const AcGePoint3d& point);
    static Acad::ErrorStatus resetStartEndPoint(const AcDbObjectId& id, const AcGePoint3d& start, const AcGePoint3d& end);
    static Acad::ErrorStatus changePlinegen(const AcDbObjectId& id, int plinegen);

    // Dividing, merging and reversing curves: a curve replaced by a polyline through equally
    // spaced points, chains of curves as one polyline, lines and polylines turned around.
    static Acad::ErrorStatus partDbCurve(AcDbObjectId& id, int n);
    static Acad::ErrorStatus partDbCurve(AcDbCurve* pCurve, int piecesPerUnit);
    static Acad::ErrorStatus mergePline(
        AcArray<AcDbObjectId> ids, const AcDbObjectId& layer, AcDbObjectId& newId, AcDbBlockTableRecord* pRecord);
    static Acad::ErrorStatus mergePlineEx(AcArray<AcDbObjectId> ids, const AcDbObjectId& layer, AcDbObjectId& newId);
    static Acad::ErrorStatus reverseDbLine(AcDbLine* pLine);
    static Acad::ErrorStatus reverseDbLine(const AcDbObjectId& id);
    static Acad::ErrorStatus reverseDbPolyline(AcDbPolyline* pPolyline);
    static Acad::ErrorStatus reverseDbCurve(const AcDbObjectId& id);

    // Division polylines between curves: the k-th division points of every cross line over the
    // band between two curves joined into one polyline each.
    static Acad::ErrorStatus drawBisectrixBetweenCurves(const AcDbObjectId& first, const AcDbObjectId& second,
        const AcDbObjectId& base, const AcDbObjectId& layer, int n, double distance, AcArray<AcDbObjectId>& ids);
    static Acad::ErrorStatus drawBisectrixBetweenCurves(AcDbBlockTableRecord* pRecord, const AcDbObjectId& first,
        const AcDbObjectId& second, const AcDbObjectId& base, const AcDbObjectId& layer, int n, double distance,
        AcArray<AcDbObjectId>& ids);
    static Acad::ErrorStatus drawBisectrixBetweenCurvesEx(const AcDbObjectId& first, const AcDbObjectId& second,
        const AcDbObjectId& base, int n, double distance, AcArray<AcDbObjectId>& ids, int reverse);
    static Acad::ErrorStatus drawBisectrixBetweenCurvesEx(AcDbBlockTableRecord* pRecord, const AcDbObjectId& first,
        const AcDbObjectId& second, const AcDbObjectId& base, int n, double distance, AcArray<AcDbObjectId>& ids,
        int reverse);
    static Acad::ErrorStatus drawBisectrixBetweenCurvesBaseOnAngle(const AcDbObjectId& first,
        const AcDbObjectId& second, const AcDbObjectId& guide, double angle, const AcDbObjectId& layer, int n,
        double distance, AcArray<AcDbObjectId>& ids);
    static Acad::ErrorStatus drawBisectrixBetweenCurvesBaseOnAngle(AcDbBlockTableRecord* pRecord,
        const AcDbObjectId& first, const AcDbObjectId& second, const AcDbObjectId& guide, double angle,
        const AcDbObjectId& layer, int n, double distance, AcArray<AcDbObjectId>& ids);
};
