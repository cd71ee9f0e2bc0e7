// The forms' sketches: each form hands its sketch the sample's values, the sketch paints them,
// and the presses on a sketch reach the design through its form.
#include "CBentCapExtendSketch.h"
#include "CComboBox.h"
#include "CDialog.h"
#include "CBentCapFormBPView.h"
#include "CBentCapFormEXView.h"
#include "CBentCapFormHPView.h"
#include "CBentCapFormNFView.h"
#include "CBentCapFormPSView.h"
#include "CBentCapFormSDView.h"
#include "CBentCapFormSTView.h"
#include "CBentCapPierSketch.h"
#include "CBentCapSectionSketch.h"
#include "CBentCapShapeSketch.h"
#include "CBentCapSkeletonSketch.h"
#include "CBentCapStirrupSketch.h"
#include "FormsTestSupport.h"
#include "SketchTestSupport.h"

#include <QWidget>

namespace {

class FormSketchesTest : public FormsTest {
protected:
    // The sketch of the current form, by its control id and class.
    template <class Sketch>
    Sketch& SketchOf(UINT nID)
    {
        auto* sketch = dynamic_cast<Sketch*>(FindControl(m_frame->GetCurrentForm(), nID));
        if (!sketch)
            throw std::runtime_error("no sketch " + std::to_string(nID));
        return *sketch;
    }
    // What the sketch paints now, saved under /tmp for a look.
    static QImage Grab(CStatic& sketch, const std::string& name)
    {
        const QImage image = sketch.GetWidget()->grab().toImage();
        image.save(QString::fromStdString("/tmp/corbel-form-" + name + "-" + std::to_string(getpid()) + ".png"));
        return image;
    }
    // A point of the sketch in the coordinates of the form that holds it.
    CPoint InForm(const CWnd& sketch, CPoint point) const
    {
        sketch.ClientToScreen(&point);
        m_frame->GetCurrentForm()->ScreenToClient(&point);
        return point;
    }
    void Press(UINT message, const CWnd& sketch, CPoint point)
    {
        const CPoint p = InForm(sketch, point);
        m_frame->GetCurrentForm()->SendMessage(message, 0, MAKELPARAM(p.x, p.y));
    }
};

std::vector<int> Values(const CArray<int, const int&>& list)
{
    std::vector<int> values;
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        values.push_back(list[i]);
    return values;
}

} // namespace

// Every form with a sketch shows it, fed with the sample's values, and it paints something.
TEST_F(FormSketchesTest, EachFormShowsItsSketchOfTheSample)
{
    OpenSample();
    const int piers = static_cast<int>(Design().GetSupportDistances().GetSize());
    ASSERT_EQ(piers, 3);

    ASSERT_TRUE(Choose(201));
    auto& shape = SketchOf<CBentCapShapeSketch>(1077);
    EXPECT_EQ(shape.m_pGeometry, &Geometry());
    EXPECT_EQ(shape.m_nColumnCount, piers);
    // The texts are written with the form font, big enough to read.
    ASSERT_NE(shape.m_pFont, nullptr);
    EXPECT_LE(shape.m_pFont->lfHeight, -8);
    EXPECT_GT(CountDrawn(Grab(shape, "shape")), 1000);

    ASSERT_TRUE(Choose(204));
    auto& extend = SketchOf<CBentCapExtendSketch>(1076);
    const auto& segments = Current<CBentCapFormEXView>()->GetSegmentLengths();
    ASSERT_EQ(extend.m_aSpacings.GetSize(), static_cast<INT_PTR>(segments.size()));
    ASSERT_EQ(segments.size(), static_cast<std::size_t>(piers + 1));
    for (std::size_t i = 0; i < segments.size(); ++i)
        EXPECT_DOUBLE_EQ(extend.m_aSpacings[static_cast<INT_PTR>(i)], segments[i]);
    EXPECT_EQ(extend.m_nColumnCount, piers);
    EXPECT_GT(CountDrawn(Grab(extend, "extend")), 1000);

    ASSERT_TRUE(Choose(206));
    auto& stirrups = SketchOf<CBentCapStirrupSketch>(1024);
    EXPECT_EQ(stirrups.m_pDesign, &Design());
    const QImage section = Grab(stirrups, "stirrups");
    EXPECT_GT(CountDrawn(section), 1000);
    // The whole section fits: its bottom edge is drawn.
    EXPECT_GT(Count(section, kWhite, QRect(0, stirrups.m_nTop + stirrups.m_nHeight, section.width(), 1)), 50);

    ASSERT_TRUE(Choose(207));
    auto& skeleton = SketchOf<CBentCapSkeletonSketch>(1046);
    EXPECT_EQ(skeleton.m_pDesign, &Design());
    EXPECT_GT(CountDrawn(Grab(skeleton, "skeleton")), 1000);

    ASSERT_TRUE(Choose(208));
    auto& sections = SketchOf<CBentCapSectionSketch>(1075);
    EXPECT_EQ(sections.m_nColumnCount, piers);
    EXPECT_EQ(Values(sections.m_aPositions), Current<CBentCapFormPSView>()->GetMarkedSections());
    EXPECT_FALSE(sections.m_aPositions.IsEmpty());
    EXPECT_EQ(sections.m_nSelected, -1);
    const QImage marks = Grab(sections, "sections");
    EXPECT_GT(CountDrawn(marks), 1000);
    // The cut marks above the elevation are inside the picture.
    EXPECT_GT(CountNear(marks, kYellow, QRect(0, 0, marks.width(), marks.height() / 4 - 25)), 20);

    ASSERT_TRUE(Choose(12));
    auto& pier = SketchOf<CBentCapPierSketch>(1079);
    EXPECT_EQ(pier.m_pDesign, &Design());
    EXPECT_EQ(pier.m_nPier, 2);
    EXPECT_GT(CountDrawn(Grab(pier, "pier-2")), 1000);
    EXPECT_FALSE(pier.m_aLeftSpacings.IsEmpty());
}

