// DXF: block name 2, definition point 10, text position 11, type 70 (+32 block used by this
// dimension only, +128 user text position), attachment 71, line spacing 72/41, measurement
// 42, text 1, text rotation 53, horizontal rotation 51, extrusion 210, style name 3.
#include "AcDbDimension.h"

#include "AcDbBlockTable.h"
#include "AcDbDatabase.h"
#include "AcDbDimStyleTableRecord.h"
#include "AcDbDxfFiler.h"
#include "AcDbHostApplicationServices.h"

#include <algorithm>
#include <cwchar>

ACRX_DEFINE_MEMBERS(AcDbDimension, AcDbEntity)

namespace {

// A new anonymous block "*Dn" for a dimension's graphics, numbered after the drawing's others.
AcDbObjectId newDimensionBlock(AcDbDatabase* db)
{
    auto* table = AcDbBlockTable::cast(AcDbDatabase::peek(db->blockTableId()));
    if (table == nullptr)
        return AcDbObjectId();
    long last = 0;
    for (const AcDbObjectId& id : table->recordIds()) {
        const std::wstring name = AcDbDatabase::symbolName(id);
        if (name.size() > 2 && (name.compare(0, 2, L"*D") == 0 || name.compare(0, 2, L"*d") == 0))
            last = std::max(last, std::wcstol(name.c_str() + 2, nullptr, 10));
    }
    // The table is the database's own; it may be open for read by the caller.
    const bool wasWrite = table->isWriteEnabled();
    if (!wasWrite && table->openFor(AcDb::kForWrite, false) != Acad::eOk)
        return AcDbObjectId();
    auto* block = new AcDbBlockTableRecord();
    block->setName((L"*D" + std::to_wstring(last + 1)).c_str());
    AcDbObjectId id;
    if (table->add(id, block) == Acad::eOk)
        block->close();
    else
        delete block;
    if (!wasWrite)
        table->close();
    return id;
}

} // namespace

void AcDbDimension::initDimension(const ACHAR* dimText, AcDbObjectId dimStyle)
{
    mText = dimText ? dimText : L"";
    if (!dimStyle.isNull())
        setDimensionStyle(dimStyle);
}

AcDbDatabase* AcDbDimension::dimVarDatabase() const
{
    return database() ? database() : acdbHostApplicationServices()->workingDatabase();
}

Acad::ErrorStatus AcDbDimension::setTextPosition(const AcGePoint3d& p)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mTextPosition = p;
    mUserTextPosition = true;
    return Acad::eOk;
}

ACHAR* AcDbDimension::dimensionText() const
{
    return acutNewString(mText.c_str());
}

Acad::ErrorStatus AcDbDimension::setDimensionText(const ACHAR* text)
{
    return setField(mText, std::wstring(text ? text : L""));
}

