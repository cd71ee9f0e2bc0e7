// DXF: class version 90, corner 10, one pixel's u and v vectors 11/12, size 13, image
// definition 340, display options 70, clipping 280, brightness/contrast/fade 281-283,
// definition reactor 360, clip type 71, vertex count 91, vertices 14.
#include "AcDbRasterImage.h"

#include "AcDbDxfFiler.h"
#include "AcGeLineSeg3d.h"

#include <vector>

ACRX_DEFINE_DXF_MEMBERS(AcDbRasterImage, AcDbEntity, L"IMAGE")

bool AcDbRasterImage::setOrientation(
    const AcGePoint3d& origin, const AcGeVector3d& uCorner, const AcGeVector3d& vOnPlane)
{
    if (checkWritable() != Acad::eOk || uCorner.length() == 0.0 || vOnPlane.length() == 0.0)
        return false;
    mOrigin = origin;
    mU = uCorner;
    mV = vOnPlane;
    return true;
}

void AcDbRasterImage::getOrientation(AcGePoint3d& origin, AcGeVector3d& u, AcGeVector3d& v) const
{
    origin = mOrigin;
    u = mU;
    v = mV;
}

AcGeVector2d AcDbRasterImage::imageSize(bool) const
{
    return mSize;
}

Acad::ErrorStatus AcDbRasterImage::getPixelToModelTransform(AcGeMatrix3d& pixToMod) const
{
    const AcGeVector2d size = imageSize();
    if (size.x <= 0.0 || size.y <= 0.0)
        return Acad::eInvalidInput;
    // Pixel (x, y), Y down from the top edge, centres at whole numbers:
    // model = origin + u (x + 0.5) / width + v (height - y - 0.5) / height.
    const AcGeVector3d du = mU / size.x;
    const AcGeVector3d dv = mV / size.y;
    const AcGePoint3d pixelOrigin = mOrigin + du * 0.5 + dv * (size.y - 0.5);
    const AcGeVector3d n = du.crossProduct(dv);
    pixToMod = AcGeMatrix3d();
    for (int r = 0; r < 3; ++r) {
        pixToMod(r, 0) = du[r];
        pixToMod(r, 1) = -dv[r];
        pixToMod(r, 2) = n.length() > 0.0 ? n[r] / n.length() : 0.0;
        pixToMod(r, 3) = pixelOrigin[r];
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRasterImage::setClipBoundary(ClipBoundaryType type, const AcGePoint2dArray& boundary)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if ((type == kRect && boundary.length() != 2) || (type == kPoly && boundary.length() < 3) || type == kInvalid)
        return Acad::eInvalidInput;
    mClipType = type;
    mClip = boundary;
    // A polygon is kept closed, as the format stores it.
    // A copy: the array may move its elements while it grows.
    if (const AcGePoint2d first = mClip.first(); type == kPoly && first != mClip.last())
        mClip.append(first);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRasterImage::setClipBoundaryToWholeImage(AcGeVector2d& size)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (size.x == 0.0 && size.y == 0.0)
        size = imageSize();
    mClipType = kRect;
    mClip.removeAll();
    mClip.append(AcGePoint2d(-0.5, -0.5));
    mClip.append(AcGePoint2d(size.x - 0.5, size.y - 0.5));
    return Acad::eOk;
}

void AcDbRasterImage::setDisplayOpt(ImageDisplayOpt option, bool bValue)
{
    if (checkWritable() == Acad::eOk)
        mDisplay = bValue ? (mDisplay | option) : (mDisplay & ~option);
}

Acad::ErrorStatus AcDbRasterImage::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbEntity::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbRasterImage");
    filer->writeInt32(90, 0);
    filer->writePoint3d(10, mOrigin);
    const AcGeVector2d size = imageSize();
    filer->writeVector3d(11, mU / size.x);
    filer->writeVector3d(12, mV / size.y);
    filer->writePoint2d(13, AcGePoint2d(size.x, size.y));
    filer->writeObjectId(340, mImageDef);
    filer->writeInt16(70, mDisplay);
    filer->writeInt16(280, (mDisplay & kClip) ? 1 : 0);
    filer->writeInt16(281, mBrightness);
    filer->writeInt16(282, mContrast);
    filer->writeInt16(283, mFade);
    filer->writeObjectId(360, AcDbObjectId());
    filer->writeInt16(71, mClipType);
    filer->writeInt32(91, mClip.length());
    for (const AcGePoint2d& p : mClip)
        filer->writePoint2d(14, p);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRasterImage::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbEntity::dxfInFields(filer);
    if (!filer->atSubclassData(L"AcDbRasterImage"))
        return Acad::eInvalidInput;
    AcGeVector3d pixelU = mU, pixelV = mV;
    mClip.removeAll();
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 10:
            mOrigin = filer->readPoint3d(g);
            break;
        case 11:
            pixelU = filer->readVector3d(g);
            break;
        case 12:
            pixelV = filer->readVector3d(g);
            break;
        case 13: {
            const AcGePoint2d s = filer->readPoint2d(g);
            mSize = AcGeVector2d(s.x, s.y);
            break;
        }
        case 340:
            mImageDef = filer->readObjectId(g);
            break;
        case 70:
            mDisplay = g.asInt();
            break;
        case 281:
            mBrightness = static_cast<Adesk::Int8>(g.asInt());
            break;
        case 282:
            mContrast = static_cast<Adesk::Int8>(g.asInt());
            break;
        case 283:
            mFade = static_cast<Adesk::Int8>(g.asInt());
            break;
        case 71:
            mClipType = g.asEnum(kInvalid, kPoly, kInvalid);
            break;
        case 14:
            mClip.append(filer->readPoint2d(g));
            break;
        default:
            break;
        }
    });
    mU = pixelU * mSize.x;
    mV = pixelV * mSize.y;
    return Acad::eOk;
}