// The general-construction sketch highlights the field with the focus; the section sketch the
// item chosen in the list.
TEST_F(FormSketchesTest, FocusAndSelectionReachTheSketches)
{
    OpenSample();
    ASSERT_TRUE(Choose(201));
    Current<CBentCapFormSTView>()->HighlightLabel(L"W");
    EXPECT_EQ(SketchOf<CBentCapShapeSketch>(1077).m_strFocusedLetter, CString(L"W"));

    ASSERT_TRUE(Choose(208));
    auto* form = Current<CBentCapFormPSView>();
    form->GetSectionList().SetCurSel(2);
    form->OnSectionChange();
    auto& sections = SketchOf<CBentCapSectionSketch>(1075);
    EXPECT_EQ(sections.m_nSelected, 2);
    EXPECT_GT(Count(Grab(sections, "section-selected"), kGreen), 0);
}

// A press on a stirrup's leg selects that stirrup in the list and in the sketch.
TEST_F(FormSketchesTest, PressOnAStirrupSelectsItsRow)
{
    OpenSample();
    ASSERT_TRUE(Choose(206));
    auto& sketch = SketchOf<CBentCapStirrupSketch>(1024);
    Grab(sketch, "stirrup-pick");
    // A leg that no earlier stirrup shares.
    const int y = sketch.m_nTop + sketch.m_nHeight / 2;
    int found = -1;
    for (int i = 1; i < CBentCapStirrupSketch::kHitSlots && sketch.m_hitTable[i].index != -1 && found < 0; ++i) {
        int index = -1;
        if (sketch.HitTestStirrup(CPoint(sketch.m_hitTable[i].left, y), index) && index == sketch.m_hitTable[i].index)
            found = i;
    }
    ASSERT_GE(found, 1);
    const auto& slot = sketch.m_hitTable[found];
    Press(WM_LBUTTONDOWN, sketch, CPoint(slot.left, y));
    EXPECT_EQ(Current<CBentCapFormHPView>()->GetSelectedRow(), slot.index);
    EXPECT_EQ(sketch.m_nSelected, slot.index);
    EXPECT_EQ(Current<CBentCapFormHPView>()->GetStirrupList().GetNextItem(-1, LVNI_SELECTED), slot.index);
    // Above the section: nothing changes.
    Press(WM_LBUTTONDOWN, sketch, CPoint(slot.left, 1));
    EXPECT_EQ(sketch.m_nSelected, slot.index);
}

