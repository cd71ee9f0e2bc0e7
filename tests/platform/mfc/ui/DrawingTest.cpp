// Drawing through a device context: on an image, and on a window in its OnPaint.
#include "CBrush.h"
#include "CDC.h"
#include "CFont.h"
#include "CPaintDC.h"
#include "CPen.h"
#include "CWnd.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

COLORREF At(const QImage& image, int x, int y)
{
  const QColor c = image.pixelColor(x, y);
  return RGB(c.red(), c.green(), c.blue());
}

// Paints as the editor's sketches do: black ground, a white outline, a red bar.
class Sketch : public CWnd {
protected:
  void OnPaint() override
  {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, RGB(0, 0, 0));
    CPen white(PS_SOLID, 1, RGB(255, 255, 255));
    CPen* old = dc.SelectObject(&white);
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(10, 10, 90, 50);
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    dc.SelectObject(&red);
    dc.MoveTo(10, 70);
    dc.LineTo(90, 70);
    dc.SelectObject(old);
  }
};

} // namespace

TEST(DrawingTest, DeviceContextDrawsWithItsSelectedObjects)
{
  QImage image(100, 100, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    CDC dc(&image);
    CBrush blue(RGB(0, 0, 255));
    dc.FillRect(CRect(0, 0, 50, 50), &blue);
    CPen green(PS_SOLID, 1, RGB(0, 255, 0));
    dc.SelectObject(&green);
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(60, 60, 90, 90);
    const CPoint previous = dc.MoveTo(0, 95);
    EXPECT_EQ(previous, CPoint(0, 0));
    dc.LineTo(99, 95);
  }
  EXPECT_EQ(At(image, 25, 25), RGB(0, 0, 255));
  EXPECT_EQ(At(image, 60, 75), RGB(0, 255, 0));
  EXPECT_EQ(At(image, 75, 75), RGB(255, 255, 255));
  EXPECT_EQ(At(image, 50, 95), RGB(0, 255, 0));
}

TEST(DrawingTest, TextIsMeasuredAndDrawnInTheSelectedFontAndColour)
{
  QImage image(200, 60, QImage::Format_RGB32);
  image.fill(Qt::black);
  CDC dc(&image);
  LOGFONT logFont{};
  logFont.lfHeight = -20;
  logFont.lfWeight = FW_NORMAL;
  CFont font;
  ASSERT_TRUE(font.CreateFontIndirect(&logFont));
  dc.SelectObject(&font);
  const CSize one = dc.GetTextExtent(L"盖");
  const CSize two = dc.GetTextExtent(L"盖梁");
  EXPECT_GT(one.cx, 0);
  EXPECT_GT(two.cx, one.cx);
  CRect box(0, 0, 200, 60);
  EXPECT_GT(dc.DrawText(L"盖梁", &box, DT_CALCRECT | DT_SINGLELINE), 0);
  EXPECT_EQ(box.Width(), two.cx);
  dc.SetTextColor(RGB(255, 255, 0));
  dc.SetBkMode(TRANSPARENT);
  dc.TextOut(5, 5, L"盖梁");
  dc.GetPainter()->end();
  int yellow = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x)
      yellow += At(image, x, y) == RGB(255, 255, 0);
  EXPECT_GT(yellow, 10);
}

// The window's OnPaint runs for Qt's paint event and draws on the window.
TEST(DrawingTest, WindowPaintsThroughOnPaint)
{
  Sketch sketch;
  ASSERT_TRUE(sketch.Create(L"Sketch", nullptr, WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0));
  const QImage shot = sketch.GetWidget()->grab().toImage();
  EXPECT_EQ(At(shot, 50, 30), RGB(0, 0, 0));
  EXPECT_EQ(At(shot, 10, 30), RGB(255, 255, 255));
  EXPECT_EQ(At(shot, 50, 70), RGB(255, 0, 0));
}

namespace {

// Remembers the clip box of its last paint.
class ClipRecorder : public CWnd {
public:
  CRect clip;

protected:
  void OnPaint() override
  {
    CPaintDC dc(this);
    dc.GetClipBox(&clip);
  }
};

} // namespace

// A window inside another is painted in its own coordinates, wherever it lies in its parent.
TEST(DrawingTest, ChildWindowPaintsInItsOwnCoordinates)
{
  CWnd parent;
  ASSERT_TRUE(parent.Create(L"Form", nullptr, WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
  ClipRecorder child;
  ASSERT_TRUE(child.Create(L"Grid", nullptr, WS_CHILD | WS_VISIBLE, CRect(120, 80, 220, 130), &parent, 1));
  parent.GetWidget()->grab();
  EXPECT_EQ(child.clip, CRect(0, 0, 100, 50));
}

// A line cut with an ellipsis differs from the plain cut; weight 500 is the medium weight.
TEST(DrawingTest, EllipsisAndMediumWeight)
{
  auto draw = [](UINT format) {
    QImage image(80, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    CDC dc(&image);
    CRect box(0, 0, 80, 30);
    dc.DrawText(L"钢筋信息钢筋信息钢筋信息", &box, format | DT_SINGLELINE | DT_VCENTER);
    dc.GetPainter()->end();
    return image;
  };
  EXPECT_NE(draw(DT_END_ELLIPSIS), draw(0));

  LOGFONT logFont{};
  logFont.lfHeight = -12;
  for (const auto& [weight, expected] : {std::pair{0L, QFont::Normal}, std::pair{400L, QFont::Normal},
                                         std::pair{500L, QFont::Medium}, std::pair{700L, QFont::Bold}}) {
    logFont.lfWeight = weight;
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&logFont));
    EXPECT_EQ(font.GetQFont().weight(), expected) << weight;
  }
}
