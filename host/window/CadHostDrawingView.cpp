#include "CadHostDrawingView.h"

#include "DrawingPainter.h"
#include "DrawingRenderer.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

const double kMaxPixelsPerMm = 3.0;

} // namespace

CadHostDrawingView::CadHostDrawingView(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(320, 240);
    setFocusPolicy(Qt::StrongFocus);
}

void CadHostDrawingView::setDrawing(AcDbDatabase* db)
{
    mList = DrawingRenderer::collect(db);
    zoomExtents();
}

void CadHostDrawingView::zoomExtents()
{
    const QRectF extents = mList.extents();
    mWindow = extents.isNull() ? QRectF(0.0, 0.0, 420.0, 297.0) : extents.adjusted(-5.0, -5.0, 5.0, 5.0);
    update();
}

double CadHostDrawingView::unitsPerPixel() const
{
    return std::max(mWindow.width() / std::max(1, width()), mWindow.height() / std::max(1, height()));
}

QPointF CadHostDrawingView::toModel(const QPointF& device) const
{
    const double upp = unitsPerPixel();
    const QPointF centre = mWindow.center();
    return {centre.x() + (device.x() - width() / 2.0) * upp, centre.y() - (device.y() - height() / 2.0) * upp};
}

void CadHostDrawingView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    // The sheet is drawn at 1:1, so a millimetre of lineweight is a drawing unit, kept visible
    // when zoomed far out and thin when zoomed far in.
    const double pixelsPerMm = std::clamp(1.0 / std::max(1e-9, unitsPerPixel()), 0.5, kMaxPixelsPerMm);
    DrawingPainter(mWindow, QRectF(rect()), pixelsPerMm).paint(painter, mList);
}

void CadHostDrawingView::wheelEvent(QWheelEvent* event)
{
    const double factor = std::pow(0.8, event->angleDelta().y() / 120.0);
    const QPointF at = toModel(event->position());
    mWindow = QRectF(at.x() - (at.x() - mWindow.left()) * factor, at.y() - (at.y() - mWindow.top()) * factor,
                     mWindow.width() * factor, mWindow.height() * factor);
    update();
}

void CadHostDrawingView::mousePressEvent(QMouseEvent* event) { mDragFrom = event->position().toPoint(); }

void CadHostDrawingView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint to = event->position().toPoint();
    const double upp = unitsPerPixel();
    mWindow.translate(-(to.x() - mDragFrom.x()) * upp, (to.y() - mDragFrom.y()) * upp);
    mDragFrom = to;
    update();
}

void CadHostDrawingView::mouseDoubleClickEvent(QMouseEvent*) { zoomExtents(); }
