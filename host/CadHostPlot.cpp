#include "CadHostPlot.h"

#include "AcDbBlockReference.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbExtents.h"
#include "AcDbServices.h"
#include "AcDbSymbolTableRecord.h"
#include "DrawingPainter.h"
#include "DrawingRenderer.h"
#include "HostPaths.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cwchar>
#include <filesystem>
#include <map>

namespace fs = std::filesystem;

namespace {

const double kSheetWidth = 420.0;
const double kSheetHeight = 297.0;
const int kDotsPerInch = 600;

QRectF sheetAround(const QPointF& centre)
{
    return {centre.x() - kSheetWidth / 2.0, centre.y() - kSheetHeight / 2.0, kSheetWidth, kSheetHeight};
}

bool onFrameLayer(const AcDbEntity* entity)
{
    ACHAR* layer = entity->layer();
    const bool frame = layer != nullptr && std::wcscmp(layer, CadHostPlot::kFrameLayer) == 0;
    acutDelString(layer);
    return frame;
}

// The extents of an external reference's own drawing, read from its file (a DXF stands in for
// a DWG of the same name).
QRectF xrefBox(const std::wstring& path)
{
    std::error_code ec;
    fs::path file = HostPaths::toPath(path);
    if (!fs::is_regular_file(file, ec))
        file.replace_extension(".dxf");
    AcDbDatabase xref(false, true);
    if (!fs::is_regular_file(file, ec) || xref.readDwgFile(HostPaths::fromPath(file).c_str()) != Acad::eOk)
        return {};
    return DrawingRenderer::collect(&xref).extents();
}

// What the frame covers in model space: its block's entities, or for a title block attached as an
// external reference, that drawing's extents placed by the reference.
QRectF frameBox(AcDbBlockReference* frame, std::map<std::wstring, QRectF>& xrefBoxes)
{
    AcDbExtents extents;
    if (frame->getGeomExtents(extents) == Acad::eOk)
        return QRectF(QPointF(extents.minPoint().x, extents.minPoint().y),
                      QPointF(extents.maxPoint().x, extents.maxPoint().y));
    AcDbBlockTableRecord* block = nullptr;
    if (acdbOpenObject(block, frame->blockTableRecord(), AcDb::kForRead) != Acad::eOk)
        return {};
    const ACHAR* path = nullptr;
    const bool external = block->isFromExternalReference() && block->pathName(path) == Acad::eOk && path != nullptr;
    const std::wstring name = external ? std::wstring(path) : std::wstring();
    block->close();
    if (!external)
        return {};
    auto known = xrefBoxes.find(name);
    if (known == xrefBoxes.end())
        known = xrefBoxes.emplace(name, xrefBox(name)).first;
    if (known->second.isNull())
        return {};
    const AcGeMatrix3d place = frame->blockTransform();
    AcGePoint3d low(known->second.left(), known->second.top(), 0.0);
    AcGePoint3d high(known->second.right(), known->second.bottom(), 0.0);
    low.transformBy(place);
    high.transformBy(place);
    return QRectF(QPointF(low.x, low.y), QPointF(high.x, high.y)).normalized();
}

} // namespace

const wchar_t* const CadHostPlot::kFrameLayer = L"01-图框";

std::vector<QRectF> CadHostPlot::sheets(AcDbDatabase* db)
{
    std::vector<QRectF> found;
    std::map<std::wstring, QRectF> xrefBoxes;
    AcDbBlockTableRecord* ms = nullptr;
    if (acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForRead) != Acad::eOk)
        return found;
    for (const AcDbObjectId& id : ms->entityIds()) {
        AcDbBlockReference* frame = nullptr;
        if (id.isErased() || acdbOpenObject(frame, id, AcDb::kForRead) != Acad::eOk)
            continue;
        if (onFrameLayer(frame)) {
            const QRectF box = frameBox(frame, xrefBoxes);
            if (!box.isNull())
                found.push_back(sheetAround(box.center()));
        }
        frame->close();
    }
    ms->close();
    std::stable_sort(found.begin(), found.end(), [](const QRectF& a, const QRectF& b) {
        return a.top() != b.top() ? a.top() > b.top() : a.left() < b.left();
    });
    return found;
}

bool CadHostPlot::write(AcDbDatabase* db, const std::wstring& path, std::wstring* error)
{
    const QString file = QString::fromStdWString(path);
    const DisplayList list = DrawingRenderer::collect(db);
    std::vector<QRectF> pages = sheets(db);
    if (pages.empty())
        pages.push_back(list.extents().isNull() ? sheetAround(QPointF(kSheetWidth / 2.0, kSheetHeight / 2.0))
                                                : list.extents());
    QPdfWriter pdf(file);
    pdf.setPageSize(QPageSize(QPageSize::A3));
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(kDotsPerInch);
    pdf.setTitle(QFileInfo(file).completeBaseName());
    QPainter painter;
    if (!painter.begin(&pdf)) {
        if (error)
            *error = L"cannot write " + path;
        return false;
    }
    const QRectF device(0.0, 0.0, pdf.width(), pdf.height());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            pdf.newPage();
        DrawingPainter(pages[i], device, kDotsPerInch / 25.4).paint(painter, list);
    }
    painter.end();
    if (QFileInfo(file).size() > 0)
        return true;
    if (error)
        *error = L"cannot write " + path;
    return false;
}
