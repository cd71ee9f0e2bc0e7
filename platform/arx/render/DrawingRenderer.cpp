// One display list serves every output: the picture's size follows the window's aspect,
// and the same painter draws on an image, an SVG generator or a PDF page.
#include "DrawingRenderer.h"

#include "DrawingCollector.h"
#include "DrawingPainter.h"
#include "PictureBuffer.h"
#include "PngEncoder.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <future>
#include <thread>
#include <vector>

namespace {

QRectF modelWindow(const DisplayList& list, const DrawingRenderer::Options& o)
{
    QRectF w = o.useWindow ? QRectF(QPointF(std::min(o.window[0], o.window[2]), std::min(o.window[1], o.window[3])),
                                    QPointF(std::max(o.window[0], o.window[2]), std::max(o.window[1], o.window[3])))
                           : list.extents();
    if (w.width() <= 0.0 && w.height() <= 0.0)
        w = QRectF(w.center() - QPointF(1, 1), QSizeF(2, 2));
    if (w.width() <= 0.0)
        w.setWidth(w.height() * 1e-3);
    if (w.height() <= 0.0)
        w.setHeight(w.width() * 1e-3);
    return w;
}

// Picture size in pixels for the window: the longer side gets sizePx.
QSize pictureSize(const QRectF& window, int sizePx)
{
    const double aspect = window.width() / window.height();
    const int longSide = std::max(16, sizePx);
    const int shortSide = std::max(16, static_cast<int>(std::lround(longSide / std::max(aspect, 1.0 / aspect))));
    return aspect >= 1.0 ? QSize(longSide, shortSide) : QSize(shortSide, longSide);
}

// Where the drawing goes on the sheet: inside the margin.
QRectF sheetDevice(const QSizeF& size, const DrawingRenderer::Options& o)
{
    const double margin = o.margin * std::max(size.width(), size.height());
    return QRectF(margin, margin, size.width() - 2 * margin, size.height() - 2 * margin);
}

void paintSheet(QPainter& painter, const QSizeF& size, const DisplayList& list, const QRectF& window,
                const DrawingRenderer::Options& o, double pixelsPerMm)
{
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, true);
    DrawingPainter(window, sheetDevice(size, o), pixelsPerMm).paint(painter, list);
}

// A large picture is painted on one thread for each core, up to four.
int paintingThreads(const QSize& size)
{
    constexpr qint64 kLargePicture = 1000000;
    if (static_cast<qint64>(size.width()) * size.height() < kLargePicture)
        return 1;
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
}

// The picture is painted in bands of rows, each through a picture of its own over the same
// pixels and clipped to its rows, with the items that reach it: the items keep the coordinates
// they have on one painter, and each row is painted by one thread, item after item in order.
// The drawing is seldom spread evenly over the rows, so there are more bands than threads and
// each thread takes the next band left.
void paintBands(QImage& image, const DisplayList& list, const QRectF& window, const DrawingRenderer::Options& o,
                double pixelsPerMm, int threads)
{
    constexpr int kBandsPerThread = 4;
    const int bands = threads * kBandsPerThread;
    const DrawingPainter sheet(window, sheetDevice(image.size(), o), pixelsPerMm);
    const std::vector<QRectF> reaches = sheet.reaches(list);
    uchar* const pixels = image.bits();
    const int width = image.width(), height = image.height();
    const qsizetype bytesPerLine = image.bytesPerLine();
    const QImage::Format format = image.format();
    std::atomic<int> next{0};
    const auto paint = [&] {
        for (int band = next++; band < bands; band = next++) {
            const int top = height * band / bands, bottom = height * (band + 1) / bands;
            QImage view(pixels, width, height, bytesPerLine, format);
            QPainter painter(&view);
            const QRect rows(0, top, width, bottom - top);
            painter.setClipRect(rows);
            painter.fillRect(rows, Qt::white);
            painter.setRenderHint(QPainter::Antialiasing, true);
            sheet.paintBand(painter, list, reaches, rows);
        }
    };
    std::vector<std::future<void>> others;
    for (int thread = 1; thread < threads; ++thread)
        others.push_back(std::async(std::launch::async, paint));
    paint();
    for (std::future<void>& other : others)
        other.get();
}

