// Modal dialogs answered by a script: the answer acts on the dialog as a user would, a dialog
// that refuses OK stays open for the next answer, an empty script cancels.
#include "CButton.h"
#include "CDataExchange.h"
#include "CDialog.h"
#include "CEdit.h"
#include "CFileDialog.h"
#include "CFilterFileTypes.h"
#include "CPropertyPage.h"
#include "CPropertySheet.h"
#include "CScopedMessageBoxAnswerer.h"
#include "CScopedModalAnswerer.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QFileDialog>
#include <QTabBar>
#include <QTabWidget>

#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Asks for a scale; OK refuses an empty text.
class ScaleDialog : public CDialog {
public:
  explicit ScaleDialog(CWnd* owner = nullptr) : CDialog(152, owner) { SetCaption(L"绘图比例"); }
  BOOL OnInitDialog() override
  {
    m_edit.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 30), this, 1010);
    m_edit.SetWindowText(L"62.5");
    m_ok.Create(L"确定", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(10, 40, 80, 60), this, IDOK);
    m_cancel.Create(L"取消", WS_CHILD | WS_VISIBLE, CRect(90, 40, 160, 60), this, IDCANCEL);
    return TRUE;
  }
  void OnOK() override
  {
    m_edit.GetWindowText(m_value);
    ++m_okPresses;
    if (!m_value.IsEmpty())
      CDialog::OnOK();
  }
  CEdit m_edit;
  CButton m_ok, m_cancel;
  CString m_value;
  int m_okPresses = 0;
};

void Type(CDialog& dialog, int id, const wchar_t* text) { dialog.GetDlgItem(id)->SetWindowText(text); }

} // namespace

TEST(DialogTest, ScriptedAnswersTypeAndPressUntilTheDialogEnds)
{
  CScopedModalAnswerer script;
  script->QueueDialog([](CDialog& d) {
    Type(d, 1010, L"");
    d.PressButton(IDOK);
  });
  script->QueueDialog([](CDialog& d) {
    Type(d, 1010, L"75");
    d.PressButton(IDOK);
  });
  ScaleDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_okPresses, 2);
  EXPECT_EQ(dialog.m_value, L"75");
  EXPECT_EQ(script->PendingAnswers(), 0u);
  ASSERT_EQ(script->Dialogs().size(), 1u);
  EXPECT_EQ(script->Dialogs()[0], L"绘图比例");
  // The controls went with the dialog's window.
  EXPECT_EQ(dialog.m_edit.GetSafeHwnd(), nullptr);
}

TEST(DialogTest, EmptyScriptCancelsAndAGreyedButtonCannotBePressed)
{
  CScopedModalAnswerer script;
  ScaleDialog cancelled;
  EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
  EXPECT_EQ(cancelled.m_okPresses, 0);

  script->QueueDialog([](CDialog& d) {
    d.GetDlgItem(IDOK)->EnableWindow(FALSE);
    d.PressButton(IDOK);
  });
  ScaleDialog greyed;
  EXPECT_EQ(greyed.DoModal(), IDCANCEL);
  EXPECT_EQ(greyed.m_okPresses, 0);
}

class FileDialogTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    m_dir = fs::absolute(fs::temp_directory_path()) / ("corbel-filedialog-" + std::to_string(getpid()));
    fs::create_directories(m_dir);
    std::ofstream(m_dir / "b.glt") << "x";
  }
  void TearDown() override { fs::remove_all(m_dir); }
  CString Path(const char* name) const { return CString((m_dir / name).wstring()); }

  fs::path m_dir;
  CScopedModalAnswerer m_script;
  CScopedMessageBoxAnswerer m_boxes;
};

// A name typed without folder or extension is taken in the initial file's folder with the
// default extension.
TEST_F(FileDialogTest, TypedNameIsCompletedFromTheInitialFile)
{
  m_script->QueueFileName(L"b");
  CFileDialog open(TRUE, L"glt", Path("a.glt"), OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, L"盖梁图文件(*.glt)|*.glt||");
  ASSERT_EQ(open.DoModal(), IDOK);
  EXPECT_EQ(open.GetPathName(), Path("b.glt"));
  EXPECT_EQ(open.GetFileName(), L"b.glt");
  EXPECT_EQ(open.GetFileExt(), L"glt");
  EXPECT_EQ(open.GetFileTitle(), L"b");
}

TEST_F(FileDialogTest, OpenRefusesAMissingFileAndSaveAsksBeforeReplacing)
{
  m_script->QueueFileName(Path("missing.glt"));
  CFileDialog open(TRUE, L"glt", nullptr, OFN_FILEMUSTEXIST, L"盖梁图文件(*.glt)|*.glt||");
  EXPECT_EQ(open.DoModal(), IDCANCEL);
  EXPECT_TRUE(open.GetPathName().IsEmpty());
  ASSERT_EQ(m_boxes->Boxes().size(), 1u);
  EXPECT_EQ(m_boxes->Boxes()[0].caption, L"打开");

  // The replace question's default is No: the dialog stays and the next answer is taken.
  m_script->QueueFileName(Path("b.glt"));
  m_script->QueueFileName(Path("c"));
  CFileDialog save(FALSE, L"glt", Path("b.glt"), OFN_OVERWRITEPROMPT, L"盖梁图文件(*.glt)|*.glt||");
  ASSERT_EQ(save.DoModal(), IDOK);
  EXPECT_EQ(save.GetPathName(), Path("c.glt"));
  ASSERT_EQ(m_boxes->Boxes().size(), 2u);
  EXPECT_EQ(m_boxes->Boxes()[1].answer, IDNO);
}

