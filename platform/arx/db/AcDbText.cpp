// DXF writes two AcDbText subclasses: the first with the geometry and horizontal mode, the
// second with the vertical mode. The alignment point 11 is written only for a non-default
// alignment. A text without style or height takes the drawing's current style and its
// fixed height, else the drawing's TEXTSIZE.
#include "AcDbText.h"

#include "AcDbDatabase.h"
#include "AcDbDxfFiler.h"
#include "AcDbTextStyleTableRecord.h"
#include "AcGeLineSeg3d.h"
#include "DbGeometry.h"
#include "TextMetrics.h"

#include <cwchar>

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

void AcDbText::frame(AcGeVector3d& xDir, AcGeVector3d& yDir) const
{
    const AcGeVector3d n = mNormal.normal();
    xDir = DbGeometry::ocsXAxis(n);
    xDir.rotateBy(mRotation, n);
    yDir = n.crossProduct(xDir);
}

// With the default alignment the position is the insertion point and nothing follows from it.
// Aligned and fit texts span from the position to the alignment point: their rotation, and
// their height (aligned) or width factor (fit), follow. Every other mode refers to the
// alignment point, and the position (the baseline's left end) follows from the text's size.
Acad::ErrorStatus AcDbText::adjustAlignment(const AcDbDatabase*)
{
    if (isDefaultAlignment())
        return Acad::eOk;
    if (!isWriteEnabled() && isDatabaseResident())
        return Acad::eNotOpenForWrite;
    const std::wstring shown = TextMetrics::decodeControlCodes(mText);
    const int horz = mHorizontalMode;
    const int vert = mVerticalMode;
    if (horz == AcDb::kTextAlign || horz == AcDb::kTextFit) {
        const AcGeVector3d span = mAlignmentPoint - mPosition;
        const double length = span.orthoProject(mNormal).length();
        if (length <= 0.0)
            return Acad::eOk;
        const TextMetrics::Placement place
            = TextMetrics::place(shown, mHeight, mWidthFactor, mOblique, horz, AcDb::kTextBase, length);
        mRotation = DbGeometry::ocsAngle(mNormal, span);
        mHeight = place.height;
        mWidthFactor = place.widthFactor;
        return Acad::eOk;
    }
    const TextMetrics::Placement place = TextMetrics::place(shown, mHeight, mWidthFactor, mOblique, horz, vert);
    AcGeVector3d xDir, yDir;
    frame(xDir, yDir);
    // A backward or upside-down text lies on the other side of its position.
    if (isMirroredInX())
        xDir = -xDir;
    if (isMirroredInY())
        yDir = -yDir;
    mPosition = mAlignmentPoint + xDir * place.originX + yDir * place.originY;
    return Acad::eOk;
}

std::wstring AcDbText::alignmentInputs() const
{
    std::wstring key = mText;
    for (double v : { mAlignmentPoint.x, mAlignmentPoint.y, mAlignmentPoint.z, mNormal.x, mNormal.y, mNormal.z,
             mOblique, mRotation, mHeight, mWidthFactor }) {
        wchar_t exact[40];
        std::swprintf(exact, 40, L"|%a", v);
        key += exact;
    }
    key += L"|" + std::to_wstring(mHorizontalMode) + L"|" + std::to_wstring(mVerticalMode);
    return key;
}

void AcDbText::subClose()
{
    if (alignmentInputs() == mAlignedFrom)
        return;
    adjustAlignment(database());
    mAlignedFrom = alignmentInputs();
}

void AcDbText::boxCorners(AcGePoint3d corners[4]) const
{
    const TextMetrics::Box box
        = TextMetrics::box(TextMetrics::decodeControlCodes(mText), mHeight, mWidthFactor, mOblique);
    AcGeVector3d xDir, yDir;
    frame(xDir, yDir);
    // Mirrored texts run backwards (in X) or upside down (in Y) from their position.
    if (isMirroredInX())
        xDir = -xDir;
    if (isMirroredInY())
        yDir = -yDir;
    corners[0] = mPosition + xDir * box.minX + yDir * box.minY;
    corners[1] = mPosition + xDir * box.maxX + yDir * box.minY;
    corners[2] = mPosition + xDir * box.maxX + yDir * box.maxY;
    corners[3] = mPosition + xDir * box.minX + yDir * box.maxY;
}

Acad::ErrorStatus AcDbText::getGeomExtents(AcDbExtents& extents) const
{
    AcGePoint3d corners[4];
    boxCorners(corners);
    AcDbExtents box;
    for (const AcGePoint3d& c : corners)
        box.addPoint(c);
    extents = box;
    return Acad::eOk;
}

bool AcDbText::getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>& curves, bool) const
{
    AcGePoint3d corners[4];
    boxCorners(corners);
    for (int i = 0; i < 4; ++i)
        curves.push_back(std::make_unique<AcGeLineSeg3d>(corners[i], corners[(i + 1) % 4]));
    return true;
}

Acad::ErrorStatus AcDbText::transformBy(const AcGeMatrix3d& xform)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    double scale = 1.0;
    if (!DbGeometry::isUniform(xform, scale))
        return Acad::eNotApplicable;
    // The text's box runs from its position along its direction, or against it when the
    // text is backward; the image of that run is where the new box runs. A mirror image reads
    // backwards, so a mirror toggles the backward flag.
    AcGeVector3d xDir, yDir;
    frame(xDir, yDir);
    AcGeVector3d runs = isMirroredInX() ? -xDir : xDir;
    runs.transformBy(xform);
    AcGeVector3d n = mNormal;
    n.transformBy(xform);
    mNormal = n.normal();
    mPosition.transformBy(xform);
    mAlignmentPoint.transformBy(xform);
    if (DbGeometry::isMirroring(xform))
        mGeneration ^= 2;
    mRotation = DbGeometry::ocsAngle(mNormal, isMirroredInX() ? -runs : runs);
    mHeight *= scale;
    return Acad::eOk;
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
            mHorizontalMode = g.asEnum(AcDb::kTextLeft, AcDb::kTextFit, AcDb::kTextLeft);
            break;
        case 11:
            mAlignmentPoint = filer->readPoint3d(g);
            break;
        case 210:
            mNormal = filer->readVector3d(g);
            break;
        case 73:
            mVerticalMode = g.asEnum(AcDb::kTextBase, AcDb::kTextTop, AcDb::kTextBase);
            break;
        default:
            break;
        }
    };
    filer->readSubclass(readGroup);
    if (filer->atSubclassData(L"AcDbText"))
        filer->readSubclass(readGroup);
    mAlignedFrom = alignmentInputs();
    return Acad::eOk;
}