// Clicks on the skeleton sketch and on the table's columns change the columns' codes.
TEST_F(FormSketchesTest, SkeletonClicksAndColumnClicksEditTheCodes)
{
    OpenSample();
    Design().SetStrengtheningSymmetric(0);
    ASSERT_TRUE(Choose(207));
    auto& sketch = SketchOf<CBentCapSkeletonSketch>(1046);
    Grab(sketch, "skeleton-click");
    CBent_ExtendSteel& codes = Design().GetExtendSteel();
    // A column with its plate bars: one more strengthening bar at the edge piers' top.
    int column = -1;
    for (int j = 0; j < codes.GetCodeCount() && column < 0; ++j)
        if (codes.GetCodeAt(j) / 1000 == 1 && codes.GetCodeAt(j) % 1000 / 100 < 3)
            column = j;
    ASSERT_GE(column, 0);
    const int before = codes.GetCodeAt(column);
    CPoint hit;
    bool found = false;
    for (int y = 0; y < 300 && !found; ++y)
        for (int x = 0; x < 700 && !found; ++x) {
            int panel = -1, col = -1;
            if (sketch.HitTestColumn(CPoint(x, y), panel, col) && panel == 0 && col == column) {
                hit = CPoint(x, y);
                found = true;
            }
        }
    ASSERT_TRUE(found);
    Project().m_nModified = 0;
    Press(WM_LBUTTONDOWN, sketch, hit);
    EXPECT_EQ(codes.GetCodeAt(column), before + 100);
    EXPECT_EQ(Project().m_nModified, 1);
    Press(WM_RBUTTONDOWN, sketch, hit);
    EXPECT_EQ(codes.GetCodeAt(column), before);

    // The table's column 3: the settings dialog makes it a skeleton column.
    m_dialogs->QueueDialog([](CDialog& d) {
        auto* skeletonChoice = dynamic_cast<CComboBox*>(d.GetDlgItem(257));
        ASSERT_NE(skeletonChoice, nullptr);
        skeletonChoice->SetCurSel(1);
        d.PressButton(IDOK);
    });
    Current<CBentCapFormBPView>()->OnGridClick(3);
    EXPECT_EQ(codes.GetCodeAt(2) / 1000, 9);
    EXPECT_EQ(Current<CBentCapFormBPView>()->GetColumnTable().GetItemText(0, 3), CString(L"主"));
    // Cancelled: nothing changes; column 0 opens nothing.
    const int code = codes.GetCodeAt(3);
    m_dialogs->QueueButton(IDCANCEL);
    Current<CBentCapFormBPView>()->OnGridClick(4);
    EXPECT_EQ(codes.GetCodeAt(3), code);
    Current<CBentCapFormBPView>()->OnGridClick(0);
    EXPECT_EQ(m_dialogs->Dialogs().size(), 2u);
}

// A double click on a spacing of the pier sketch asks for the new spacing and marks the design.
TEST_F(FormSketchesTest, DoubleClickOnAPierSpacingEditsIt)
{
    OpenSample();
    Design().SetBarSkeletonSymmetric(0);
    ASSERT_TRUE(Choose(11));
    auto& sketch = SketchOf<CBentCapPierSketch>(1079);
    Grab(sketch, "pier-edit");
    ASSERT_FALSE(sketch.m_aRightTextPoints.IsEmpty());
    const double first = sketch.m_aRightSpacings[0];
    m_dialogs->QueueDialog([](CDialog& d) {
        d.GetDlgItem(1080)->SetWindowText(L"55");
        d.PressButton(IDOK);
    });
    Project().m_nModified = 0;
    Press(WM_LBUTTONDBLCLK, sketch, sketch.m_aRightTextPoints[0]);
    EXPECT_EQ(m_dialogs->Dialogs().size(), 1u);
    EXPECT_EQ(Project().m_nModified, 1);
    Grab(sketch, "pier-edited");
    ASSERT_FALSE(sketch.m_aRightSpacings.IsEmpty());
    EXPECT_NE(first, 55.0);
    EXPECT_DOUBLE_EQ(sketch.m_aRightSpacings[0], 55.0);
}

// The side-bar form's reference button shows the reference list and changes nothing.
TEST_F(FormSketchesTest, ReferenceSpacingButtonShowsTheList)
{
    OpenSample();
    ASSERT_TRUE(Choose(205));
    m_dialogs->QueueButton(IDOK);
    Current<CBentCapFormSDView>()->SendMessage(WM_COMMAND, MAKEWPARAM(1111, BN_CLICKED), 0);
    ASSERT_EQ(m_dialogs->Dialogs().size(), 1u);
    EXPECT_EQ(m_dialogs->Dialogs()[0], CString(L"参考值列表"));
    EXPECT_EQ(Project().m_nModified, 0);
}
