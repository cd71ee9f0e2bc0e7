// A drawing: its objects by id and handle, the nine symbol tables, the named-objects and
// group dictionaries, the current-style variables, and DXF save and read.
#pragma once

#include "AcCmColor.h"
#include "AcDbObject.h"
#include "AcDbServices.h"
#include "AcGePoint3d.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class AcDbBlockTable;
class AcDbLayerTable;
class AcDbLinetypeTable;
class AcDbTextStyleTable;
class AcDbDimStyleTable;
class AcDbRegAppTable;
class AcDbUCSTable;
class AcDbViewTable;
class AcDbViewportTable;
class AcDbSymbolTable;
class AcDbDictionary;
class AcDbStub;

class AcDbDatabase {
public:
    // With buildDefaultDrawing the drawing holds what every drawing needs: model and paper
    // space, layer "0", the ByBlock/ByLayer/Continuous linetypes, text and dimension style
    // "Standard", application "ACAD", viewport "*Active", the root, group and layout
    // dictionaries. Without it the drawing is empty until readDwgFile fills it.
    explicit AcDbDatabase(bool buildDefaultDrawing = true, bool noDocument = false);
    AcDbDatabase(const AcDbDatabase&) = delete;
    AcDbDatabase& operator=(const AcDbDatabase&) = delete;
    ~AcDbDatabase();

    // Objects. The object gets the next handle and is owned by the database from here on;
    // it stays open for write as it was.
    Acad::ErrorStatus addAcDbObject(AcDbObjectId& objId, AcDbObject* pObj);
    Acad::ErrorStatus addAcDbObject(AcDbObject* pObj);
    // eKeyNotFound for a handle no object has (createIfNotFound is not supported).
    Acad::ErrorStatus getAcDbObjectId(
        AcDbObjectId& retId, bool createIfNotFound, const AcDbHandle& objHandle, Adesk::UInt32 xRefId = 0);
    AcDbHandle handseed() const { return mNextHandle; }
    Adesk::Int32 approxNumObjects() const { return static_cast<Adesk::Int32>(mStubs.size()); }

