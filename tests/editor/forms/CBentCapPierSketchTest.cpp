// The pier sketch: bend points of the upper bent-up bars either side of one support, and the
// double click on a spacing that moves every bar beyond it.
#include "CBentCapPierSketch.h"
#include "CDialog.h"
#include "CScopedMessageBoxAnswerer.h"
#include "CScopedModalAnswerer.h"
#include "SketchTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// 600 x 400: axis at 300, bend level at 150, quarter height 100.
constexpr int kPierW = 600;
constexpr int kPierH = 400;
constexpr int kAxis = 300;
constexpr int kG = 150;

std::vector<double> Values(const CArray<double, const double&>& list)
{
  std::vector<double> values;
  for (INT_PTR i = 0; i < list.GetSize(); ++i)
    values.push_back(list[i]);
  return values;
}

CPoint Offset(const CPoint& p, int dx, int dy) { return CPoint(p.x + dx, p.y + dy); }

// Types the value into the spacing dialog and presses OK.
void Answer(CScopedModalAnswerer& script, const wchar_t* value)
{
  script->QueueDialog([value](CDialog& d) {
    d.GetDlgItem(1080)->SetWindowText(value);
    d.PressButton(IDOK);
  });
}

class CBentCapPierSketchTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    ASSERT_TRUE(ReadExample("sample.glt", m_design, m_geometry));
    m_design.SetBarSkeletonSymmetric(0);
    m_design.GetMoreInfo().SetOuterUpperFixed(0);
  }
  void Show(int pier)
  {
    m_sketch.m_pDesign = &m_design;
    m_sketch.m_nPier = pier;
    m_sketch.m_aLeftSpacings.RemoveAll();
    m_sketch.m_aRightSpacings.RemoveAll();
  }
  CBent_LUTSteel& Upper(int i) { return m_design.GetMainFace().GetLUTSteels()[i]; }
  CBent_LPTSteel& Own(int pier, int i) { return m_design.GetMainFace().GetSupports()[pier - 1].GetLPTSteels()[i]; }

  CBent_PierInfo m_design;
  CBent_BasicGeometry m_geometry;
  CBentCapPierSketch m_sketch;
  CScopedModalAnswerer m_script;
  CScopedMessageBoxAnswerer m_boxes;
};

} // namespace

// The sample's bars bend at 900 and 1300 (whole elevation) and 600 and 1000 (the support's own).
TEST_F(CBentCapPierSketchTest, BendPointsStandAtTheScaledDistancesEitherSide)
{
  Show(2);
  const QImage image = Render(m_sketch, kPierW, kPierH, "pier-sample-2");
  EXPECT_EQ(Values(m_sketch.m_aLeftSpacings), (std::vector<double>{600, 300, 100, 300}));
  EXPECT_EQ(Values(m_sketch.m_aRightSpacings), (std::vector<double>{600, 300, 100, 300}));
  ASSERT_EQ(m_sketch.m_aLeftTextPoints.GetSize(), 4);
  ASSERT_EQ(m_sketch.m_aRightTextPoints.GetSize(), 4);
  // The wider side, 1300, fills half the control less the quarter height.
  const double k = (kPierW / 2 - kPierH / 4) / 1300.0;
  for (double q : {600.0, 900.0, 1000.0, 1300.0}) {
    const int dx = static_cast<int>(k * q);
    EXPECT_EQ(At(image, kAxis - dx, kG), kRed) << q;
    EXPECT_EQ(At(image, kAxis + dx, kG), kRed) << q;
    EXPECT_EQ(At(image, kAxis - dx - 50, kG + 50), kRed) << q;
  }
  EXPECT_GT(Count(image, kMagenta, QRect(kAxis, kG - 20, 1, 140)), 40);
  EXPECT_EQ(m_sketch.m_aLeftTextPoints[1], CPoint(kAxis - (static_cast<int>(k * 600) + static_cast<int>(k * 900)) / 2, kG));
}