// Several names in one file-name box, each quoted, are all chosen when the dialog allows it;
// they are walked through in the order typed.
TEST_F(FileDialogTest, MultipleSelectionTakesEveryQuotedName)
{
  std::ofstream(m_dir / "d.glt") << "x";
  m_script->QueueFileName(L"\"b.glt\" \"d\"");
  CFileDialog open(TRUE, L"glt", Path("a.glt"), OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY, L"盖梁图文件(*.glt)|*.glt||");
  ASSERT_EQ(open.DoModal(), IDOK);
  std::vector<CString> chosen;
  for (POSITION pos = open.GetStartPosition(); pos;)
    chosen.push_back(open.GetNextPathName(pos));
  EXPECT_EQ(chosen, (std::vector<CString>{Path("b.glt"), Path("d.glt")}));

  // Without it the box holds one name; one missing name of several refuses them all.
  m_script->QueueFileName(L"\"b.glt\" \"missing\"");
  CFileDialog refused(TRUE, L"glt", Path("a.glt"), OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST, nullptr);
  EXPECT_EQ(refused.DoModal(), IDCANCEL);
  EXPECT_EQ(refused.GetStartPosition(), nullptr);
}

// A filter text that names its own patterns is shown as it is given.
TEST_F(FileDialogTest, FilterTextIsShownAsGiven)
{
  m_script->QueueDialog([](CDialog& d) {
    auto* files = qobject_cast<QFileDialog*>(d.GetWidget());
    ASSERT_NE(files, nullptr);
    EXPECT_EQ(files->nameFilters(), QStringList{QStringLiteral("盖梁图文件(*.glt)")});
    d.EndDialog(IDCANCEL);
  });
  CFileDialog open(TRUE, L"glt", nullptr, OFN_FILEMUSTEXIST, L"盖梁图文件(*.glt)|*.glt||");
  EXPECT_EQ(open.DoModal(), IDCANCEL);

  // The list calls a file by the filter that takes it, whatever the system makes of its text;
  // a filter for every file names no type.
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("corbel-file-types-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  for (const char* name : {"pier.GLT", "note.txt"})
    std::ofstream(folder / name) << "#include <stdio.h>\nint main(void) { return 0; }\n";
  const CFilterFileTypes types(L"盖梁图文件(*.glt)|*.glt|所有文件(*.*)|*.*||");
  EXPECT_EQ(types.type(QFileInfo(QString::fromStdString((folder / "pier.GLT").string()))), QStringLiteral("盖梁图文件"));
  EXPECT_NE(types.type(QFileInfo(QString::fromStdString((folder / "note.txt").string()))), QStringLiteral("所有文件"));
  std::filesystem::remove_all(folder);
}

namespace {

// A page that counts what the sheet asks of it and refuses to apply while told to.
class CountingPage : public CPropertyPage {
public:
  CountingPage(UINT id, const wchar_t* caption) : CPropertyPage(id, caption) { SetInitialSize(300, 200); }
  BOOL OnInitDialog() override
  {
    ++m_inits;
    m_edit.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 30), this, 1010);
    return TRUE;
  }
  BOOL OnSetActive() override
  {
    ++m_activations;
    return TRUE;
  }
  BOOL OnApply() override
  {
    ++m_applies;
    return m_refuse ? FALSE : TRUE;
  }
  CEdit m_edit;
  int m_inits = 0, m_activations = 0, m_applies = 0;
  bool m_refuse = false;
};

QTabWidget* Tabs(CDialog& d) { return d.GetWidget()->findChild<QTabWidget*>(); }

} // namespace