    // Symbol tables, opened in the given mode.
    Acad::ErrorStatus getBlockTable(AcDbBlockTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getLayerTable(AcDbLayerTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getLinetypeTable(AcDbLinetypeTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getTextStyleTable(AcDbTextStyleTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getDimStyleTable(AcDbDimStyleTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getRegAppTable(AcDbRegAppTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getUCSTable(AcDbUCSTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getViewTable(AcDbViewTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getViewportTable(AcDbViewportTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getSymbolTable(AcDbBlockTable*& p, AcDb::OpenMode m = AcDb::kForRead)
    {
        return getBlockTable(p, m);
    }
    Acad::ErrorStatus getSymbolTable(AcDbLayerTable*& p, AcDb::OpenMode m = AcDb::kForRead)
    {
        return getLayerTable(p, m);
    }
    Acad::ErrorStatus getSymbolTable(AcDbLinetypeTable*& p, AcDb::OpenMode m = AcDb::kForRead)
    {
        return getLinetypeTable(p, m);
    }
    Acad::ErrorStatus getSymbolTable(AcDbTextStyleTable*& p, AcDb::OpenMode m = AcDb::kForRead)
    {
        return getTextStyleTable(p, m);
    }
    Acad::ErrorStatus getSymbolTable(AcDbDimStyleTable*& p, AcDb::OpenMode m = AcDb::kForRead)
    {
        return getDimStyleTable(p, m);
    }
    Acad::ErrorStatus getSymbolTable(AcDbRegAppTable*& p, AcDb::OpenMode m = AcDb::kForRead)
    {
        return getRegAppTable(p, m);
    }
    Acad::ErrorStatus getSymbolTable(AcDbUCSTable*& p, AcDb::OpenMode m = AcDb::kForRead) { return getUCSTable(p, m); }
    Acad::ErrorStatus getSymbolTable(AcDbViewTable*& p, AcDb::OpenMode m = AcDb::kForRead)
    {
        return getViewTable(p, m);
    }
    Acad::ErrorStatus getSymbolTable(AcDbViewportTable*& p, AcDb::OpenMode m = AcDb::kForRead)
    {
        return getViewportTable(p, m);
    }
    AcDbObjectId blockTableId() const { return mBlockTable; }
    AcDbObjectId layerTableId() const { return mLayerTable; }
    AcDbObjectId linetypeTableId() const { return mLinetypeTable; }
    AcDbObjectId textStyleTableId() const { return mTextStyleTable; }
    AcDbObjectId dimStyleTableId() const { return mDimStyleTable; }
    AcDbObjectId regAppTableId() const { return mRegAppTable; }
    AcDbObjectId UCSTableId() const { return mUCSTable; }
    AcDbObjectId viewTableId() const { return mViewTable; }
    AcDbObjectId viewportTableId() const { return mViewportTable; }

    Acad::ErrorStatus getNamedObjectsDictionary(AcDbDictionary*& pDict, AcDb::OpenMode mode = AcDb::kForRead);
    AcDbObjectId namedObjectsDictionaryId() const { return mNamedObjects; }
    Acad::ErrorStatus getGroupDictionary(AcDbDictionary*& pDict, AcDb::OpenMode mode = AcDb::kForRead);
    AcDbObjectId groupDictionaryId() const;
    AcDbObjectId layoutDictionaryId() const;

    // Current values for new entities. Setting an id of the wrong table gives
    // eWrongObjectType, a null id eNullObjectId.
    AcDbObjectId clayer() const { return mClayer; }
    Acad::ErrorStatus setClayer(AcDbObjectId objId);
    AcDbObjectId celtype() const { return mCeltype; }
    Acad::ErrorStatus setCeltype(AcDbObjectId objId);
    AcCmColor cecolor() const { return mCecolor; }
    Acad::ErrorStatus setCecolor(const AcCmColor& color);
    AcDb::LineWeight celweight() const { return mCelweight; }
    Acad::ErrorStatus setCelweight(AcDb::LineWeight weight);
    double celtscale() const { return mCeltscale; }
    Acad::ErrorStatus setCeltscale(double scale);
    AcDbObjectId textstyle() const { return mTextstyle; }
    Acad::ErrorStatus setTextstyle(AcDbObjectId objId);
    AcDbObjectId dimstyle() const { return mDimstyle; }
    Acad::ErrorStatus setDimstyle(AcDbObjectId objId);
    double ltscale() const { return mLtscale; }
    Acad::ErrorStatus setLtscale(double scale);
    Adesk::Int16 pdmode() const { return mPdmode; }
    Acad::ErrorStatus setPdmode(Adesk::Int16 mode);
    double pdsize() const { return mPdsize; }
    Acad::ErrorStatus setPdsize(double size);
    double textsize() const { return mTextsize; }
    Acad::ErrorStatus setTextsize(double size);
    AcGePoint3d insbase() const { return mInsbase; }
    Acad::ErrorStatus setInsbase(const AcGePoint3d& base);
    AcGePoint3d extmin() const { return mExtmin; }
    AcGePoint3d extmax() const { return mExtmax; }
    Acad::ErrorStatus setExtmin(const AcGePoint3d& p);
    Acad::ErrorStatus setExtmax(const AcGePoint3d& p);
    bool tilemode() const { return mTilemode; }
    Acad::ErrorStatus setTilemode(bool mode);
    // Model space while tilemode is on, else paper space.
    AcDbObjectId currentSpaceId() const;
    AcDbObjectId modelSpaceId() const { return mModelSpace; }
    AcDbObjectId paperSpaceId() const { return mPaperSpace; }

    // Loads the named linetype ("*" for all) from a linetype file found through the support
    // path. eKeyNotFound when the file or the name is missing; eDuplicateRecordName when the
    // drawing already has it (it is left unchanged).
    Acad::ErrorStatus loadLineTypeFile(const ACHAR* ltn, const ACHAR* filename);

    // Reads a drawing into this database, replacing what it held. Drawings are DXF here.
    Acad::ErrorStatus readDwgFile(
        const ACHAR* fileName, int shmode = 0, bool bAllowCPConversion = false, const wchar_t* password = nullptr);
    // Saves the drawing as DXF: a temporary file in the same folder, flushed and checked,
    // then renamed over the target. A failed write leaves the old file and returns an error.
    Acad::ErrorStatus saveAs(const ACHAR* fileName);
    Acad::ErrorStatus dxfOut(const ACHAR* fileName, int precision = 16, AcDb::DwgVersion dwgVer = AcDb::kDHL_CURRENT);
    // The whole DXF text of the drawing.
    std::string dxfText() const;
    // Dimensions whose inputs or styles changed since their blocks were built rebuild them.
    void updateDimensionBlocks() const;
    // Reads DXF text into this database, replacing what it held.
    Acad::ErrorStatus dxfInText(const std::string& text);
    const std::wstring& fileName() const { return mFileName; }

    // Copies the model-space entities of pDb into a block of that name (made when missing,
    // emptied first when it holds entities), with the tables they need. eSelfReference when
    // pDb already holds a block of that name.
    Acad::ErrorStatus insert(
        AcDbObjectId& blockId, const ACHAR* pBlockName, AcDbDatabase* pDb, bool preserveSourceDatabase = true);

    // For the database's own classes.
    static AcDbObject* peek(AcDbObjectId id);
    // The name of a symbol-table record; empty for another object.
    static std::wstring symbolName(AcDbObjectId id);
    // The id of a live record of the table by name; null when missing.
    AcDbObjectId symbolId(AcDbObjectId tableId, const ACHAR* name) const;
    bool hasRegApp(const ACHAR* name) const;
    AcDbObjectId layerZero() const;
    AcDbObjectId byLayerLinetype() const;
    AcDbObjectId byBlockLinetype() const;
    AcDbObjectId continuousLinetype() const;
    // The layer of that name, made when a file names one that its table lacks.
    AcDbObjectId layerIdForDxf(const std::wstring& name);
    // A handle for something that is not an object of its own (a block's BLOCK record).
    AcDbHandle allocateHandle();
    // Keeps the next handle above one met in a file.
    void noteHandle(AcDbHandle h);
    // The stub of a handle, made on first use (the DXF reader meets references first).
    AcDbStub* stubForHandle(AcDbHandle h);
    void setTableIds(AcDbObjectId block, AcDbObjectId layer, AcDbObjectId linetype, AcDbObjectId textStyle,
        AcDbObjectId dimStyle, AcDbObjectId regApp, AcDbObjectId ucs, AcDbObjectId view, AcDbObjectId viewport);
    void setNamedObjectsDictionaryId(AcDbObjectId id) { mNamedObjects = id; }
    void setSpaceIds(AcDbObjectId model, AcDbObjectId paper);
    void setHandseed(AcDbHandle seed);
    void setFileName(const std::wstring& name) { mFileName = name; }
    // Forgets every object, for a read that replaces the drawing.
    void clear();
    // Every object in handle order.
    std::vector<AcDbObjectId> allObjectIds() const;

private:
    void buildDefaultDrawing();

    std::vector<std::unique_ptr<AcDbStub>> mStubs;
    std::map<Adesk::UInt64, AcDbStub*> mByHandle;
    AcDbHandle mNextHandle { 1 };
    AcDbObjectId mBlockTable, mLayerTable, mLinetypeTable, mTextStyleTable, mDimStyleTable, mRegAppTable, mUCSTable,
        mViewTable, mViewportTable;
    AcDbObjectId mNamedObjects;
    AcDbObjectId mModelSpace, mPaperSpace;
    AcDbObjectId mClayer, mCeltype, mTextstyle, mDimstyle;
    AcCmColor mCecolor;
    AcDb::LineWeight mCelweight = AcDb::kLnWtByLayer;
    double mCeltscale = 1.0;
    double mLtscale = 1.0;
    Adesk::Int16 mPdmode = 0;
    double mPdsize = 0.0;
    double mTextsize = 2.5;
    AcGePoint3d mInsbase;
    AcGePoint3d mExtmin { 1e20, 1e20, 1e20 };
    AcGePoint3d mExtmax { -1e20, -1e20, -1e20 };
    bool mTilemode = true;
    std::wstring mFileName;
};
