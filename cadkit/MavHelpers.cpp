// The curve queries that several topics of the library share: class tests by name, crossings
// in plan, nearest points, tangent azimuths, closing an object that was opened more than once,
// and the host's working database.
#include "MavHelpers.h"

#include "MavCounter.h"
#include "MavUtils.h"

#include "AcDbCurve.h"
#include "AcDbEntity.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbPolyline.h"
#include "AcGeContext.h"
#include "AcGePlane.h"
#include "AcRxClass.h"

#include <cwchar>
#include <new>

namespace {

// A close that fails leaves the open count as it was, so asking again cannot help; and no
// object is open more often than the platform allows readers.
constexpr int kMaxClosePasses = 256;

} // namespace

bool IsClass(const AcDbEntity* pEnt, const wchar_t* name) { return std::wcscmp(pEnt->isA()->name(), name) == 0; }

Acad::ErrorStatus IntersectInPlan(
    const AcDbEntity* pThis, const AcDbEntity* pArg, AcDb::Intersect mode, AcGePoint3dArray& points, int thisMarker)
{
    return pThis->intersectWith(pArg, mode, AcGePlane::kXYPlane, points, thisMarker, 0);
}

AcGePoint3d ClosestPointOn(const AcDbCurve* pCurve, const AcGePoint3d& point, bool extend)
{
    AcGePoint3d onCurve;
    if (pCurve->getClosestPointTo(point, onCurve, extend) != Acad::eOk)
        return point;
    return onCurve;
}

Acad::ErrorStatus CloseFully(AcDbEntity* pEnt)
{
    for (int pass = 0; pass < kMaxClosePasses; ++pass) {
        const bool last = pEnt->isReallyClosing();
        const Acad::ErrorStatus es = pEnt->close();
        if (es != Acad::eOk) {
            MavUtils::errorReport(es);
            return es;
        }
        if (last)
            break;
    }
    return Acad::eOk;
}

Acad::ErrorStatus OnCurveOfId(const AcDbObjectId& id, const wchar_t* tag, const std::function<void(AcDbCurve*)>& use)
{
    if (id.isNull())
        return Acad::eInvalidInput;
    AcDbEntity* pEnt = nullptr;
    if (MavUtils::openEntWithID(id, AcDb::kForRead, pEnt) != Acad::eOk) {
        MavUtils::BDTAlert(tag);
        return Acad::eNotApplicable;
    }
    if (AcDbCurve* pCurve = AcDbCurve::cast(pEnt))
        use(pCurve);
    pEnt->close();
    return Acad::eOk;
}

AcDbPolyline* NewPolylineWithVerticesOf(const AcDbPolyline* pSource)
{
    auto* pCopy = new (std::nothrow) AcDbPolyline(pSource->numVerts());
    if (pCopy == nullptr)
        return nullptr;
    for (unsigned int i = 0; i < pSource->numVerts(); ++i) {
        AcGePoint2d point;
        double bulge = 0.0;
        double startWidth = 0.0;
        double endWidth = 0.0;
        pSource->getPointAt(i, point);
        pSource->getBulgeAt(i, bulge);
        pSource->getWidthsAt(i, startWidth, endWidth);
        pCopy->addVertexAt(i, point, bulge, startWidth, endWidth);
    }
    return pCopy;
}

AcDbDatabase* WorkingDatabase() { return acdbHostApplicationServices()->workingDatabase(); }

Acad::ErrorStatus AzimuthAtParam(const AcDbCurve* pCurve, double param, double& azimuth)
{
    AcGeVector3d deriv;
    const Acad::ErrorStatus es = pCurve->getFirstDeriv(param, deriv);
    MavCounter::vectorToAngle(deriv.normal(AcGeContext::gTol), azimuth);
    return es;
}
