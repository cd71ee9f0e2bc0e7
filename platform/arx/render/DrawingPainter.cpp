// Dashes are laid out along the whole polyline in model units, so a pattern runs on across
// vertices as the host draws it; a pattern too fine to see on the device is drawn solid.
#include "DrawingPainter.h"

#include "GlyphOutlines.h"

#include <QImage>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMinPatternPixels = 3.0;

// Splits the polyline into dashes; dots come back as single points.
void dash(const std::vector<QPointF>& pts, const std::vector<double>& pattern, std::vector<QPolygonF>& dashes,
          std::vector<QPointF>& dots)
{
    std::size_t element = 0;
    double left = std::fabs(pattern[0]);
    QPolygonF current;
    bool on = pattern[0] >= 0.0;
    if (on && pattern[0] == 0.0 && !pts.empty())
        dots.push_back(pts[0]);
    for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
        QPointF a = pts[i];
        const QPointF b = pts[i + 1];
        double segLen = std::hypot(b.x() - a.x(), b.y() - a.y());
        if (on && pattern[element] > 0.0)
            current << a;
        while (segLen > 0.0) {
            if (left > segLen) {
                left -= segLen;
                if (on && pattern[element] > 0.0)
                    current << b;
                break;
            }
            const double f = left / segLen;
            const QPointF cut(a.x() + (b.x() - a.x()) * f, a.y() + (b.y() - a.y()) * f);
            if (on && pattern[element] > 0.0) {
                current << cut;
                dashes.push_back(current);
                current.clear();
            }
            segLen -= left;
            a = cut;
            element = (element + 1) % pattern.size();
            left = std::fabs(pattern[element]);
            on = pattern[element] >= 0.0;
            if (on && pattern[element] == 0.0)
                dots.push_back(a);
            else if (on)
                current << a;
        }
    }
    if (current.size() > 1)
        dashes.push_back(current);
}

} // namespace

DrawingPainter::DrawingPainter(const QRectF& modelWindow, const QRectF& deviceRect, double pixelsPerMm)
    : mWindow(modelWindow), mDevice(deviceRect), mPixelsPerMm(pixelsPerMm)
{
    const double w = std::max(mWindow.width(), 1e-9), h = std::max(mWindow.height(), 1e-9);
    mScale = std::min(mDevice.width() / w, mDevice.height() / h);
    mTransform = QTransform::fromTranslate(-mWindow.center().x(), -mWindow.center().y())
        * QTransform::fromScale(mScale, -mScale)
        * QTransform::fromTranslate(mDevice.center().x(), mDevice.center().y());
}

QPen DrawingPainter::pen(const DisplayItem& item) const
{
    // Lines under about a pixel and a half are drawn one pixel wide, through the painter's
    // fast path for thin lines; wider ones get round ends and joins like a plotter pen.
    QPen p(QColor::fromRgba(item.color));
    const double width = item.lineweightMm * mPixelsPerMm;
    if (width < 1.5) {
        p.setWidthF(1.0);
        p.setCapStyle(Qt::FlatCap);
        p.setJoinStyle(Qt::BevelJoin);
    } else {
        p.setWidthF(width);
        p.setCapStyle(Qt::RoundCap);
        p.setJoinStyle(Qt::RoundJoin);
    }
    return p;
}

void DrawingPainter::paint(QPainter& painter, const DisplayList& list) const
{
    for (const DisplayItem& item : list.items())
        paintItem(painter, item);
}

