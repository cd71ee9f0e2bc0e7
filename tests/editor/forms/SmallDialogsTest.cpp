// The small editing dialogs, answered by a script as a user would answer them.
#include "CBentCapAddSteelDlg.h"
#include "CBentCapExtendSetDlg.h"
#include "CBentCapRefListDlg.h"
#include "CBentCapSpacingDlg.h"
#include "CComboBox.h"
#include "CScopedMessageBoxAnswerer.h"
#include "CScopedModalAnswerer.h"
#include "FormNumbers.h"
#include "SketchTestSupport.h"

#include <gtest/gtest.h>

namespace {

CComboBox* Combo(CDialog& d, int id) { return static_cast<CComboBox*>(d.GetDlgItem(id)); }

} // namespace

TEST(SmallDialogsTest, SpacingMustBeAboveZero)
{
  for (const wchar_t* refused : {L"0", L"-5", L"", L"abc"}) {
    CScopedModalAnswerer script;
    CScopedMessageBoxAnswerer boxes;
    script->QueueDialog([refused](CDialog& d) {
      d.GetDlgItem(1080)->SetWindowText(refused);
      d.PressButton(IDOK);
    });
    CBentCapSpacingDlg dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL) << refused;
    ASSERT_EQ(boxes->Boxes().size(), 1u) << refused;
    EXPECT_EQ(boxes->Boxes()[0].text, L"间距值必须大于0，请重新输入！");
    EXPECT_EQ(boxes->Boxes()[0].caption, L"间距错误");
    EXPECT_EQ(boxes->Boxes()[0].type & 0xF0U, static_cast<UINT>(MB_ICONINFORMATION));
  }
  CScopedModalAnswerer script;
  script->QueueDialog([](CDialog& d) {
    d.GetDlgItem(1080)->SetWindowText(L"12.5mm");
    d.PressButton(IDOK);
  });
  CBentCapSpacingDlg dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_DOUBLE_EQ(dialog.GetValue(), 12.5);
  EXPECT_EQ(script->Dialogs().at(0), L"新间距值");
}

TEST(SmallDialogsTest, FormNumbersAreReadLeniently)
{
  const struct {
    const wchar_t* text;
    double value;
  } cases[] = {{L"150", 150}, {L" -2.5x", -2.5}, {L"3.5.1", 3.5}, {L"", 0}, {L"inf", 0}, {L"1e3", 1}, {L".5", 0.5}};
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(ReadFormNumber(c.text), c.value) << c.text;
}

TEST(SmallDialogsTest, AddSteelGivesTheChosenKind)
{
  CScopedModalAnswerer script;
  script->QueueButton(IDOK);
  CBentCapAddSteelDlg first;
  EXPECT_EQ(first.DoModal(), IDOK);
  EXPECT_EQ(first.m_nKind, 0);
  script->QueueDialog([](CDialog& d) {
    static_cast<CButton*>(d.GetDlgItem(1049))->Click();
    d.PressButton(IDOK);
  });
  CBentCapAddSteelDlg second;
  EXPECT_EQ(second.DoModal(), IDOK);
  EXPECT_EQ(second.m_nKind, 2);
  EXPECT_EQ(script->Dialogs().at(0), L"添加钢筋");
}

TEST(SmallDialogsTest, ExtendSetStoresTheCombosAsTheCode)
{
  const struct {
    int code;
    int piers;
    int plate, edge, middle, span, skeleton;
    int expected;
  } cases[] = {
      {0, 3, 1, 2, 3, 4, 0, 1234},
      {0, 2, 0, 2, 3, 4, 0, 204},    // two piers: no middle piers, so no tens digit
      {1234, 3, 1, 2, 3, 4, 1, 9000}, // a whole skeleton whatever the others showed
      {9000, 1, 1, 5, 5, 5, 0, 1500}, // one pier: neither middle piers nor spans
  };
  for (const auto& c : cases) {
    CScopedModalAnswerer script;
    script->QueueDialog([&c](CDialog& d) {
      Combo(d, 257)->ChooseItem(c.skeleton);
      const struct {
        int id;
        int index;
      } choices[] = {{253, c.plate}, {254, c.edge}, {256, c.middle}, {255, c.span}};
      for (const auto& choice : choices)
        if (Combo(d, choice.id)->IsWindowEnabled())
          Combo(d, choice.id)->ChooseItem(choice.index);
      d.PressButton(IDOK);
    });
    int code = c.code;
    CBentCapExtendSetDlg dialog(code, 4, c.piers);
    EXPECT_EQ(dialog.DoModal(), IDOK) << c.code;
    EXPECT_EQ(code, c.expected) << c.code << " " << c.piers;
  }
}

TEST(SmallDialogsTest, ExtendSetOpensWithTheCodeAndAppliesTheRule)
{
  CScopedModalAnswerer script;
  int seen[6] = {};
  bool enabled[4] = {};
  script->QueueDialog([&](CDialog& d) {
    const int ids[6] = {252, 253, 254, 256, 255, 257};
    for (int i = 0; i < 6; ++i)
      seen[i] = Combo(d, ids[i])->GetCurSel();
    enabled[0] = Combo(d, 252)->IsWindowEnabled();
    Combo(d, 257)->ChooseItem(1);
    enabled[1] = Combo(d, 253)->IsWindowEnabled();
    enabled[2] = Combo(d, 256)->IsWindowEnabled();
    Combo(d, 257)->ChooseItem(0);
    enabled[3] = Combo(d, 256)->IsWindowEnabled();
    d.PressButton(IDCANCEL);
  });
  int code = 1357;
  CBentCapExtendSetDlg dialog(code, 6, 3);
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(code, 1357);
  EXPECT_EQ(seen[0], 6);
  EXPECT_EQ(seen[1], 1);
  EXPECT_EQ(seen[2], 3);
  EXPECT_EQ(seen[3], 5);
  EXPECT_EQ(seen[4], 7);
  EXPECT_EQ(seen[5], 0);
  EXPECT_FALSE(enabled[0]);
  EXPECT_FALSE(enabled[1]);
  EXPECT_FALSE(enabled[2]);
  EXPECT_TRUE(enabled[3]);
  EXPECT_EQ(script->Dialogs().at(0), L"加强筋设置");
}

TEST(SmallDialogsTest, ReferenceListStartsEmpty)
{
  CScopedModalAnswerer script;
  int count = -1;
  script->QueueDialog([&](CDialog& d) {
    count = static_cast<CListBox*>(d.GetDlgItem(1113))->GetCount();
    d.PressButton(IDOK);
  });
  CBentCapRefListDlg dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(script->Dialogs().at(0), L"参考值列表");
}