Acad::ErrorStatus AcDbDimension::setDimensionStyle(AcDbObjectId id)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    auto* style = AcDbDimStyleTableRecord::cast(AcDbDatabase::peek(id));
    if (style == nullptr)
        return Acad::eWrongObjectType;
    mStyle = id;
    copyDimVariables(*style);
    mOverrides.clear();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::getDimstyleData(AcDbDimStyleTableRecord*& pRecord) const
{
    pRecord = new AcDbDimStyleTableRecord();
    pRecord->copyDimVariables(*this);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::setDimstyleData(AcDbDimStyleTableRecord* pNewData)
{
    if (pNewData == nullptr)
        return Acad::eNullObjectPointer;
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    copyDimVariables(*pNewData);
    auto* style = AcDbDimStyleTableRecord::cast(AcDbDatabase::peek(mStyle));
    if (style != nullptr)
        mOverrides = differingCodes(*style, *this);
    else
        mOverrides.clear();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::setDimstyleData(AcDbObjectId newDataId)
{
    auto* record = AcDbDimStyleTableRecord::cast(AcDbDatabase::peek(newDataId));
    if (record == nullptr)
        return Acad::eWrongObjectType;
    return setDimstyleData(record);
}

Acad::ErrorStatus AcDbDimension::setDimBlockId(const AcDbObjectId& id)
{
    if (!id.isNull() && !AcDbBlockTableRecord::cast(AcDbDatabase::peek(id)))
        return Acad::eWrongObjectType;
    return setField(mBlock, id);
}

void AcDbDimension::objectAddedToDatabase()
{
    AcDbEntity::objectAddedToDatabase();
    if (mBlock.isNull() || mBlock.database() != database())
        mBlock = newDimensionBlock(database());
    if (!mStyle.isNull() && mStyle.database() == database()) {
        recomputeDimensionBlock();
        return;
    }
    // A dimension made without a style takes the drawing's current one; the variables the
    // caller set stay as overrides.
    auto* style = AcDbDimStyleTableRecord::cast(AcDbDatabase::peek(database()->dimstyle()));
    if (style == nullptr)
        return;
    AcDbDimStyleTableRecord mine;
    mine.copyDimVariables(*this);
    mStyle = database()->dimstyle();
    copyDimVariables(*style);
    copyDimVariables(mine, mOverrides);
    recomputeDimensionBlock();
}

Acad::ErrorStatus AcDbDimension::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbEntity::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbDimension");
    filer->writeString(2, (mBlock.isValid() && !mBlock.isErased()) ? AcDbDatabase::symbolName(mBlock) : std::wstring());
    filer->writePoint3d(10, dxfDefinitionPoint());
    filer->writePoint3d(11, mTextPosition);
    filer->writeInt16(70, dxfDimensionType() | 32 | (mUserTextPosition ? 128 : 0));
    filer->writeInt16(71, 5);
    filer->writeInt16(72, 1);
    filer->writeDouble(41, 1.0);
    filer->writeDouble(42, mMeasurement);
    filer->writeString(1, mText);
    if (mTextRotation != 0.0)
        filer->writeAngle(53, mTextRotation);
    if (mHorizontalRotation != 0.0)
        filer->writeAngle(51, mHorizontalRotation);
    if (mNormal != AcGeVector3d::kZAxis)
        filer->writeVector3d(210, mNormal);
    filer->writeString(3, mStyle.isNull() ? std::wstring(L"Standard") : AcDbDatabase::symbolName(mStyle));
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbEntity::dxfInFields(filer);
    if (!filer->atSubclassData(L"AcDbDimension"))
        return Acad::eInvalidInput;
    AcDbDatabase* db = filer->database();
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 2:
            mBlock = db->symbolId(db->blockTableId(), g.asString().c_str());
            break;
        case 10:
            setDxfDefinitionPoint(filer->readPoint3d(g));
            break;
        case 11:
            mTextPosition = filer->readPoint3d(g);
            break;
        case 70:
            mUserTextPosition = (g.asInt() & 128) != 0;
            break;
        case 42:
            mMeasurement = g.asDouble();
            break;
        case 1:
            mText = g.asString();
            break;
        case 53:
            mTextRotation = filer->readAngle(g);
            break;
        case 51:
            mHorizontalRotation = filer->readAngle(g);
            break;
        case 210:
            mNormal = filer->readVector3d(g);
            break;
        case 3: {
            mStyle = db->symbolId(db->dimStyleTableId(), g.asString().c_str());
            if (auto* style = AcDbDimStyleTableRecord::cast(AcDbDatabase::peek(mStyle)))
                copyDimVariables(*style);
            break;
        }
        default:
            break;
        }
    });
    return Acad::eOk;
}

void AcDbDimension::dxfOutXData(AcDbDxfFiler* filer) const
{
    if (!mOverrides.empty()) {
        filer->writeString(1001, L"ACAD");
        filer->writeString(1000, L"DSTYLE");
        filer->writeString(1002, L"{");
        dxfOutDimOverrides(filer, mOverrides);
        filer->writeString(1002, L"}");
    }
    AcDbObject::dxfOutXData(filer);
}

Acad::ErrorStatus AcDbDimension::dxfInXData(const std::vector<AcDbDxfGroup>& groups)
{
    // The "ACAD" DSTYLE list becomes overrides; other extended data stays as it is.
    std::vector<AcDbDxfGroup> rest;
    std::vector<AcDbDxfGroup> overrides;
    bool inAcad = false;
    bool inList = false;
    for (const AcDbDxfGroup& g : groups) {
        if (g.code == 1001) {
            inAcad = g.asString() == L"ACAD";
            inList = false;
        }
        if (!inAcad) {
            rest.push_back(g);
        } else if (g.code == 1002) {
            inList = g.asString() == L"{";
        } else if (inList) {
            overrides.push_back(g);
        }
    }
    AcDbDxfFiler filer(database(), overrides);
    AcDbDxfGroup code, value;
    while (filer.readGroup(code) && filer.readGroup(value)) {
        const int c = code.asInt();
        if (dxfInDimVariable(c, value, &filer))
            mOverrides.insert(c);
    }
    const Acad::ErrorStatus es = AcDbObject::dxfInXData(rest);
    // A block read with the dimension is taken as built from what was read.
    mSignature = inputSignature();
    return es;
}