std::vector<QRectF> DrawingPainter::reaches(const DisplayList& list) const
{
    constexpr double kAntialiasing = 2.0;
    std::vector<QRectF> out;
    out.reserve(list.size());
    // Painting a path once makes the engine's form of it and its bounds, which Qt keeps in the
    // path's shared data; a tiny picture takes the paint.
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter warm(&scratch);
    warm.setRenderHint(QPainter::Antialiasing, true);
    for (const DisplayItem& item : list.items()) {
        QRectF reach;
        switch (item.kind) {
        case DisplayItem::Kind::Stroke: {
            if (item.points.empty())
                break;
            const QPointF first = mTransform.map(item.points.front());
            double left = first.x(), right = first.x(), top = first.y(), bottom = first.y();
            for (const QPointF& p : item.points) {
                const QPointF d = mTransform.map(p);
                left = std::min(left, d.x()), right = std::max(right, d.x());
                top = std::min(top, d.y()), bottom = std::max(bottom, d.y());
            }
            const double margin = pen(item).widthF() / 2.0 + kAntialiasing;
            reach = QRectF(QPointF(left, top), QPointF(right, bottom)).adjusted(-margin, -margin, margin, margin);
            break;
        }
        case DisplayItem::Kind::Fill:
        case DisplayItem::Kind::Pattern:
            warm.fillPath(item.area, Qt::black);
            reach = mTransform.mapRect(item.area.boundingRect().united(item.area.controlPointRect()))
                        .adjusted(-kAntialiasing, -kAntialiasing, kAntialiasing, kAntialiasing);
            break;
        case DisplayItem::Kind::Glyph: {
            const QTransform toDevice = item.cell * mTransform;
            QRectF cell(0, 0, 1, 1);
            if (std::hypot(toDevice.m21(), toDevice.m22()) >= 1.5) {
                const QPainterPath& outline = GlyphOutlines::cellOutline(item.ch, item.wideGlyph);
                warm.fillPath(outline, Qt::black);
                cell = outline.boundingRect().united(outline.controlPointRect()).united(cell);
            }
            reach = toDevice.mapRect(cell).adjusted(-kAntialiasing, -kAntialiasing, kAntialiasing, kAntialiasing);
            break;
        }
        case DisplayItem::Kind::InfiniteLine:
        case DisplayItem::Kind::PointMark: break;
        }
        out.push_back(reach);
    }
    return out;
}

void DrawingPainter::paintBand(QPainter& painter, const DisplayList& list, const std::vector<QRectF>& reaches,
                               const QRect& band) const
{
    painter.setClipRect(band);
    const QRectF area(band);
    const std::vector<DisplayItem>& items = list.items();
    for (std::size_t i = 0; i < items.size(); ++i)
        if (reaches[i].isNull() || reaches[i].intersects(area))
            paintItem(painter, items[i]);
}

void DrawingPainter::paintItem(QPainter& painter, const DisplayItem& item) const
{
    switch (item.kind) {
    case DisplayItem::Kind::Stroke: paintStroke(painter, item); break;
    case DisplayItem::Kind::Fill: {
        painter.setTransform(mTransform);
        painter.fillPath(item.area, QColor::fromRgba(item.color));
        if (item.frame) {
            QPen framePen(QColor::fromRgba(item.frameColor));
            framePen.setCosmetic(true);
            framePen.setWidthF(1.0);
            painter.strokePath(item.area, framePen);
        }
        painter.resetTransform();
        break;
    }
    case DisplayItem::Kind::Pattern: paintPattern(painter, item); break;
    case DisplayItem::Kind::Glyph: paintGlyph(painter, item); break;
    case DisplayItem::Kind::InfiniteLine: paintInfinite(painter, item); break;
    case DisplayItem::Kind::PointMark: paintPoint(painter, item); break;
    }
}

void DrawingPainter::paintStroke(QPainter& painter, const DisplayItem& item) const
{
    painter.resetTransform();
    painter.setPen(pen(item));
    painter.setBrush(Qt::NoBrush);
    std::vector<QPointF> pts;
    pts.reserve(item.points.size() + 1);
    for (const QPointF& p : item.points)
        pts.push_back(mTransform.map(p));
    if (item.closed && !pts.empty())
        pts.push_back(pts.front());
    double patternLength = 0.0;
    for (double d : item.dashes)
        patternLength += std::fabs(d);
    if (item.dashes.empty() || patternLength * mScale < kMinPatternPixels) {
        painter.drawPolyline(pts.data(), static_cast<int>(pts.size()));
        return;
    }
    // Dashes end square with the pattern: round ends would eat into the gaps.
    QPen dashPen = pen(item);
    dashPen.setCapStyle(Qt::FlatCap);
    painter.setPen(dashPen);
    std::vector<double> devicePattern;
    for (double d : item.dashes)
        devicePattern.push_back(d * mScale);
    std::vector<QPolygonF> dashes;
    std::vector<QPointF> dots;
    dash(pts, devicePattern, dashes, dots);
    for (const QPolygonF& d : dashes)
        painter.drawPolyline(d);
    for (const QPointF& d : dots)
        painter.drawPoint(d);
}

