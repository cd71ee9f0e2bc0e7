// A layer that is off carries a negative colour number in DXF; the states are bits of 70.
#include "AcDbLayerTableRecord.h"

#include "AcDbDatabase.h"
#include "AcDbDxfFiler.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbLayerTableRecord, AcDbSymbolTableRecord, L"LAYER")

AcDbLayerTableRecord::AcDbLayerTableRecord()
{
    mColor.setColorIndex(7);
}

Acad::ErrorStatus AcDbLayerTableRecord::setIsFrozen(bool frozen)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mFrozen = frozen;
    return Acad::eOk;
}

void AcDbLayerTableRecord::setIsOff(bool off)
{
    mOff = off;
}
void AcDbLayerTableRecord::setVPDFLT(bool frozen)
{
    mVpdflt = frozen;
}
void AcDbLayerTableRecord::setIsLocked(bool locked)
{
    mLocked = locked;
}

Acad::ErrorStatus AcDbLayerTableRecord::setIsPlottable(bool plot)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mPlottable = plot;
    return Acad::eOk;
}

void AcDbLayerTableRecord::setColor(const AcCmColor& color)
{
    mColor = color;
}

void AcDbLayerTableRecord::setLinetypeObjectId(AcDbObjectId id)
{
    mLinetype = id;
}

Acad::ErrorStatus AcDbLayerTableRecord::setLineWeight(AcDb::LineWeight weight)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mLineWeight = weight;
    return Acad::eOk;
}

void AcDbLayerTableRecord::objectAddedToDatabase()
{
    if (mLinetype.isNull() || mLinetype.database() != database())
        mLinetype = database()->continuousLinetype();
}

Acad::ErrorStatus AcDbLayerTableRecord::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbSymbolTableRecord::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbLayerTableRecord");
    dxfOutNameAndFlags(filer, (mFrozen ? 1 : 0) | (mVpdflt ? 2 : 0) | (mLocked ? 4 : 0));
    const int index = mColor.isByColor() ? 7 : mColor.colorIndex();
    filer->writeInt16(62, mOff ? -index : index);
    if (mColor.isByColor())
        filer->writeInt32(420, mColor.rgb());
    filer->writeString(6, mLinetype.isNull() ? std::wstring(L"Continuous") : AcDbDatabase::symbolName(mLinetype));
    if (!mPlottable)
        filer->writeInt16(290, 0);
    filer->writeInt16(370, mLineWeight);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTableRecord::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbSymbolTableRecord::dxfInFields(filer);
    filer->atSubclassData(L"AcDbLayerTableRecord");
    AcDbDatabase* db = filer->database();
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 2:
            dxfInName(g.asString());
            break;
        case 70:
            mFrozen = (g.asInt() & 1) != 0;
            mVpdflt = (g.asInt() & 2) != 0;
            mLocked = (g.asInt() & 4) != 0;
            break;
        case 62:
            mOff = g.asInt() < 0;
            mColor.setColorIndex(static_cast<Adesk::UInt16>(g.asInt() < 0 ? -g.asInt() : g.asInt()));
            break;
        case 420: {
            const unsigned v = static_cast<unsigned>(g.asInt());
            mColor.setRGB(
                static_cast<Adesk::UInt8>(v >> 16), static_cast<Adesk::UInt8>(v >> 8), static_cast<Adesk::UInt8>(v));
            break;
        }
        case 6:
            mLinetype = db->symbolId(db->linetypeTableId(), g.asString().c_str());
            break;
        case 290:
            mPlottable = g.asInt() != 0;
            break;
        case 370:
            mLineWeight = g.asEnum(AcDb::kLnWtByLwDefault, AcDb::kLnWt211, AcDb::kLnWtByLwDefault);
            break;
        default:
            break;
        }
    });
    return Acad::eOk;
}
