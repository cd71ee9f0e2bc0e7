// The modal loops a person sees: Qt's own dialog and message box loops, ended here by a click
// the event loop delivers as soon as the loop runs.
#include "CButton.h"
#include "AfxMessageBox.h"
#include "CDialog.h"
#include "CFileDialog.h"
#include "CInteractiveModalAnswerer.h"
#include "CWidgetMessageBoxAnswerer.h"
#include "MessageBoxService.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs `act` on the modal window once the modal loop has started.
void WhenModal(std::function<void(QWidget*)> act)
{
  QTimer::singleShot(0, [act] {
    if (QWidget* modal = QApplication::activeModalWidget())
      act(modal);
  });
}

class TwoButtonDialog : public CDialog {
public:
  TwoButtonDialog() : CDialog(200) { SetCaption(L"确认"); }
  BOOL OnInitDialog() override
  {
    m_ok.Create(L"确定", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(10, 10, 80, 30), this, IDOK);
    return TRUE;
  }
  void OnCancel() override
  {
    ++cancels;
    CDialog::OnCancel();
  }
  CButton m_ok;
  int cancels = 0;
};

class InteractiveTest : public ::testing::Test {
protected:
  void SetUp() override { m_previous = SetModalAnswerer(&m_dialogs); }
  void TearDown() override { SetModalAnswerer(m_previous); }
  CInteractiveModalAnswerer m_dialogs;
  CModalAnswerer* m_previous = nullptr;
};

} // namespace

TEST_F(InteractiveTest, OkButtonAndEscapeEndTheModalLoopThroughTheDialog)
{
  TwoButtonDialog pressed;
  WhenModal([&pressed](QWidget*) { pressed.m_ok.Click(); });
  EXPECT_EQ(pressed.DoModal(), IDOK);

  // Escape, like the close box, is the dialog's Cancel.
  TwoButtonDialog escaped;
  WhenModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
  EXPECT_EQ(escaped.DoModal(), IDCANCEL);
  EXPECT_EQ(escaped.cancels, 1);
}

// A box without an owner stands over the main window, not in the middle of the screen.
TEST_F(InteractiveTest, MessageBoxAnswersWithTheButtonClicked)
{
  CWnd main;
  ASSERT_TRUE(main.Create(L"Main", L"主窗口", WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
  const HWND previousMain = AfxGetMainWndHandle();
  AfxSetMainWndHandle(main.GetSafeHwnd());
  CWidgetMessageBoxAnswerer boxes;
  CMessageBoxAnswerer* previous = SetMessageBoxAnswerer(&boxes);
  QWidget* owner = nullptr;
  WhenModal([&owner](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("保存文件"));
    owner = box->parentWidget();
    box->button(QMessageBox::No)->click();
  });
  EXPECT_EQ(MessageBox(nullptr, L"将文件改动保存到无标题？", L"保存文件", MB_YESNOCANCEL | MB_ICONQUESTION), IDNO);
  EXPECT_EQ(owner, main.GetWidget());
  SetMessageBoxAnswerer(previous);
  AfxSetMainWndHandle(previousMain);
}

// The file the person picks in Qt's file dialog is the dialog's path.
TEST_F(InteractiveTest, FileDialogTakesTheFilePicked)
{
  const QString folder = QDir::tempPath() + QStringLiteral("/corbel-interactive-%1").arg(QCoreApplication::applicationPid());
  QDir().mkpath(folder);
  QFile(folder + QStringLiteral("/pier.glt")).open(QIODevice::WriteOnly);
  WhenModal([folder](QWidget* modal) {
    auto* files = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(files, nullptr);
    files->setDirectory(folder);
    files->selectFile(QStringLiteral("pier.glt"));
    static_cast<QDialog*>(files)->accept();
  });
  CFileDialog open(TRUE, L"glt", nullptr, OFN_FILEMUSTEXIST, L"盖梁图文件(*.glt)|*.glt||");
  EXPECT_EQ(open.DoModal(), IDOK);
  EXPECT_EQ(open.GetFileName(), L"pier.glt");
  QDir(folder).removeRecursively();
}
