// The TrueType flags word packs pitch-and-family in the low byte, the character set in the
// next, italic in bit 24 and bold in bit 25.
#include "AcDbTextStyleTableRecord.h"

#include "AcDbDxfFiler.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbTextStyleTableRecord, AcDbSymbolTableRecord, L"STYLE")

namespace {
constexpr long long kItalicBit = 1LL << 24;
constexpr long long kBoldBit = 1LL << 25;
} // namespace

Acad::ErrorStatus AcDbTextStyleTableRecord::setTextSize(double size)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (size < 0.0)
        return Acad::eInvalidInput;
    mTextSize = size;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setXScale(double xScale)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (!(xScale > 0.0))
        return Acad::eInvalidInput;
    mXScale = xScale;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setObliquingAngle(double obliquingAngle)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mObliquingAngle = obliquingAngle;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setPriorSize(double priorSize)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mPriorSize = priorSize;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::fileName(const ACHAR*& fileName) const
{
    fileName = mFileName.c_str();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::fileName(ACHAR*& fileName) const
{
    fileName = acutNewString(mFileName.c_str());
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setFileName(const ACHAR* fileName)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mFileName = fileName ? fileName : L"";
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::bigFontFileName(const ACHAR*& fileName) const
{
    fileName = mBigFontFileName.c_str();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::bigFontFileName(ACHAR*& fileName) const
{
    fileName = acutNewString(mBigFontFileName.c_str());
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setBigFontFileName(const ACHAR* fileName)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mBigFontFileName = fileName ? fileName : L"";
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setFont(
    const ACHAR* pTypeface, bool bold, bool italic, int charset, int pitchAndFamily)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mTypeface = pTypeface ? pTypeface : L"";
    mBold = bold;
    mItalic = italic;
    mCharset = charset;
    mPitchAndFamily = pitchAndFamily;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::font(
    ACHAR*& pTypeface, bool& bold, bool& italic, int& charset, int& pitchAndFamily) const
{
    pTypeface = acutNewString(mTypeface.c_str());
    bold = mBold;
    italic = mItalic;
    charset = mCharset;
    pitchAndFamily = mPitchAndFamily;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbSymbolTableRecord::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbTextStyleTableRecord");
    dxfOutNameAndFlags(filer, (mIsShapeFile ? 1 : 0) | (mIsVertical ? 4 : 0));
    filer->writeDouble(40, mTextSize);
    filer->writeDouble(41, mXScale);
    filer->writeAngle(50, mObliquingAngle);
    filer->writeInt16(71, mFlagBits);
    filer->writeDouble(42, mPriorSize);
    filer->writeString(3, mFileName);
    filer->writeString(4, mBigFontFileName);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbSymbolTableRecord::dxfInFields(filer);
    filer->atSubclassData(L"AcDbTextStyleTableRecord");
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 2:
            dxfInName(g.asString());
            break;
        case 70:
            mIsShapeFile = (g.asInt() & 1) != 0;
            mIsVertical = (g.asInt() & 4) != 0;
            break;
        case 40:
            mTextSize = g.asDouble();
            break;
        case 41:
            mXScale = g.asDouble();
            break;
        case 50:
            mObliquingAngle = filer->readAngle(g);
            break;
        case 71:
            mFlagBits = static_cast<Adesk::UInt8>(g.asInt());
            break;
        case 42:
            mPriorSize = g.asDouble();
            break;
        case 3:
            mFileName = g.asString();
            break;
        case 4:
            mBigFontFileName = g.asString();
            break;
        default:
            break;
        }
    });
    return Acad::eOk;
}

void AcDbTextStyleTableRecord::dxfOutXData(AcDbDxfFiler* filer) const
{
    if (!mTypeface.empty()) {
        filer->writeString(1001, L"ACAD");
        filer->writeString(1000, mTypeface);
        filer->writeInt32(1071,
            (mPitchAndFamily & 0xFF) | ((mCharset & 0xFF) << 8) | (mItalic ? kItalicBit : 0) | (mBold ? kBoldBit : 0));
    }
    AcDbObject::dxfOutXData(filer);
}

Acad::ErrorStatus AcDbTextStyleTableRecord::dxfInXData(const std::vector<AcDbDxfGroup>& groups)
{
    // The "ACAD" group that carries the face is taken out; other applications stay as data.
    std::vector<AcDbDxfGroup> rest;
    bool inAcad = false;
    for (const AcDbDxfGroup& g : groups) {
        if (g.code == 1001)
            inAcad = g.asString() == L"ACAD";
        if (!inAcad) {
            rest.push_back(g);
            continue;
        }
        if (g.code == 1000) {
            mTypeface = g.asString();
        } else if (g.code == 1071) {
            const long long v = static_cast<long long>(g.asDouble());
            mPitchAndFamily = static_cast<int>(v & 0xFF);
            mCharset = static_cast<int>((v >> 8) & 0xFF);
            mItalic = (v & kItalicBit) != 0;
            mBold = (v & kBoldBit) != 0;
        }
    }
    return AcDbObject::dxfInXData(rest);
}
