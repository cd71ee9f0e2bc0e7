// A large picture is painted in bands on several threads and encoded to PNG in bands: the
// bands must give the picture one painter gives, pixel for pixel, and the file must decode to
// the very pixels painted.
#include "DisplayList.h"
#include "DrawingPainter.h"
#include "DrawingRenderer.h"
#include "PngEncoder.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <cmath>

namespace {

DisplayItem stroke(std::vector<QPointF> points, double lineweightMm, QRgb color = 0xff000000)
{
    DisplayItem item;
    item.points = std::move(points);
    item.lineweightMm = lineweightMm;
    item.color = color;
    return item;
}

// Lines, dashes, fills, hatching and glyphs over the whole sheet, many of them across the
// bands' edges, the thin ones on the fast path for one-pixel lines and the thick ones stroked.
DisplayList busySheet()
{
    DisplayList list;
    list.add(stroke({{0, 0}, {400, 0}, {400, 300}, {0, 300}}, 0.7));
    for (int i = 0; i < 60; ++i) {
        const double a = i * 0.37;
        list.add(stroke({{200 + 190 * std::cos(a), 150 + 140 * std::sin(a)}, {200 - 150 * std::cos(a * 1.3), 150 - 120 * std::sin(a)}},
                        i % 3 == 0 ? 0.18 : 0.5, 0xff000000 | static_cast<QRgb>(i * 40503)));
    }
    DisplayItem dashed = stroke({{10, 10}, {390, 290}, {10, 290}}, 0.25);
    dashed.dashes = {12.0, -4.0, 0.0, -4.0};
    list.add(dashed);
    for (int i = 0; i < 12; ++i) {
        DisplayItem fill;
        fill.kind = DisplayItem::Kind::Fill;
        fill.color = 0xff2060c0;
        const double x = 20 + i * 31, y = 40 + (i % 5) * 50;
        fill.area.setFillRule(Qt::OddEvenFill);
        fill.area.moveTo(x, y);
        fill.area.lineTo(x + 25, y + 8);
        fill.area.lineTo(x + 4, y + 60);
        if (i % 2 == 0)
            fill.area.lineTo(x - 6, y + 30);
        fill.area.closeSubpath();
        fill.frame = i % 3 == 0;
        list.add(fill);
    }
    DisplayItem hatch;
    hatch.kind = DisplayItem::Kind::Pattern;
    hatch.area.addEllipse(QPointF(300, 150), 60, 90);
    hatch.families = {{0.785, 6.0}, {-0.4, 9.0}};
    list.add(hatch);
    const wchar_t text[] = L"N1 Φ25 盖梁 &^ 8@100";
    for (int row = 0; row < 20; ++row)
        for (int i = 0; text[i] != 0; ++i) {
            DisplayItem glyph;
            glyph.kind = DisplayItem::Kind::Glyph;
            glyph.ch = text[i];
            glyph.wideGlyph = text[i] > 0x2e80;
            glyph.cell = QTransform::fromScale(3.5, 5.0) * QTransform().rotate(row * 7.0)
                * QTransform::fromTranslate(15 + i * 9.5 + row * 3, 12 + row * 14.3);
            list.add(glyph);
        }
    return list;
}

// The same sheet through one painter, as a small picture is painted.
QImage onePainter(const DisplayList& list, const QSize& size, const DrawingRenderer::Options& o)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(size)), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double margin = o.margin * std::max(size.width(), size.height());
    const QRectF device(margin, margin, size.width() - 2 * margin, size.height() - 2 * margin);
    DrawingPainter(list.extents(), device, std::max(size.width(), size.height()) / o.sheetMm).paint(painter, list);
    return image;
}

TEST(PictureOutput, BandsOnThreadsPaintWhatOnePainterPaints)
{
    const DisplayList list = busySheet();
    DrawingRenderer::Options o;
    o.sizePx = 1600; // 1600 x 1200: painted in bands
    const QImage banded = DrawingRenderer::renderImage(list, o);
    ASSERT_EQ(banded.size(), QSize(1600, 1200));
    const QImage single = onePainter(list, banded.size(), o);
    EXPECT_NE(single.pixel(800, 600), single.pixel(0, 0)); // something is drawn
    int differing = 0;
    for (int y = 0; y < single.height(); ++y)
        for (int x = 0; x < single.width(); ++x)
            differing += banded.pixel(x, y) != single.pixel(x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0);
}

TEST(PictureOutput, PngDecodesToThePixelsEncodedWhateverTheBands)
{
    QImage picture(37, 11, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb((x * 7 + y * 13) % 256, (x * y * 31) % 256, (255 - x * 5) % 256));
    picture.setDotsPerMeterX(5906);
    picture.setDotsPerMeterY(5906);
    // One band, a few, and more threads than rows.
    for (const int threads : {1, 3, 40}) {
        SCOPED_TRACE(threads);
        const QByteArray png = PngEncoder::encode(picture, threads);
        QImage decoded;
        ASSERT_TRUE(decoded.loadFromData(png, "PNG"));
        EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), picture);
        EXPECT_EQ(decoded.dotsPerMeterX(), 5906);
    }
    EXPECT_TRUE(PngEncoder::encode(QImage(), 4).isEmpty());
}

} // namespace