TEST_F(CBentCapPierSketchTest, EditedSpacingMovesEveryBarBeyondIt)
{
  Show(2);
  Render(m_sketch, kPierW, kPierH);
  Answer(m_script, L"200");
  EXPECT_EQ(m_sketch.EditSpacingAt(Offset(m_sketch.m_aLeftTextPoints[1], 5, -15)), 1);
  EXPECT_EQ(Own(2, 0).GetLeftAxisDistance(), 600);
  EXPECT_EQ(Upper(0).GetLeftAxisDistanceAt(1), 800);
  EXPECT_EQ(Own(2, 1).GetLeftAxisDistance(), 900);
  EXPECT_EQ(Upper(1).GetLeftAxisDistanceAt(1), 1200);
  // The right side and the other supports keep theirs; the selection is cleared.
  EXPECT_EQ(Upper(0).GetRightAxisDistanceAt(1), 900);
  EXPECT_EQ(Upper(0).GetLeftAxisDistanceAt(0), 900);
  EXPECT_EQ(m_sketch.m_nSelectedSpacing, -1);
  Render(m_sketch, kPierW, kPierH, "pier-edited");
  EXPECT_EQ(Values(m_sketch.m_aLeftSpacings), (std::vector<double>{600, 200, 100, 300}));
}

TEST_F(CBentCapPierSketchTest, RefusedCancelledOrMissedEditsChangeNothing)
{
  Show(2);
  Render(m_sketch, kPierW, kPierH);
  const CBent_PierInfo before = m_design;
  // "0" is refused and the dialog stays; the empty script then cancels it.
  Answer(m_script, L"0");
  EXPECT_EQ(m_sketch.EditSpacingAt(Offset(m_sketch.m_aRightTextPoints[0], 0, -10)), 0);
  ASSERT_EQ(m_boxes->Boxes().size(), 1u);
  EXPECT_EQ(m_boxes->Boxes()[0].caption, L"间距错误");
  EXPECT_EQ(m_boxes->Boxes()[0].text, L"间距值必须大于0，请重新输入！");
  // The same value again changes nothing.
  Answer(m_script, L"600");
  EXPECT_EQ(m_sketch.EditSpacingAt(Offset(m_sketch.m_aRightTextPoints[0], 0, -10)), 0);
  // Below the texts, or far from any, nothing opens.
  EXPECT_EQ(m_sketch.EditSpacingAt(Offset(m_sketch.m_aRightTextPoints[0], 0, 5)), 0);
  EXPECT_EQ(m_sketch.EditSpacingAt(CPoint(kAxis, kG - 10)), 0);
  EXPECT_EQ(m_script->Dialogs().size(), 2u);
  EXPECT_TRUE(m_design == before);
}

TEST_F(CBentCapPierSketchTest, OutermostFixedBarShowsItsValueToTheCapEndAndIsEditedThere)
{
  m_design.GetMoreInfo().SetBendDownMode(0);
  m_design.GetMoreInfo().SetOuterUpperFixed(1);
  Upper(1).SetLeftAxisDistanceAt(0, 81500);
  Upper(1).SetRightAxisDistanceAt(-1, 81500);
  Show(1);
  const QImage image = Render(m_sketch, kPierW, kPierH, "pier-outermost");
  EXPECT_EQ(m_sketch.m_nOutermostBar, 1);
  EXPECT_EQ(m_sketch.m_dOutermostLeft, 1500);
  // Left: 600, 900, 1000 and the repeated last increment for the fixed bar.
  EXPECT_EQ(Values(m_sketch.m_aLeftSpacings), (std::vector<double>{600, 300, 100}));
  ASSERT_EQ(m_sketch.m_aLeftTextPoints.GetSize(), 4);
  EXPECT_GT(CountNear(image, kYellow, QRect(0, kPierH - 40, kPierW, 20)), 20);
  Answer(m_script, L"1600");
  EXPECT_EQ(m_sketch.EditSpacingAt(Offset(m_sketch.m_aLeftTextPoints[3], 0, -10)), 1);
  EXPECT_EQ(Upper(1).GetLeftAxisDistanceAt(0), 81600);
}

TEST_F(CBentCapPierSketchTest, SupportWithoutBentBarsDrawsOnlyItsAxisAndTitle)
{
  m_design.GetMainFace().GetLUTSteels().RemoveAll();
  m_design.GetMainFace().GetSupports()[1].GetLPTSteels().RemoveAll();
  Show(2);
  const QImage image = Render(m_sketch, kPierW, kPierH, "pier-empty");
  EXPECT_EQ(Count(image, kRed), 0);
  EXPECT_GT(Count(image, kMagenta), 0);
  EXPECT_GT(CountNear(image, kYellow, QRect(kAxis - 20, kG - 40, 40, 20)), 5);
  EXPECT_EQ(m_sketch.EditSpacingAt(CPoint(kAxis - 50, kG - 15)), 0);

  CBentCapPierSketch none;
  EXPECT_EQ(CountDrawn(Render(none, kPierW, kPierH)), 0);
  EXPECT_EQ(none.EditSpacingAt(CPoint(10, 10)), 0);
}
