// Dash patterns are plain dashes and gaps; complex elements (shapes, texts) are not kept.
#include "AcDbLinetypeTableRecord.h"

#include "AcDbDxfFiler.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbLinetypeTableRecord, AcDbSymbolTableRecord, L"LTYPE")

Acad::ErrorStatus AcDbLinetypeTableRecord::comments(const ACHAR*& pString) const
{
    pString = mComments.c_str();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::comments(ACHAR*& pString) const
{
    pString = acutNewString(mComments.c_str());
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setComments(const ACHAR* pString)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mComments = pString ? pString : L"";
    return Acad::eOk;
}

void AcDbLinetypeTableRecord::setPatternLength(double patternLength)
{
    mPatternLength = patternLength;
}

void AcDbLinetypeTableRecord::setNumDashes(int count)
{
    mDashes.resize(static_cast<std::size_t>(count < 0 ? 0 : count));
}

double AcDbLinetypeTableRecord::dashLengthAt(int index) const
{
    return index >= 0 && index < numDashes() ? mDashes[static_cast<std::size_t>(index)] : 0.0;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setDashLengthAt(int index, double value)
{
    if (index < 0 || index >= numDashes())
        return Acad::eInvalidIndex;
    mDashes[static_cast<std::size_t>(index)] = value;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbSymbolTableRecord::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbLinetypeTableRecord");
    dxfOutNameAndFlags(filer, 0);
    filer->writeString(3, mComments);
    filer->writeInt16(72, 65);
    filer->writeInt16(73, numDashes());
    filer->writeDouble(40, mPatternLength);
    for (double d : mDashes) {
        filer->writeDouble(49, d);
        filer->writeInt16(74, 0);
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbSymbolTableRecord::dxfInFields(filer);
    filer->atSubclassData(L"AcDbLinetypeTableRecord");
    mDashes.clear();
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 2:
            dxfInName(g.asString());
            break;
        case 3:
            mComments = g.asString();
            break;
        case 40:
            mPatternLength = g.asDouble();
            break;
        case 49:
            mDashes.push_back(g.asDouble());
            break;
        default:
            break;
        }
    });
    return Acad::eOk;
}
