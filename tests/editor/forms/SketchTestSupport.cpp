#include "SketchTestSupport.h"

#include "CBent_HlFile.h"
#include "CScopedMessageBoxAnswerer.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {


bool Near(const QColor& c, COLORREF colour)
{
  return std::abs(c.red() - GetRValue(colour)) < 60 && std::abs(c.green() - GetGValue(colour)) < 60
         && std::abs(c.blue() - GetBValue(colour)) < 60;
}

} // namespace

bool ReadExample(const char* name, CBent_PierInfo& design, CBent_BasicGeometry& geometry)
{
  CScopedMessageBoxAnswerer boxes;
  CBent_HlFile file;
  file.SetPath(CString((std::filesystem::path(CORBEL_SOURCE_ROOT) / "examples" / name).wstring()));
  file.SetPierInfo(&design);
  file.SetBasicGeometry(&geometry);
  return file.Read() == 1;
}

void MakeWindow(CStatic& sketch, int width, int height)
{
  if (!sketch.GetSafeHwnd())
    sketch.Create(L"", WS_VISIBLE, CRect(0, 0, width, height), nullptr, 0);
}

QImage Render(CStatic& sketch, int width, int height, const std::string& name)
{
  MakeWindow(sketch, width, height);
  const QImage image = sketch.GetWidget()->grab().toImage();
  if (!name.empty())
    image.save(QString::fromStdString("/tmp/corbel-sketch-" + name + "-" + std::to_string(getpid()) + ".png"));
  return image;
}

COLORREF At(const QImage& image, int x, int y)
{
  const QColor c = image.pixelColor(x, y);
  return RGB(c.red(), c.green(), c.blue());
}

int Count(const QImage& image, COLORREF colour, QRect area)
{
  if (area.isEmpty())
    area = image.rect();
  area = area.intersected(image.rect());
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      n += At(image, x, y) == colour;
  return n;
}

int CountNear(const QImage& image, COLORREF colour, QRect area)
{
  if (area.isEmpty())
    area = image.rect();
  area = area.intersected(image.rect());
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      n += Near(image.pixelColor(x, y), colour);
  return n;
}

QRect Extent(const QImage& image, COLORREF colour)
{
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (At(image, x, y) == colour)
        box = box.united(QRect(x, y, 1, 1));
  return box;
}

int CountDrawn(const QImage& image) { return image.width() * image.height() - Count(image, RGB(0, 0, 0)); }
