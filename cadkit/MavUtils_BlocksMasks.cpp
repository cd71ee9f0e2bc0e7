// Blocks inserted and drawings attached through the host's own commands, host modules loaded
// and looked for, the host's folder, and wipeouts over an entity's extents or behind the text
// of an aligned dimension.
#include "MavUtils.h"

#include "MavHelpers.h"

#include "AcDbAlignedDimension.h"
#include "AcDbExtents.h"
#include "AcDbRasterImage.h"
#include "AcGeMatrix3d.h"
#include "HostPaths.h"
#include "aced.h"

namespace {

CString numberText(double value)
{
    CString text;
    text.Format(L"%f", value);
    return text;
}

// Sends the command word and its leading items, then "X", "Y", "Z" and "R" with their values
// and the insertion point, with command echo off.
void placeByCommand(const wchar_t* word, const wchar_t* option, const CString& target, const AcGePoint3d& point,
    double xScale, double yScale, double zScale, double rotation)
{
    resbuf* saved = nullptr;
    resbuf* zero = nullptr;
    MavUtils::echoStart(saved, zero);
    CString at;
    at.Format(L"%f,%f,%f", point.x, point.y, point.z);
    const CString x = numberText(xScale);
    const CString y = numberText(yScale);
    const CString z = numberText(zScale);
    const CString r = numberText(rotation);
    auto text = [](const CString& s) { return static_cast<const wchar_t*>(s); };
    if (option != nullptr) {
        acedCommand(RTSTR, word, RTSTR, option, RTSTR, text(target), RTSTR, L"X", RTSTR, text(x), RTSTR, L"Y", RTSTR,
            text(y), RTSTR, L"Z", RTSTR, text(z), RTSTR, L"R", RTSTR, text(r), RTSTR, text(at), 0);
    } else {
        acedCommand(RTSTR, word, RTSTR, text(target), RTSTR, L"X", RTSTR, text(x), RTSTR, L"Y", RTSTR, text(y), RTSTR,
            L"Z", RTSTR, text(z), RTSTR, L"R", RTSTR, text(r), RTSTR, text(at), 0);
    }
    MavUtils::echoEnt(saved, zero);
}

} // namespace

void MavUtils::insertBlock(
    const CString& name, const AcGePoint3d& point, double xScale, double yScale, double zScale, double rotation)
{
    if (name.IsEmpty()) {
        BDTAlert(L"块名为空");
        return;
    }
    placeByCommand(L"insert", nullptr, name, point, xScale, yScale, zScale, rotation);
}

void MavUtils::attachDwg(
    const CString& path, const AcGePoint3d& point, double xScale, double yScale, double zScale, double rotation)
{
    if (path.IsEmpty()) {
        BDTAlert(L"参照文件名为空");
        return;
    }
    placeByCommand(L"_.xref", L"_attach", path, point, xScale, yScale, zScale, rotation);
}

int MavUtils::loadArxFile(const CString& path) { return acrxLoadModule(path, false, true) ? 1 : 0; }

int MavUtils::arxFileIsLoaded(const wchar_t* name)
{
    AcDbVoidPtrArray* pApps = acrxLoadedApps();
    if (pApps == nullptr)
        return 0;
    int found = 0;
    for (void* p : *pApps) {
        auto* app = static_cast<ACHAR*>(p);
        if (found == 0 && name != nullptr && app != nullptr && CString(app).CompareNoCase(name) == 0)
            found = 1;
        delete[] app;
    }
    delete pApps;
    return found;
}

int MavUtils::autoCADPathName(CString& folder)
{
    // The host's folder is the folder of the running program.
    folder = HostPaths::programFolder().wstring().c_str();
    return 1;
}

