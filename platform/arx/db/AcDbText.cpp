// DXF writes two AcDbText subclasses: the first with the geometry and horizontal mode, the
// second with the vertical mode. The alignment point 11 is written only for a non-default
// alignment. A text without style or height takes the drawing's current style and its
// fixed height, else the drawing's TEXTSIZE.
#include "AcDbText.h"

#include "AcDbDatabase.h"
#include "AcDbDxfFiler.h"
#include "AcDbTextStyleTableRecord.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbText, AcDbEntity, L"TEXT")

AcDbText::AcDbText(const AcGePoint3d& position, const ACHAR* text, AcDbObjectId style, double height, double rotation)
    : mPosition(position)
    , mRotation(rotation)
    , mHeight(height)
    , mText(text ? text : L"")
    , mStyle(style)
{
}

Acad::ErrorStatus AcDbText::setHeight(double h)
{
    if (!(h > 0.0))
        return Acad::eInvalidInput;
    return setField(mHeight, h);
}

Acad::ErrorStatus AcDbText::setWidthFactor(double w)
{
    if (!(w > 0.0))
        return Acad::eInvalidInput;
    return setField(mWidthFactor, w);
}

Acad::ErrorStatus AcDbText::mirrorInX(bool mirror)
{
    return setField(mGeneration, mirror ? (mGeneration | 2) : (mGeneration & ~2));
}

Acad::ErrorStatus AcDbText::mirrorInY(bool mirror)
{
    return setField(mGeneration, mirror ? (mGeneration | 4) : (mGeneration & ~4));
}

ACHAR* AcDbText::textString() const
{
    return acutNewString(mText.c_str());
}

Acad::ErrorStatus AcDbText::setTextString(const ACHAR* text)
{
    if (text == nullptr)
        return Acad::eInvalidInput;
    return setField(mText, std::wstring(text));
}

Acad::ErrorStatus AcDbText::setTextStyle(AcDbObjectId id)
{
    if (!id.isNull() && !AcDbTextStyleTableRecord::cast(AcDbDatabase::peek(id)))
        return Acad::eWrongObjectType;
    return setField(mStyle, id);
}

Acad::ErrorStatus AcDbText::adjustAlignment(const AcDbDatabase*)
{
    return Acad::eNotImplementedYet;
}

void AcDbText::objectAddedToDatabase()
{
    AcDbEntity::objectAddedToDatabase();
    AcDbDatabase* db = database();
    if (mStyle.isNull() || mStyle.database() != db)
        mStyle = db->textstyle();
    if (mHeight <= 0.0) {
        auto* style = AcDbTextStyleTableRecord::cast(AcDbDatabase::peek(mStyle));
        mHeight = (style != nullptr && style->textSize() > 0.0) ? style->textSize() : db->textsize();
    }
}

Acad::ErrorStatus AcDbText::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbEntity::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbText");
    if (mThickness != 0.0)
        filer->writeDouble(39, mThickness);
    filer->writePoint3d(10, mPosition);
    filer->writeDouble(40, mHeight);
    filer->writeString(1, mText);
    if (mRotation != 0.0)
        filer->writeAngle(50, mRotation);
    if (mWidthFactor != 1.0)
        filer->writeDouble(41, mWidthFactor);
    if (mOblique != 0.0)
        filer->writeAngle(51, mOblique);
    filer->writeString(7, mStyle.isNull() ? std::wstring(L"Standard") : AcDbDatabase::symbolName(mStyle));
    if (mGeneration != 0)
        filer->writeInt16(71, mGeneration);
    if (mHorizontalMode != AcDb::kTextLeft)
        filer->writeInt16(72, mHorizontalMode);
    if (!isDefaultAlignment())
        filer->writePoint3d(11, mAlignmentPoint);
    if (mNormal != AcGeVector3d::kZAxis)
        filer->writeVector3d(210, mNormal);
    filer->writeSubclass(L"AcDbText");
    if (mVerticalMode != AcDb::kTextBase)
        filer->writeInt16(73, mVerticalMode);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbText::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbEntity::dxfInFields(filer);
    if (!filer->atSubclassData(L"AcDbText"))
        return Acad::eInvalidInput;
    AcDbDatabase* db = filer->database();
    auto readGroup = [&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 39:
            mThickness = g.asDouble();
            break;
        case 10:
            mPosition = filer->readPoint3d(g);
            break;
        case 40:
            mHeight = g.asDouble();
            break;
        case 1:
            mText = g.asString();
            break;
        case 50:
            mRotation = filer->readAngle(g);
            break;
        case 41:
            mWidthFactor = g.asDouble();
            break;
        case 51:
            mOblique = filer->readAngle(g);
            break;
        case 7:
            mStyle = db->symbolId(db->textStyleTableId(), g.asString().c_str());
            break;
        case 71:
            mGeneration = g.asInt();
            break;
        case 72:
            mHorizontalMode = static_cast<AcDb::TextHorzMode>(g.asInt());
            break;
        case 11:
            mAlignmentPoint = filer->readPoint3d(g);
            break;
        case 210:
            mNormal = filer->readVector3d(g);
            break;
        case 73:
            mVerticalMode = static_cast<AcDb::TextVertMode>(g.asInt());
            break;
        default:
            break;
        }
    };
    filer->readSubclass(readGroup);
    if (filer->atSubclassData(L"AcDbText"))
        filer->readSubclass(readGroup);
    return Acad::eOk;
}
