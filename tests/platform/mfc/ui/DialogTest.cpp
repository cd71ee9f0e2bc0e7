// Modal dialogs answered by a script: the answer acts on the dialog as a user would, a dialog
// that refuses OK stays open for the next answer, an empty script cancels.
#include "CButton.h"
#include "CDialog.h"
#include "CEdit.h"
#include "CFileDialog.h"
#include "CScopedMessageBoxAnswerer.h"
#include "CScopedModalAnswerer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Asks for a scale; OK refuses an empty text.
class ScaleDialog : public CDialog {
public:
  ScaleDialog() : CDialog(152) { SetCaption(L"绘图比例"); }
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
    m_dir = fs::temp_directory_path() / ("corbel-filedialog-" + std::to_string(getpid()));
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