Acad::ErrorStatus MavUtils::createAcDbRasterImage(AcDbObjectId& id, const AcDbObjectId& entityId)
{
    // 1-2. An instance of the host's wipeout class; without the class, nothing is made.
    AcDbRasterImage* pWipeout = NewWipeout();
    if (pWipeout == nullptr)
        return Acad::eOk;
    // 3. The extents of the entity to cover; an entity that does not open has none.
    AcDbEntity* pEnt = nullptr;
    Acad::ErrorStatus es = openEntWithID(entityId, AcDb::kForRead, pEnt);
    if (es != Acad::eOk) {
        delete pWipeout;
        return es;
    }
    AcDbExtents extents;
    pEnt->getGeomExtents(extents);
    pEnt->close();
    const AcGePoint3d low = extents.minPoint();
    const AcGePoint3d high = extents.maxPoint();
    // 4. The boundary round the extents, at the top height.
    AcArray<AcGePoint3d> boundary;
    boundary.append(AcGePoint3d(high.x, high.y, high.z));
    boundary.append(AcGePoint3d(high.x, low.y, high.z));
    boundary.append(AcGePoint3d(low.x, low.y, high.z));
    boundary.append(AcGePoint3d(low.x, high.y, high.z));
    boundary.append(AcGePoint3d(high.x, high.y, high.z));
    // 5. The image square on the width.
    const double width = high.x - low.x;
    pWipeout->setOrientation(low, AcGeVector3d(width, 0.0, 0.0), AcGeVector3d(0.0, width, 0.0));
    // 6. Clipped to the whole image first.
    AcGeVector2d size(0.0, 0.0);
    pWipeout->setClipBoundaryToWholeImage(size);
    // 7-8. Then to the boundary, in pixel coordinates.
    AcGeMatrix3d pixelToModel;
    pWipeout->getPixelToModelTransform(pixelToModel);
    const AcGeMatrix3d modelToPixel = pixelToModel.inverse();
    for (AcGePoint3d& point : boundary)
        point.transformBy(modelToPixel);
    es = pWipeout->setClipBoundary(AcDbRasterImage::kPoly, fromAcGePoint3dArray(boundary));
    if (es != Acad::eOk) {
        delete pWipeout;
        return es;
    }
    // 9. A mask, not a picture.
    pWipeout->setDisplayOpt(AcDbRasterImage::kTransparent, true);
    pWipeout->setDisplayOpt(AcDbRasterImage::kShow, false);
    // 10. Into the current space.
    AcDbObjectId newId;
    es = addToCurrentSpaceAndClose(pWipeout, newId);
    if (es == Acad::eOk)
        id = newId;
    return es;
}

Acad::ErrorStatus MavUtils::createMaskForDimentionText(AcDbObjectId& maskId, const AcDbObjectId& dimId)
{
    // 1. The wipeout support.
    if (prepareWipeout() != Acad::eOk) {
        acutPrintf(L"\n无法加载wipeout.arx程序以实现遮掩功能！");
        return Acad::eOk;
    }
    // 2-3. An aligned dimension.
    AcDbEntity* pEnt = nullptr;
    const Acad::ErrorStatus es = openEntWithID(dimId, AcDb::kForRead, pEnt);
    if (es != Acad::eOk)
        return es;
    AcDbAlignedDimension* pDim = AcDbAlignedDimension::cast(pEnt);
    if (pDim == nullptr) {
        pEnt->close();
        return Acad::eOk;
    }
    // 4. The outline of its text.
    AcArray<AcGePoint3d> outline(0, 8);
    dimentionTextCornerPoints(pDim, outline);
    pEnt->close();
    // 5. The mask over it. Without one, nothing may move in the draw order.
    AcDbObjectId newMask;
    createAcDbRasterImage(newMask, outline);
    if (newMask.isNull())
        return Acad::eNotApplicable;
    maskId = newMask;
    // 6. The mask on top, the dimension just above it, the display redrawn.
    sendTop(maskId);
    sendAbove(dimId, maskId);
    refreshDisplay();
    // 7.
    return Acad::eOk;
}
