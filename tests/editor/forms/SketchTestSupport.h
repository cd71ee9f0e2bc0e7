// What the sketch tests share: the offscreen Qt application, the example designs, a sketch
// made as a window and grabbed into an image (saved under /tmp for a look), and pixel counts.
#pragma once

#include "CBent_BasicGeometry.h"
#include "CBent_PierInfo.h"
#include "CStatic.h"
#include "WinGdi.h"

#include <QImage>

#include <string>

// Reads examples/NAME into the records; false when the file could not be read.
bool ReadExample(const char* name, CBent_PierInfo& design, CBent_BasicGeometry& geometry);

// Makes the sketch a window of width x height pixels (once) and grabs what it paints; with a
// name the picture is saved as /tmp/corbel-sketch-NAME-PID.png.
QImage Render(CStatic& sketch, int width, int height, const std::string& name = {});
// Makes the window without grabbing it, for clicks before the first picture.
void MakeWindow(CStatic& sketch, int width, int height);

COLORREF At(const QImage& image, int x, int y);
// Pixels of exactly this colour in the rectangle (whole image when empty).
int Count(const QImage& image, COLORREF colour, QRect area = {});
// The smallest rectangle holding every pixel of the colour; empty when there is none.
QRect Extent(const QImage& image, COLORREF colour);
// Pixels whose colour is near this one (text is drawn smoothed).
int CountNear(const QImage& image, COLORREF colour, QRect area = {});
// Pixels that are not black.
int CountDrawn(const QImage& image);

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
