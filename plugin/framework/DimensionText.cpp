// Dimension texts narrowed, measured and moved; extension lines suppressed; single-line texts
// measured in their own direction.
#include "DimensionText.h"

#include "AcDb2LineAngularDimension.h"
#include "AcDbAlignedDimension.h"
#include "AcDbServices.h"
#include "AcDbText.h"
#include "AcDbTextStyleTableRecord.h"
#include "NumericHelpers.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

namespace {

double sign(double v) { return v > 0.0 ? 1.0 : (v < 0.0 ? -1.0 : 0.0); }

double styleWidthFactor(AcDbObjectId styleId)
{
    AcDbTextStyleTableRecord* pStyle = nullptr;
    if (acdbOpenObject(pStyle, styleId, AcDb::kForRead) != Acad::eOk)
        return 1.0;
    const double factor = pStyle->xScale();
    pStyle->close();
    return factor;
}

// Width of the text of an open dimension as drawn: a "{\W0.x;...}" wrapper gives the width
// factor, else the text style's; "<>" stands for the measured value.
double measureText(AcDbAlignedDimension* pDim)
{
    CString text = pDim->dimensionTextString().c_str();
    double factor = 0.0;
    if (text.Left(5) == L"{\\W0.") {
        factor = std::wcstod(text.GetString() + 3, nullptr);
        const int semicolon = text.Find(L';');
        text = semicolon >= 0 ? text.Mid(semicolon + 1) : CString();
        if (text.Right(1) == L"}")
            text = text.Left(text.GetLength() - 1);
    } else {
        factor = styleWidthFactor(pDim->dimtxsty());
    }
    if (text.IsEmpty())
        text = L"<>";
    if (text.Find(L"<>") >= 0) {
        double value = 0.0;
        pDim->measurement(value);
        text.Replace(L"<>", FormatFixed(value * pDim->dimlfac(), -pDim->dimdec()));
    }
    const double scale = pDim->dimscale() > 0.0 ? pDim->dimscale() : 1.0;
    AcDbText probe(AcGePoint3d::kOrigin, text.GetString(), pDim->dimtxsty(), pDim->dimtxt() * scale, 0.0);
    if (std::fabs(factor) > 0.0)
        probe.setWidthFactor(factor);
    AcDbExtents extents;
    if (probe.getGeomExtents(extents) != Acad::eOk)
        return 0.0;
    GetTrueTextExtents(&probe, extents);
    return extents.maxPoint().x - extents.minPoint().x;
}

double extensionSpan(const AcDbAlignedDimension* pDim, double& a, double& b)
{
    a = std::fabs(pDim->xLine2Point().x - pDim->xLine1Point().x);
    b = std::fabs(pDim->xLine2Point().y - pDim->xLine1Point().y);
    return std::max(a, b);
}

} // namespace

int SetDimensionOblique(AcDbObjectId id, double angle)
{
    AcDbAlignedDimension* pDim = nullptr;
    if (acdbOpenObject(pDim, id, AcDb::kForWrite) != Acad::eOk)
        return 0;
    pDim->setOblique(angle);
    pDim->close();
    return 1;
}

int SuppressExtensionLines(AcDbObjectId id, int suppressFirst, int suppressSecond)
{
    AcDbEntity* pEntity = nullptr;
    if (acdbOpenAcDbEntity(pEntity, id, AcDb::kForWrite) != Acad::eOk)
        return 0;
    AcDbDimension* pDim = nullptr;
    if (auto* aligned = AcDbAlignedDimension::cast(pEntity))
        pDim = aligned;
    else if (auto* angular = AcDb2LineAngularDimension::cast(pEntity))
        pDim = angular;
    if (pDim != nullptr) {
        pDim->setDimse1(suppressFirst != 0);
        pDim->setDimse2(suppressSecond != 0);
    }
    pEntity->close();
    return pDim != nullptr ? 1 : 0;
}

