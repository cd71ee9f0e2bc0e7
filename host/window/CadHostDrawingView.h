// The drawing area of the host's window: the current document's model space drawn by the
// renderer on a white ground, zoomed with the wheel around the cursor, panned by dragging and
// zoomed to the drawing's extents on request.
#pragma once

#include "DisplayList.h"

#include <QPoint>
#include <QRectF>
#include <QWidget>

class AcDbDatabase;

class CadHostDrawingView : public QWidget {
public:
    explicit CadHostDrawingView(QWidget* parent = nullptr);

    // Draws the database afresh; the view zooms to its extents.
    void setDrawing(AcDbDatabase* db);
    void zoomExtents();
    // The part of model space shown.
    QRectF modelWindow() const { return mWindow; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Model units per device pixel, as the painter maps the window (aspect kept, centred).
    double unitsPerPixel() const;
    QPointF toModel(const QPointF& device) const;

    DisplayList mList;
    QRectF mWindow;
    QPoint mDragFrom;
};
