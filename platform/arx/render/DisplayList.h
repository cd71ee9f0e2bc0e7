// What a drawing looks like, in model coordinates, ready to paint on any device: strokes
// with their linetype dashes and lineweights, filled areas, hatch patterns, text glyphs in
// their cells and infinite lines, in drawing order, with the extents of everything finite.
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QTransform>
#include <QtGui/qrgb.h>

#include <vector>

struct DisplayItem {
    enum class Kind { Stroke, Fill, Pattern, Glyph, InfiniteLine, PointMark };

    DisplayItem() = default;
    DisplayItem(const DisplayItem&) = default;
    DisplayItem& operator=(const DisplayItem&) = default;
    // Moves do not throw (a path's move only hands its data over), so a growing list moves its
    // items instead of copying them.
    DisplayItem(DisplayItem&&) noexcept = default;
    DisplayItem& operator=(DisplayItem&&) noexcept = default;

    Kind kind = Kind::Stroke;
    QRgb color = 0xff000000;
    double lineweightMm = 0.25;
    // Stroke: the points; InfiniteLine: base and a second point; PointMark: the position.
    std::vector<QPointF> points;
    bool closed = false;
    // Linetype elements in model units: positive dash, negative gap, zero dot; empty = solid.
    std::vector<double> dashes;
    // Fill and Pattern: the area (odd-even rule); Fill with frame also strokes its outline.
    QPainterPath area;
    bool frame = false;
    QRgb frameColor = 0xff000000;
    // Pattern: line families as (angle in radians, spacing in model units).
    std::vector<std::pair<double, double>> families;
    // Glyph: the character and the map from its cell (x 0..1 across the cell, y 0..1 from the
    // baseline to the cap height) to model coordinates.
    wchar_t ch = 0;
    bool wideGlyph = false;
    QTransform cell;
    // PointMark: the point display mode and size in model units (0: a fraction of the view).
    int pointMode = 0;
    double pointSize = 0.0;
};

class DisplayList {
public:
    void add(DisplayItem item);
    const std::vector<DisplayItem>& items() const { return mItems; }
    // The extents of every finite item; null when there is none.
    QRectF extents() const { return mExtents; }
    std::size_t size() const { return mItems.size(); }

private:
    void grow(const QPointF& p);

    std::vector<DisplayItem> mItems;
    QRectF mExtents;
    bool mHasExtents = false;
};
