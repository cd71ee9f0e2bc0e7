// The plot of a drawing: one A3 landscape page (420 × 297 mm) for every sheet frame of model
// space, the frame's sheet at 1:1, as vector PDF with the layers' lineweights. A drawing without
// a frame is fitted on one page.
#pragma once

#include <QRectF>

#include <string>
#include <vector>

class AcDbDatabase;

class CadHostPlot {
public:
    // The layer the drawing plug-in puts its sheet frames on.
    static const wchar_t* const kFrameLayer;

    // The sheets of model space, each a 420 × 297 window centred on a frame, top to bottom and
    // left to right.
    static std::vector<QRectF> sheets(AcDbDatabase* db);
    // Writes the PDF; false with the reason in `error`.
    static bool write(AcDbDatabase* db, const std::wstring& path, std::wstring* error);
};