// The pages are tabs; a page's window is made when its tab is first shown; OK applies the pages
// that were shown, and one that refuses comes to the front with the sheet still open.
TEST(PropertySheetTest, PagesAreTabsMadeWhenFirstShownAndAppliedOnOk)
{
  CScopedModalAnswerer script;
  CountingPage files(158, L"文件"), columns(217, L"调列");
  CPropertySheet sheet(L"批量调列");
  sheet.AddPage(&files);
  sheet.AddPage(&columns);
  columns.m_refuse = true;
  script->QueueDialog([&](CDialog& d) {
    QTabWidget* tabs = Tabs(d);
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("文件"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("调列"));
    EXPECT_TRUE(files.IsCreated());
    EXPECT_FALSE(columns.IsCreated());
    // Commands of a page's controls reach the page, which is the controls' parent.
    EXPECT_EQ(files.m_edit.GetParent(), &files);
    EXPECT_EQ(files.GetParent(), &sheet);
    tabs->tabBar()->setCurrentIndex(1);
    EXPECT_TRUE(columns.IsCreated());
    EXPECT_EQ(sheet.GetActivePage(), &columns);
    tabs->setCurrentIndex(0);
    d.PressButton(IDOK);
    EXPECT_FALSE(d.IsEnded());
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    columns.m_refuse = false;
    d.PressButton(IDOK);
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(files.m_inits, 1);
  EXPECT_EQ(files.m_applies, 2);
  EXPECT_EQ(columns.m_inits, 1);
  EXPECT_EQ(columns.m_applies, 2);
  EXPECT_EQ(columns.m_activations, 2);

  // A page never shown is not applied.
  CountingPage first(158, L"文件"), second(216, L"复制");
  CPropertySheet quick(L"批量复制");
  quick.AddPage(&first);
  quick.AddPage(&second);
  script->QueueButton(IDOK);
  EXPECT_EQ(quick.DoModal(), IDOK);
  EXPECT_EQ(first.m_applies, 1);
  EXPECT_EQ(second.m_inits, 0);
  EXPECT_EQ(second.m_applies, 0);
}

// A dialog whose controls stand where it put them is as large as they need, and it opens over
// the middle of its owner.
TEST(DialogTest, DialogFitsItsControlsAndOpensOverItsOwner)
{
  CScopedModalAnswerer script;
  CWnd owner;
  ASSERT_TRUE(owner.Create(nullptr, L"", WS_POPUP, CRect(200, 150, 1000, 750), nullptr, 0));
  QRect frame;
  script->QueueDialog([&](CDialog& d) {
    frame = d.GetWidget()->geometry();
    d.PressButton(IDCANCEL);
  });
  ScaleDialog dialog(&owner);
  dialog.SetInitialSize(360, 240);
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(frame.size(), QSize(160 + 12, 60 + 12));
  EXPECT_NEAR(frame.center().x(), 600, 2);
  EXPECT_NEAR(frame.center().y(), 450, 2);
  owner.DestroyWindow();
}

namespace {

// A text, a check and a group of three radios exchanged with members; a second group after it
// shows where the first one ends.
class ExchangeDialog : public CDialog {
public:
  ExchangeDialog() : CDialog(153, nullptr) {}
  BOOL OnInitDialog() override
  {
    m_edit.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 30), this, 1010);
    m_check.Create(L"编组", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(10, 40, 110, 60), this, 1011);
    for (int i = 0; i < 3; ++i)
      m_radios[i].Create(L"r", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0),
                         CRect(10, 70 + 25 * i, 110, 90 + 25 * i), this, 1020 + i);
    m_other.Create(L"o", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | WS_GROUP, CRect(10, 150, 110, 170), this, 1030);
    m_ok.Create(L"确定", WS_CHILD | WS_VISIBLE, CRect(10, 180, 80, 200), this, IDOK);
    return CDialog::OnInitDialog();
  }
  void DoDataExchange(CDataExchange* pDX) override
  {
    DDX_Text(pDX, 1010, m_text);
    DDX_Check(pDX, 1011, m_checked);
    DDX_Radio(pDX, 1020, m_choice);
    DDX_Text(pDX, 1099, m_missing);
  }
  CEdit m_edit;
  CButton m_check, m_radios[3], m_other, m_ok;
  CString m_text = L"盖梁";
  CString m_missing = L"kept";
  int m_checked = BST_CHECKED;
  int m_choice = 0;
};

} // namespace

// The base dialog puts the members into the controls when it opens and takes them back on OK;
// a radio group is the buttons made after its first up to the next WS_GROUP.
TEST(DialogTest, DataExchangeMovesMembersIntoControlsAndBackOnOk)
{
  struct Case {
    int loaded;
    std::vector<int> checkedAtOpen;
    int clicked; // radio to click, -1 none
    int saved;
  };
  const Case cases[] = {
      {2, {0, 0, 1}, -1, 2},
      {-1, {0, 0, 0}, -1, -1},
      {-1, {0, 0, 0}, 1021, 1},
      {0, {1, 0, 0}, 1022, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.loaded);
    CScopedModalAnswerer script;
    ExchangeDialog dialog;
    dialog.m_choice = c.loaded;
    script->QueueDialog([&](CDialog& d) {
      auto& x = static_cast<ExchangeDialog&>(d);
      CString text;
      x.m_edit.GetWindowText(text);
      EXPECT_EQ(text, CString(L"盖梁"));
      EXPECT_EQ(x.m_check.GetCheck(), BST_CHECKED);
      for (int i = 0; i < 3; ++i)
        EXPECT_EQ(x.m_radios[i].GetCheck(), c.checkedAtOpen[i]) << i;
      x.m_other.Click();
      if (c.clicked >= 0)
        static_cast<CButton*>(x.GetDlgItem(c.clicked))->Click();
      x.m_edit.SetWindowText(L"K12");
      x.m_check.Click();
      d.PressButton(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_text, CString(L"K12"));
    EXPECT_EQ(dialog.m_checked, BST_UNCHECKED);
    EXPECT_EQ(dialog.m_choice, c.saved);
    EXPECT_EQ(dialog.m_missing, CString(L"kept"));
  }
}
