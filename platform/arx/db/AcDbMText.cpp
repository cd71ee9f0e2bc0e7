// Contents go to DXF in chunks of at most 250 bytes (group 3), the last chunk in group 1;
// chunks end on whole characters so the UTF-8 text stays valid.
#include "CodePage.h"
#include "AcDbMText.h"

#include "AcDbDatabase.h"
#include "AcDbDxfFiler.h"
#include "AcDbTextStyleTableRecord.h"
#include "AcGeLineSeg3d.h"
#include "CString.h"
#include "DbGeometry.h"
#include "TextMetrics.h"

#include <cmath>

ACRX_DEFINE_DXF_MEMBERS(AcDbMText, AcDbEntity, L"MTEXT")

Acad::ErrorStatus AcDbMText::setDirection(const AcGeVector3d& d)
{
    if (d.length() == 0.0)
        return Acad::eInvalidInput;
    return setField(mDirection, d / d.length());
}

double AcDbMText::rotation() const
{
    return std::atan2(mDirection.y, mDirection.x);
}

Acad::ErrorStatus AcDbMText::setRotation(double angle)
{
    return setField(mDirection, AcGeVector3d(std::cos(angle), std::sin(angle), 0.0));
}

Acad::ErrorStatus AcDbMText::setTextHeight(double h)
{
    if (!(h > 0.0))
        return Acad::eInvalidInput;
    return setField(mTextHeight, h);
}

Acad::ErrorStatus AcDbMText::setAttachment(AttachmentPoint a)
{
    if (a < kTopLeft || a > kBottomRight)
        return Acad::eInvalidInput;
    return setField(mAttachment, a);
}

Acad::ErrorStatus AcDbMText::setTextStyle(AcDbObjectId id)
{
    if (!id.isNull() && !AcDbTextStyleTableRecord::cast(AcDbDatabase::peek(id)))
        return Acad::eWrongObjectType;
    return setField(mStyle, id);
}

ACHAR* AcDbMText::contents() const
{
    return acutNewString(mContents.c_str());
}

Acad::ErrorStatus AcDbMText::setContents(const ACHAR* text)
{
    if (text == nullptr)
        return Acad::eInvalidInput;
    return setField(mContents, std::wstring(text));
}

void AcDbMText::objectAddedToDatabase()
{
    AcDbEntity::objectAddedToDatabase();
    AcDbDatabase* db = database();
    if (mStyle.isNull() || mStyle.database() != db)
        mStyle = db->textstyle();
    if (mTextHeight <= 0.0)
        mTextHeight = db->textsize();
}

Acad::ErrorStatus AcDbMText::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbEntity::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbMText");
    filer->writePoint3d(10, mLocation);
    filer->writeDouble(40, mTextHeight);
    filer->writeDouble(41, mWidth);
    filer->writeInt16(71, mAttachment);
    filer->writeInt16(72, mFlow);
    const std::string utf8 = WideToUtf8Lossy(mContents);
    std::size_t start = 0;
    while (utf8.size() - start > 250) {
        std::size_t end = start + 250;
        while (end > start && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
            --end;
        filer->writeRawString(3, utf8.substr(start, end - start));
        start = end;
    }
    filer->writeRawString(1, utf8.substr(start));
    filer->writeString(7, mStyle.isNull() ? std::wstring(L"Standard") : AcDbDatabase::symbolName(mStyle));
    if (mNormal != AcGeVector3d::kZAxis)
        filer->writeVector3d(210, mNormal);
    filer->writeVector3d(11, mDirection);
    filer->writeInt16(73, 1);
    filer->writeDouble(44, mLineSpacing);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbEntity::dxfInFields(filer);
    if (!filer->atSubclassData(L"AcDbMText"))
        return Acad::eInvalidInput;
    AcDbDatabase* db = filer->database();
    std::wstring chunks;
    std::wstring last;
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 10:
            mLocation = filer->readPoint3d(g);
            break;
        case 40:
            mTextHeight = g.asDouble();
            break;
        case 41:
            mWidth = g.asDouble();
            break;
        case 71:
            mAttachment = g.asEnum(kTopLeft, kBottomRight, kTopLeft);
            break;
        case 72:
            mFlow = g.asEnum(kLtoR, kByStyle, kLtoR);
            break;
        case 3:
            chunks += g.asString();
            break;
        case 1:
            last = g.asString();
            break;
        case 7:
            mStyle = db->symbolId(db->textStyleTableId(), g.asString().c_str());
            break;
        case 210:
            mNormal = filer->readVector3d(g);
            break;
        case 11:
            mDirection = filer->readVector3d(g);
            break;
        case 50: {
            const double a = filer->readAngle(g);
            mDirection = AcGeVector3d(std::cos(a), std::sin(a), 0.0);
            break;
        }
        case 44:
            mLineSpacing = g.asDouble();
            break;
        default:
            break;
        }
    });
    mContents = chunks + last;
    return Acad::eOk;
}

namespace {

// The text's box corners in the world, from the metrics' layout about the location.
void mtextCorners(const AcDbMText& t, AcGePoint3d corners[4])
{
    double widthFactor = 1.0, oblique = 0.0;
    if (auto* style = AcDbTextStyleTableRecord::cast(AcDbDatabase::peek(t.textStyle()))) {
        widthFactor = style->xScale() > 0.0 ? style->xScale() : 1.0;
        oblique = style->obliquingAngle();
    }
    const TextMetrics::Layout layout = TextMetrics::layoutMText(
        t.contentsConst(), t.textHeight(), widthFactor, oblique, t.width(), t.lineSpacingFactor(), t.attachment());
    const AcGeVector3d n = t.normal().normal();
    AcGeVector3d x = t.direction().orthoProject(n);
    if (x.isZeroLength())
        x = DbGeometry::ocsXAxis(n);
    x = x.normal();
    const AcGeVector3d y = n.crossProduct(x);
    const TextMetrics::Box& b = layout.box;
    corners[0] = t.location() + x * b.minX + y * b.minY;
    corners[1] = t.location() + x * b.maxX + y * b.minY;
    corners[2] = t.location() + x * b.maxX + y * b.maxY;
    corners[3] = t.location() + x * b.minX + y * b.maxY;
}

} // namespace

Acad::ErrorStatus AcDbMText::getGeomExtents(AcDbExtents& extents) const
{
    AcGePoint3d corners[4];
    mtextCorners(*this, corners);
    AcDbExtents box;
    for (const AcGePoint3d& c : corners)
        box.addPoint(c);
    extents = box;
    return Acad::eOk;
}

bool AcDbMText::getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>& curves, bool) const
{
    AcGePoint3d corners[4];
    mtextCorners(*this, corners);
    for (int i = 0; i < 4; ++i)
        curves.push_back(std::make_unique<AcGeLineSeg3d>(corners[i], corners[(i + 1) % 4]));
    return true;
}

Acad::ErrorStatus AcDbMText::transformBy(const AcGeMatrix3d& xform)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    double scale = 1.0;
    if (!DbGeometry::isUniform(xform, scale))
        return Acad::eNotApplicable;
    mLocation.transformBy(xform);
    mDirection.transformBy(xform);
    mDirection = mDirection.normal();
    mNormal.transformBy(xform);
    mNormal = mNormal.normal();
    mTextHeight *= scale;
    mWidth *= scale;
    return Acad::eOk;
}