void DrawingPainter::paintPattern(QPainter& painter, const DisplayItem& item) const
{
    const QPainterPath device = mTransform.map(item.area);
    const QRectF box = device.boundingRect();
    painter.resetTransform();
    painter.save();
    // Within a band's clip, the pattern keeps to the band.
    painter.setClipPath(device, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    QPen p = pen(item);
    p.setWidthF(std::max(1.0, 0.5 * p.widthF()));
    painter.setPen(p);
    const double radius = std::hypot(box.width(), box.height()) / 2.0 + 1.0;
    for (const auto& [angle, spacing] : item.families) {
        const double step = spacing * mScale;
        if (step < 2.0) {
            // Too dense to draw line by line: the area looks evenly toned.
            QColor tone = QColor::fromRgba(item.color);
            tone.setAlphaF(0.35);
            painter.fillRect(box, tone);
            continue;
        }
        // Device y points down, so a model angle turns the other way.
        const double dx = std::cos(-angle), dy = std::sin(-angle);
        // Lines through the model origin's image, stepped across the box.
        const QPointF origin = mTransform.map(QPointF(0, 0));
        const QPointF centre = box.center();
        const double offset = (centre.x() - origin.x()) * -dy + (centre.y() - origin.y()) * dx;
        const double first = std::floor((offset - radius) / step) * step;
        for (double d = first; d <= offset + radius; d += step) {
            const QPointF base(origin.x() - dy * d, origin.y() + dx * d);
            const double along = (centre.x() - base.x()) * dx + (centre.y() - base.y()) * dy;
            const QPointF mid(base.x() + dx * along, base.y() + dy * along);
            painter.drawLine(QPointF(mid.x() - dx * radius, mid.y() - dy * radius),
                             QPointF(mid.x() + dx * radius, mid.y() + dy * radius));
        }
    }
    painter.restore();
}

void DrawingPainter::paintGlyph(QPainter& painter, const DisplayItem& item) const
{
    const QTransform toDevice = item.cell * mTransform;
    const double heightPx = std::hypot(toDevice.m21(), toDevice.m22());
    if (heightPx < 1.5) {
        // Smaller than a pixel or so: a faint mark where the character is.
        painter.resetTransform();
        QColor tone = QColor::fromRgba(item.color);
        tone.setAlphaF(0.4);
        painter.setPen(Qt::NoPen);
        painter.setBrush(tone);
        painter.drawPolygon(toDevice.map(QPolygonF(QRectF(0, 0, 1, 1))));
        return;
    }
    painter.setTransform(toDevice);
    painter.fillPath(GlyphOutlines::cellOutline(item.ch, item.wideGlyph), QColor::fromRgba(item.color));
    painter.resetTransform();
}

void DrawingPainter::paintInfinite(QPainter& painter, const DisplayItem& item) const
{
    const QPointF a = mTransform.map(item.points[0]);
    const QPointF b = mTransform.map(item.points[1]);
    const double len = std::hypot(b.x() - a.x(), b.y() - a.y());
    if (len == 0.0)
        return;
    const double reach = 2.0 * std::hypot(mDevice.width(), mDevice.height()) + std::hypot(a.x(), a.y());
    const QPointF dir((b.x() - a.x()) / len, (b.y() - a.y()) / len);
    const QPointF start = item.closed ? a : a - dir * reach;
    painter.resetTransform();
    painter.setPen(pen(item));
    painter.drawLine(start, a + dir * reach);
}

void DrawingPainter::paintPoint(QPainter& painter, const DisplayItem& item) const
{
    const QPointF c = mTransform.map(item.points[0]);
    double size = item.pointSize > 0.0 ? item.pointSize * mScale
                : item.pointSize < 0.0 ? -item.pointSize / 100.0 * mDevice.height()
                                       : 0.05 * mDevice.height();
    const double h = size / 2.0;
    painter.resetTransform();
    QPen p = pen(item);
    p.setWidthF(1.0);
    painter.setPen(p);
    painter.setBrush(Qt::NoBrush);
    switch (item.pointMode & 31) {
    case 0: painter.drawPoint(c); break;
    case 2:
        painter.drawLine(QPointF(c.x() - h, c.y()), QPointF(c.x() + h, c.y()));
        painter.drawLine(QPointF(c.x(), c.y() - h), QPointF(c.x(), c.y() + h));
        break;
    case 3:
        painter.drawLine(QPointF(c.x() - h, c.y() - h), QPointF(c.x() + h, c.y() + h));
        painter.drawLine(QPointF(c.x() - h, c.y() + h), QPointF(c.x() + h, c.y() - h));
        break;
    case 4: painter.drawLine(c, QPointF(c.x(), c.y() - h)); break;
    default: break;
    }
    if (item.pointMode & 32)
        painter.drawEllipse(c, h, h);
    if (item.pointMode & 64)
        painter.drawRect(QRectF(c.x() - h, c.y() - h, size, size));
}
