// Draws a drawing database to a picture: model space (its extents, or a window of it) on a
// white sheet, as PNG, SVG or PDF by the file's extension. Needs a QGuiApplication
// (HeadlessGui.h) for the fonts.
#pragma once

#include "DisplayList.h"

#include <QImage>

#include <string>

class AcDbDatabase;

class DrawingRenderer {
public:
    struct Options {
        // The longer side of a PNG or SVG picture, in pixels.
        int sizePx = 2400;
        // Empty space around the drawing, as a fraction of the picture's longer side.
        double margin = 0.02;
        // The window of model space to show; the drawing's extents when not set.
        bool useWindow = false;
        double window[4] = {0.0, 0.0, 0.0, 0.0}; // x0, y0, x1, y1
        // Lineweights are millimetres on a sheet whose longer side is this long.
        double sheetMm = 420.0;
    };

    // The display list of model space.
    static DisplayList collect(AcDbDatabase* db);
    // A white picture of the drawing; the picture is empty when there is nothing to show.
    static QImage renderImage(AcDbDatabase* db, const Options& options);
    static QImage renderImage(const DisplayList& list, const Options& options);
    // The PNG file of the drawing, in memory; empty when it cannot be made. Needs no database,
    // so it can be made on a thread of its own while the database is busy elsewhere.
    static QByteArray pngBytes(const DisplayList& list, const Options& options);
    // Writes a picture's bytes to the file; false (with the reason) when there are none or the
    // file cannot be written.
    static bool writePicture(const QByteArray& bytes, const std::wstring& path, std::wstring* error);
    // Writes .png, .svg or .pdf; false with the reason in `error`.
    static bool renderFile(AcDbDatabase* db, const std::wstring& path, const Options& options, std::wstring* error);
    static bool renderFile(const DisplayList& list, const std::wstring& path, const Options& options,
                           std::wstring* error);
};