int NarrowDimensionText(AcDbObjectId id)
{
    AcDbAlignedDimension* pDim = nullptr;
    if (acdbOpenObject(pDim, id, AcDb::kForWrite) != Acad::eOk)
        return 0;
    CString text = pDim->dimensionTextString().c_str();
    if (text.IsEmpty())
        text = L"<>";
    CString narrowed;
    narrowed.Format(L"{\\W0.7;%s}", text.GetString());
    pDim->setDimensionText(narrowed);
    pDim->close();
    return 1;
}

double MeasureDimensionText(AcDbObjectId id, double& span)
{
    AcDbAlignedDimension* pDim = nullptr;
    if (acdbOpenObject(pDim, id, AcDb::kForRead) != Acad::eOk)
        return 0.0;
    double a = 0.0;
    double b = 0.0;
    span = extensionSpan(pDim, a, b);
    const double width = measureText(pDim);
    pDim->close();
    return width;
}

int MoveDimensionText(AcDbObjectId id, double dx, double dy, int mode)
{
    if (mode == 0) {
        AcDbDimension* pDim = nullptr;
        if (acdbOpenObject(pDim, id, AcDb::kForWrite) != Acad::eOk)
            return 0;
        pDim->setTextPosition(pDim->textPosition() + AcGeVector3d(dx, dy, 0.0));
        pDim->useSetTextPosition();
        pDim->close();
        return 1;
    }
    AcDbAlignedDimension* pDim = nullptr;
    if (acdbOpenObject(pDim, id, AcDb::kForWrite) != Acad::eOk)
        return 0;
    if (dx != 0.0 || dy != 0.0) {
        const double w = measureText(pDim);
        double a = 0.0;
        double b = 0.0;
        extensionSpan(pDim, a, b);
        AcGePoint3d position = pDim->textPosition();
        if (w > a - 1.0)
            position.x += sign(dx) * (a / 2.0 + w / 2.0 + 1.0);
        if (w > b - 1.0)
            position.y += sign(dy) * (b / 2.0 + w / 2.0 + 1.0);
        pDim->setTextPosition(position);
    }
    pDim->useSetTextPosition();
    pDim->close();
    return 1;
}

// The host measures a text whose style has a TrueType face as if it were not rotated; the box
// is rebuilt from an unrotated copy turned about the text's position. The host here already
// applies the width factor once, so the width is not divided by it again.
void GetTrueTextExtents(const AcDbText* pText, AcDbExtents& extents)
{
    if (pText == nullptr || pText->widthFactor() == 0.0 || GetFontFaceNameLength(pText->textStyle()) == 0)
        return;
    AcDbText copy(pText->position(), pText->textStringConst(), pText->textStyle(), pText->height(), 0.0);
    copy.setWidthFactor(pText->widthFactor());
    AcDbExtents flat;
    if (copy.getGeomExtents(flat) != Acad::eOk)
        return;
    const double r = pText->rotation();
    const double c = std::cos(r);
    const double s = std::sin(r);
    const AcGePoint3d origin = pText->position();
    const double xs[2] = { flat.minPoint().x - origin.x, flat.maxPoint().x - origin.x };
    const double ys[2] = { flat.minPoint().y - origin.y, flat.maxPoint().y - origin.y };
    AcDbExtents turned;
    for (double x : xs) {
        for (double y : ys)
            turned.addPoint(AcGePoint3d(origin.x + x * c - y * s, origin.y + x * s + y * c, origin.z));
    }
    extents = turned;
}

int GetFontFaceNameLength(AcDbObjectId textStyleId)
{
    AcDbTextStyleTableRecord* pStyle = nullptr;
    if (acdbOpenObject(pStyle, textStyleId, AcDb::kForRead) != Acad::eOk)
        return 0;
    const int length = static_cast<int>(pStyle->typeface().length());
    pStyle->close();
    return length;
}

AcDbText* CastToText(AcDbObject* pObject) { return pObject != nullptr ? AcDbText::cast(pObject) : nullptr; }