namespace {

// The clip boundary (or the whole image) as model points, in order.
std::vector<AcGePoint3d> frameOf(const AcDbRasterImage& image)
{
    AcGeMatrix3d toModel;
    image.getPixelToModelTransform(toModel);
    const AcGeVector2d size = image.imageSize();
    std::vector<AcGePoint2d> pixels;
    const AcGePoint2dArray& clip = image.clipBoundary();
    if (image.clipBoundaryType() == AcDbRasterImage::kRect && clip.length() == 2) {
        pixels = { clip[0], AcGePoint2d(clip[1].x, clip[0].y), clip[1], AcGePoint2d(clip[0].x, clip[1].y) };
    } else if (clip.length() >= 3) {
        for (int i = 0; i < clip.length(); ++i)
            pixels.push_back(clip[i]);
    } else {
        pixels = { AcGePoint2d(-0.5, -0.5), AcGePoint2d(size.x - 0.5, -0.5), AcGePoint2d(size.x - 0.5, size.y - 0.5),
            AcGePoint2d(-0.5, size.y - 0.5) };
    }
    std::vector<AcGePoint3d> out;
    for (const AcGePoint2d& p : pixels)
        out.push_back(toModel * AcGePoint3d(p.x, p.y, 0.0));
    return out;
}

} // namespace

Acad::ErrorStatus AcDbRasterImage::getGeomExtents(AcDbExtents& extents) const
{
    AcDbExtents box;
    for (const AcGePoint3d& p : frameOf(*this))
        box.addPoint(p);
    extents = box;
    return Acad::eOk;
}

bool AcDbRasterImage::getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>& curves, bool) const
{
    const std::vector<AcGePoint3d> frame = frameOf(*this);
    for (std::size_t i = 0; i < frame.size(); ++i)
        if (!frame[i].isEqualTo(frame[(i + 1) % frame.size()]))
            curves.push_back(std::make_unique<AcGeLineSeg3d>(frame[i], frame[(i + 1) % frame.size()]));
    return true;
}

Acad::ErrorStatus AcDbRasterImage::transformBy(const AcGeMatrix3d& xform)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    // The image is placed by a corner and two edge vectors: any affine map carries them.
    mOrigin.transformBy(xform);
    mU.transformBy(xform);
    mV.transformBy(xform);
    return Acad::eOk;
}
