#include "CadHostPlot.h"

#include "AcDbBlockReference.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbExtents.h"
#include "AcDbServices.h"
#include "AcDbSymbolTableRecord.h"
#include "DrawingPainter.h"
#include "DrawingRenderer.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cwchar>

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

} // namespace

const wchar_t* const CadHostPlot::kFrameLayer = L"01-图框";

std::vector<QRectF> CadHostPlot::sheets(AcDbDatabase* db)
{
    std::vector<QRectF> found;
    AcDbBlockTableRecord* ms = nullptr;
    if (acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForRead) != Acad::eOk)
        return found;
    for (const AcDbObjectId& id : ms->entityIds()) {
        AcDbBlockReference* frame = nullptr;
        if (id.isErased() || acdbOpenObject(frame, id, AcDb::kForRead) != Acad::eOk)
            continue;
        AcDbExtents extents;
        if (onFrameLayer(frame) && frame->getGeomExtents(extents) == Acad::eOk)
            found.push_back(sheetAround(QPointF((extents.minPoint().x + extents.maxPoint().x) / 2.0,
                                                (extents.minPoint().y + extents.maxPoint().y) / 2.0)));
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
