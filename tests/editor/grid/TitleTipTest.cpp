// The title tip shows a cut-off text over its cell, and hands the pointer's moves and clicks to
// the window underneath once it hides.
#include "CTitleTip.h"
#include "GridTestSupport.h"
#include "MouseCapture.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <vector>

namespace {

class MouseRecorder : public CWnd {
public:
  struct Message {
    UINT message;
    CPoint point;
  };
  std::vector<Message> messages;

protected:
  void OnMouseMove(UINT, CPoint point) override { messages.push_back({WM_MOUSEMOVE, point}); }
  void OnLButtonDown(UINT, CPoint point) override { messages.push_back({WM_LBUTTONDOWN, point}); }
};

class TitleTipTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    ASSERT_TRUE(m_parent.Create(L"Parent", L"tips", WS_VISIBLE, CRect(100, 100, 500, 300), nullptr, 0));
    QApplication::setActiveWindow(m_parent.GetWidget());
    m_parent.SetFocus();
    ASSERT_TRUE(m_tip.Create(&m_parent));
  }

  void SendToTip(QEvent::Type type, const QPoint& tipPoint)
  {
    QMouseEvent event(type, QPointF(tipPoint), m_tip.GetWidget()->mapToGlobal(QPointF(tipPoint)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_tip.GetWidget(), &event);
    QApplication::processEvents();
  }

  void TearDown() override
  {
    for (int round = 0; round < 4; ++round)
      QApplication::processEvents();
  }

  MouseRecorder m_parent;
  CTitleTip m_tip;
};

} // namespace

TEST_F(TitleTipTest, TextThatFitsShowsNoTip)
{
  m_tip.Show(CRect(10, 10, 300, 30), L"1.5");
  EXPECT_FALSE(m_tip.IsWindowVisible());
  m_tip.Show(CRect(10, 10, 10, 30), L"1.5");
  EXPECT_FALSE(m_tip.IsWindowVisible());
}

TEST_F(TitleTipTest, CutOffTextShowsOverTheCellAndHidesWhenThePointerLeaves)
{
  m_tip.Show(CRect(10, 10, 40, 30), L"上部主筋间距 100+200+300");
  ASSERT_TRUE(m_tip.IsWindowVisible());
  EXPECT_EQ(GetCapture(), &m_tip);
  EXPECT_EQ(m_tip.GetShownText(), L" 上部主筋间距 100+200+300 ");
  CRect placed;
  m_tip.GetWindowRect(&placed);
  const QPoint cellOnScreen = m_parent.GetWidget()->mapToGlobal(QPoint(10, 10));
  EXPECT_EQ(placed.left, cellOnScreen.x());
  EXPECT_EQ(placed.top, cellOnScreen.y());
  EXPECT_GT(placed.Width(), 30);

  // Inside the cell nothing happens; outside the tip hides and the move reaches the parent.
  SendToTip(QEvent::MouseMove, QPoint(5, 5));
  EXPECT_TRUE(m_tip.IsWindowVisible());
  EXPECT_TRUE(m_parent.messages.empty());
  SendToTip(QEvent::MouseMove, QPoint(5, 40));
  EXPECT_FALSE(m_tip.IsWindowVisible());
  EXPECT_EQ(GetCapture(), nullptr);
  ASSERT_EQ(m_parent.messages.size(), 1u);
  EXPECT_EQ(m_parent.messages[0].message, static_cast<UINT>(WM_MOUSEMOVE));
  EXPECT_EQ(m_parent.messages[0].point, CPoint(15, 50));
}

TEST_F(TitleTipTest, ClickOnTheTipReachesTheWindowUnderneathAsAClientClick)
{
  m_tip.Show(CRect(20, 40, 50, 60), L"很长的一段说明文字,放不下");
  ASSERT_TRUE(m_tip.IsWindowVisible());
  SendToTip(QEvent::MouseButtonPress, QPoint(3, 4));
  EXPECT_FALSE(m_tip.IsWindowVisible());
  ASSERT_EQ(m_parent.messages.size(), 1u);
  EXPECT_EQ(m_parent.messages[0].message, static_cast<UINT>(WM_LBUTTONDOWN));
  EXPECT_EQ(m_parent.messages[0].point, CPoint(23, 44));
}

namespace {

class GridTitleTipTest : public ::testing::Test, protected GridTestBase {
protected:
  // The grid's tip window, shown or not.
  static QWidget* Tip()
  {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (widget->objectName() == QStringLiteral("CorbelTitleTip") && widget->isVisible())
        return widget;
    return nullptr;
  }
};

} // namespace

TEST_F(GridTitleTipTest, CutOffCellsShowTheirTextUntilThePointerMovesOn)
{
  auto grid = MakeGrid(5, 4, 1, 1);
  grid->SetColumnWidth(2, 40);
  grid->SetItemText(2, 2, L"上部主筋间距 100+200+300");
  grid->SetItemText(3, 2, L"1");
  grid->SetFocus();

  SendMouse(*grid, QEvent::MouseMove, CentreOf(*grid, 3, 2));
  EXPECT_EQ(Tip(), nullptr);
  SendMouse(*grid, QEvent::MouseMove, CentreOf(*grid, 2, 2));
  QWidget* tip = Tip();
  ASSERT_NE(tip, nullptr);

  // Leaving the cell hides the tip, and the move reaches the grid underneath.
  const QPoint below = grid->GetWidget()->mapToGlobal(QPoint(CentreOf(*grid, 3, 2).x, CentreOf(*grid, 3, 2).y));
  QMouseEvent leave(QEvent::MouseMove, QPointF(tip->mapFromGlobal(below)), QPointF(below), Qt::NoButton,
                    Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(tip, &leave);
  QApplication::processEvents();
  EXPECT_EQ(Tip(), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
}
