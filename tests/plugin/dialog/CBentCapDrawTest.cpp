// The drawing command's options dialog as a user meets it: what it shows for the stored options
// and the current design file, the file-source radios and the browse button, and what OK keeps,
// stores and puts on the clipboard.
#include "CBentCapDraw.h"
#include "CFileDialog.h"
#include "CScopedMessageBoxAnswerer.h"
#include "CScopedModalAnswerer.h"
#include "CorbeldrawModule.h"
#include "../CurrentDesignKey.h"
#include "Registry.h"
#include "aced.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

CButton& Button(CDialog& dialog, int id) { return *dynamic_cast<CButton*>(dialog.GetDlgItem(id)); }
bool Checked(CDialog& dialog, int id) { return Button(dialog, id).GetCheck() == BST_CHECKED; }
bool Enabled(CDialog& dialog, int id) { return dialog.GetDlgItem(id)->IsWindowEnabled(); }
void Click(CDialog& dialog, int id) { Button(dialog, id).Click(); }
CString Text(CDialog& dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}
QString ClipboardText() { return QApplication::clipboard()->text(); }

class BentCapDrawTest : public ::testing::Test {
protected:
    // A registry and a folder of the test's own, no current design file, the options as a new
    // process has them and a clipboard that shows whether anything was copied.
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_folder = fs::temp_directory_path() / ("bentcapdraw-" + std::to_string(getpid()) + "-" + info->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        setenv("CORBEL_REGISTRY", (m_folder / "registry").c_str(), 1);
        StoreOptions([](CBentCapDraw&) {});
        QApplication::clipboard()->setText(QStringLiteral("untouched"));
    }
    void TearDown() override { fs::remove_all(m_folder); }


    // The options the next dialog starts from: all cleared, then set as `set` says, and kept the
    // way a dialog keeps them (the plan-only option by OK, the others when it goes).
    static void StoreOptions(const std::function<void(CBentCapDraw&)>& set)
    {
        CBentCapDraw dialog;
        dialog.m_strPath.Empty();
        dialog.m_bPlanOnly = dialog.m_nFileSource = dialog.m_bCopyName = dialog.m_bGroup = 0;
        set(dialog);
        dialog.OnOK();
    }

    // Runs the dialog, `act` playing the user; the dialog is cancelled if the user leaves it open.
    INT_PTR Run(CBentCapDraw& dialog, const std::function<void(CBentCapDraw&)>& act)
    {
        m_script->QueueDialog([act](CDialog& d) { act(dynamic_cast<CBentCapDraw&>(d)); });
        return dialog.DoModal();
    }

    // A path in the test's folder (an ASCII folder, a name in any script).
    std::wstring InFolder(const std::wstring& name) const
    {
        const std::string folder = m_folder.string();
        return std::wstring(folder.begin(), folder.end()) + L"/" + name;
    }
    std::wstring MakeDesign(const std::wstring& name) const
    {
        const std::wstring path = InFolder(name);
        std::ofstream(CString(path.c_str()).ToUtf8()) << "design\n";
        return path;
    }

    fs::path m_folder;
    CScopedModalAnswerer m_script;
    CScopedMessageBoxAnswerer m_boxes;
};