std::wstring lowerExtension(const std::wstring& path)
{
    std::wstring ext = QFileInfo(QString::fromStdWString(path)).suffix().toLower().toStdWString();
    return ext;
}

} // namespace

DisplayList DrawingRenderer::collect(AcDbDatabase* db) { return DrawingCollector(db).collectModelSpace(); }

QImage DrawingRenderer::renderImage(AcDbDatabase* db, const Options& options)
{
    return renderImage(collect(db), options);
}

QImage DrawingRenderer::renderImage(const DisplayList& list, const Options& options)
{
    const QRectF window = modelWindow(list, options);
    QImage image = PictureBuffer::image(pictureSize(window, options.sizePx), QImage::Format_RGB32);
    const double pxPerMm = std::max(image.width(), image.height()) / options.sheetMm;
    if (const int threads = paintingThreads(image.size()); threads > 1) {
        paintBands(image, list, window, options, pxPerMm, threads);
        return image;
    }
    QPainter painter(&image);
    paintSheet(painter, image.size(), list, window, options, pxPerMm);
    return image;
}

QByteArray DrawingRenderer::pngBytes(const DisplayList& list, const Options& options)
{
    const QImage picture = renderImage(list, options);
    return PngEncoder::encode(picture, paintingThreads(picture.size()));
}

bool DrawingRenderer::writePicture(const QByteArray& bytes, const std::wstring& path, std::wstring* error)
{
    QFile file(QString::fromStdWString(path));
    if (!bytes.isEmpty() && file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size()
        && file.flush())
        return true;
    if (error != nullptr)
        *error = L"cannot write " + path;
    return false;
}

bool DrawingRenderer::renderFile(AcDbDatabase* db, const std::wstring& path, const Options& options, std::wstring* error)
{
    return renderFile(collect(db), path, options, error);
}

bool DrawingRenderer::renderFile(const DisplayList& list, const std::wstring& path, const Options& options,
                                 std::wstring* error)
{
    auto fail = [&](const std::wstring& why) {
        if (error != nullptr)
            *error = why;
        return false;
    };
    if (QGuiApplication::instance() == nullptr)
        return fail(L"drawing needs the Qt application object (HeadlessGui::start)");
    const QString file = QString::fromStdWString(path);
    const std::wstring ext = lowerExtension(path);
    const QRectF window = modelWindow(list, options);
    const QSize size = pictureSize(window, options.sizePx);
    if (ext == L"png")
        return writePicture(pngBytes(list, options), path, error);
    if (ext == L"svg") {
        QSvgGenerator svg;
        svg.setFileName(file);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        // The picture's physical size is the sheet's.
        svg.setResolution(static_cast<int>(std::lround(std::max(size.width(), size.height()) * 25.4 / options.sheetMm)));
        svg.setTitle(QFileInfo(file).completeBaseName());
        QPainter painter;
        if (!painter.begin(&svg))
            return fail(L"cannot write " + path);
        paintSheet(painter, size, list, window, options, std::max(size.width(), size.height()) / options.sheetMm);
        painter.end();
        return QFileInfo(file).size() > 0 ? true : fail(L"cannot write " + path);
    }
    if (ext == L"pdf") {
        QPdfWriter pdf(file);
        const double longMm = options.sheetMm;
        const double aspect = static_cast<double>(size.width()) / size.height();
        const QSizeF pageMm = aspect >= 1.0 ? QSizeF(longMm, longMm / aspect) : QSizeF(longMm * aspect, longMm);
        pdf.setPageSize(QPageSize(pageMm, QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(300);
        pdf.setTitle(QFileInfo(file).completeBaseName());
        QPainter painter;
        if (!painter.begin(&pdf))
            return fail(L"cannot write " + path);
        const QSizeF device(pdf.width(), pdf.height());
        paintSheet(painter, device, list, window, options, 300.0 / 25.4);
        painter.end();
        return QFileInfo(file).size() > 0 ? true : fail(L"cannot write " + path);
    }
    return fail(L"cannot tell the picture format of " + path + L" (use .png, .svg or .pdf)");
}