TEST_F(BentCapDrawTest, OpensOnTheFileSourceThatCanBeDrawn)
{
    struct Case {
        const char* name;
        bool currentFile;
        int storedSource;
        int checkedRadio;
        bool currentRadioEnabled;
        bool browseEnabled;
    };
    const Case cases[] = {
        {"current file, current source", true, CBentCapDraw::kCurrentFile, CBentCapDraw::kCurrentFileRadio, true, false},
        {"current file, specified source", true, CBentCapDraw::kSpecifiedFile, CBentCapDraw::kSpecifiedFileRadio, true, true},
        {"no current file", false, CBentCapDraw::kCurrentFile, CBentCapDraw::kSpecifiedFileRadio, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetCurrentDesign(c.currentFile ? L"/designs/盖梁A.glt" : L"");
        StoreOptions([&](CBentCapDraw& d) { d.m_nFileSource = c.storedSource; });
        CBentCapDraw dialog;
        Run(dialog, [&](CBentCapDraw& d) {
            EXPECT_TRUE(Checked(d, c.checkedRadio));
            EXPECT_FALSE(Checked(d, c.checkedRadio == CBentCapDraw::kCurrentFileRadio ? CBentCapDraw::kSpecifiedFileRadio : CBentCapDraw::kCurrentFileRadio));
            EXPECT_EQ(Enabled(d, CBentCapDraw::kCurrentFileRadio), c.currentRadioEnabled);
            EXPECT_TRUE(Enabled(d, CBentCapDraw::kSpecifiedFileRadio));
            EXPECT_EQ(Enabled(d, CBentCapDraw::kBrowseButton), c.browseEnabled);
        });
    }
}

TEST_F(BentCapDrawTest, StoredOptionsFillTheControls)
{
    SetCurrentDesign(L"/designs/盖梁A.glt");
    StoreOptions([](CBentCapDraw& d) {
        d.m_strPath = L"/designs/盖梁B.glt";
        d.m_bPlanOnly = d.m_bCopyName = d.m_bGroup = 1;
        d.m_bHalfWhenSymmetric = 1;
    });
    CBentCapDraw dialog;
    EXPECT_EQ(dialog.m_strCurrentFile, CString(L"/designs/盖梁A.glt"));
    Run(dialog, [](CBentCapDraw& d) {
        EXPECT_EQ(Text(d, CBentCapDraw::kPathText), CString(L"/designs/盖梁B.glt"));
        EXPECT_TRUE(Checked(d, CBentCapDraw::kPlanOnlyCheck));
        EXPECT_TRUE(Checked(d, CBentCapDraw::kCopyNameCheck));
        EXPECT_TRUE(Checked(d, CBentCapDraw::kGroupCheck));
        // The half drawing is never stored: every dialog starts without it.
        EXPECT_FALSE(Checked(d, CBentCapDraw::kHalfCheck));
    });
}

TEST_F(BentCapDrawTest, FileSourceRadiosSwitchTheBrowseButton)
{
    SetCurrentDesign(L"/designs/盖梁A.glt");
    CBentCapDraw dialog;
    Run(dialog, [](CBentCapDraw& d) {
        ASSERT_FALSE(Enabled(d, CBentCapDraw::kBrowseButton));
        Click(d, CBentCapDraw::kSpecifiedFileRadio);
        EXPECT_TRUE(Enabled(d, CBentCapDraw::kBrowseButton));
        EXPECT_EQ(d.m_nFileSource, CBentCapDraw::kSpecifiedFile);
        Click(d, CBentCapDraw::kCurrentFileRadio);
        EXPECT_FALSE(Enabled(d, CBentCapDraw::kBrowseButton));
        EXPECT_EQ(d.m_nFileSource, CBentCapDraw::kCurrentFile);
    });
}

TEST_F(BentCapDrawTest, BrowseTakesAnExistingDesignFileIntoThePathText)
{
    const std::wstring design = MakeDesign(L"盖梁C.glt");
    const std::wstring typed = InFolder(L"盖梁C");
    if (!CorbeldrawModule().initialised)
        InitExtensionModule(reinterpret_cast<HINSTANCE>(&m_folder));
    const HINSTANCE before = acDocManager->resourceHandle();
    HINSTANCE duringBrowse = nullptr;
    CString browseCaption;
    DWORD browseFlags = 0;

    CBentCapDraw dialog;
    const INT_PTR result = Run(dialog, [&](CBentCapDraw& d) {
        Click(d, CBentCapDraw::kGroupCheck);
        // A missing file is refused and the browse ends without a path.
        m_script->QueueFileName(InFolder(L"missing.glt").c_str());
        Click(d, CBentCapDraw::kBrowseButton);
        EXPECT_EQ(Text(d, CBentCapDraw::kPathText), CString(L""));
        // The name typed without its extension is completed with ".glt".
        m_script->QueueDialog([&](CDialog& files) {
            duringBrowse = acDocManager->resourceHandle();
            files.GetWindowText(browseCaption);
            browseFlags = dynamic_cast<CFileDialog&>(files).GetFlags();
            dynamic_cast<CFileDialog&>(files).ChooseFile(typed.c_str());
        });
        Click(d, CBentCapDraw::kBrowseButton);
        EXPECT_EQ(Text(d, CBentCapDraw::kPathText), CString(design.c_str()));
        // What the user set before browsing is still set.
        EXPECT_TRUE(Checked(d, CBentCapDraw::kGroupCheck));
        d.PressButton(IDOK);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(duringBrowse, CorbeldrawModule().instance);
    EXPECT_EQ(acDocManager->resourceHandle(), before);
    EXPECT_EQ(browseFlags, static_cast<DWORD>(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY));
    EXPECT_EQ(dialog.m_strCurrentFile, CString(design.c_str()));
    EXPECT_EQ(dialog.m_bGroup, 1);
}

TEST_F(BentCapDrawTest, OkWithoutASpecifiedFileShowsItsBoxAndStaysOpen)
{
    CBentCapDraw dialog;
    bool endedByOk = true;
    const INT_PTR result = Run(dialog, [&](CBentCapDraw& d) {
        Click(d, CBentCapDraw::kCopyNameCheck);
        d.PressButton(IDOK);
        endedByOk = d.IsEnded();
    });
    EXPECT_FALSE(endedByOk);
    EXPECT_EQ(result, IDCANCEL);
    const auto boxes = m_boxes->Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, L"没有文件");
    EXPECT_EQ(boxes[0].text, L"没有指定盖梁文件，请选择盖梁文件！");
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_TRUE(dialog.m_strCurrentFile.IsEmpty());
    EXPECT_EQ(ClipboardText(), QStringLiteral("untouched"));
}

TEST_F(BentCapDrawTest, OkCopiesTheDrawnFilesNameWithoutFolderAndExtension)
{
    struct Case {
        const char* name;
        const wchar_t* currentFile;
        const wchar_t* storedPath;
        int source;
        const wchar_t* drawn;
        const char* copied;
    };
    const Case cases[] = {
        {"current file", L"/designs/桥1/盖梁A.glt", L"/other/盖梁B.glt", CBentCapDraw::kCurrentFile,
            L"/designs/桥1/盖梁A.glt", "盖梁A"},
        {"specified file", L"/designs/桥1/盖梁A.glt", L"/other/盖梁B.glt", CBentCapDraw::kSpecifiedFile,
            L"/other/盖梁B.glt", "盖梁B"},
        {"Windows folders", L"C:\\设计\\K12+300.glt", L"", CBentCapDraw::kCurrentFile, L"C:\\设计\\K12+300.glt",
            "K12+300"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetCurrentDesign(c.currentFile);
        StoreOptions([&](CBentCapDraw& d) {
            d.m_strPath = c.storedPath;
            d.m_nFileSource = c.source;
        });
        CBentCapDraw dialog;
        ASSERT_EQ(Run(dialog, [](CBentCapDraw& d) {
            Click(d, CBentCapDraw::kCopyNameCheck);
            d.PressButton(IDOK);
        }),
            IDOK);
        EXPECT_EQ(dialog.m_strCurrentFile, CString(c.drawn));
        EXPECT_EQ(ClipboardText(), QString::fromUtf8(c.copied));
    }
}

TEST_F(BentCapDrawTest, OkTakesTheControlsAndStoresThePlanOnlyOption)
{
    SetCurrentDesign(L"/designs/盖梁A.glt");
    {
        // A click on a file source takes every control's value; Cancel then keeps what the
        // dialog stores when it goes, but not the plan-only option, which only OK stores.
        CBentCapDraw dialog;
        Run(dialog, [](CBentCapDraw& d) {
            Click(d, CBentCapDraw::kPlanOnlyCheck);
            Click(d, CBentCapDraw::kGroupCheck);
            Click(d, CBentCapDraw::kSpecifiedFileRadio);
            Click(d, CBentCapDraw::kCurrentFileRadio);
            Click(d, CBentCapDraw::kCopyNameCheck);
            d.PressButton(IDCANCEL);
        });
    }
    {
        CBentCapDraw dialog;
        EXPECT_EQ(dialog.m_bPlanOnly, 0);
        EXPECT_EQ(dialog.m_bGroup, 1);
        EXPECT_EQ(dialog.m_bCopyName, 0);
        ASSERT_EQ(Run(dialog, [](CBentCapDraw& d) {
            Click(d, CBentCapDraw::kPlanOnlyCheck);
            Click(d, CBentCapDraw::kHalfCheck);
            Click(d, CBentCapDraw::kGroupCheck);
            d.PressButton(IDOK);
        }),
            IDOK);
        EXPECT_EQ(dialog.m_bPlanOnly, 1);
        EXPECT_EQ(dialog.m_bHalfWhenSymmetric, 1);
        EXPECT_EQ(dialog.m_bGroup, 0);
        EXPECT_EQ(ClipboardText(), QStringLiteral("untouched"));
    }
    CBentCapDraw next;
    EXPECT_EQ(next.m_bPlanOnly, 1);
    EXPECT_EQ(next.m_bGroup, 0);
    EXPECT_EQ(next.m_bHalfWhenSymmetric, 0);
}

} // namespace
