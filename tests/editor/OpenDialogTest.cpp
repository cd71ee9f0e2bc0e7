// The open dialog with its preview: the file under the cursor is read and shown in the current
// unit, a folder or an empty name reads nothing, and the chosen file is opened.
#include "CBentCapFileDialog.h"
#include "CMainFrame.h"
#include "EditorCommands.h"
#include "EditorWindowTestSupport.h"

#include <QImage>
#include <QWidget>

#include <fstream>
#include <memory>

namespace {

class OpenDialogTest : public EditorWindowTest {
protected:
    void SetUp() override
    {
        EditorWindowTest::SetUp();
        m_frame = std::make_unique<CMainFrame>();
        ASSERT_TRUE(m_frame->LoadFrame());
    }
    void TearDown() override
    {
        m_frame.reset();
        EditorWindowTest::TearDown();
    }
    std::unique_ptr<CMainFrame> m_frame;
};

int DrawnPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFFU) != 0;
    return count;
}

} // namespace

TEST_F(OpenDialogTest, PreviewsTheFileUnderTheCursorInTheUnitAndOpensIt)
{
    m_frame->ChangeUnit(0);
    const CString sample = Wide(Sample());
    int drawnBefore = -1, drawnAfter = -1;
    m_dialogs->QueueDialog([&](CDialog& d) {
        auto& dialog = dynamic_cast<CBentCapFileDialog&>(d);
        CBentCapPreviewSketch* preview = dialog.GetPreview();
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->m_nColumnCount, 0);
        drawnBefore = DrawnPixels(preview->GetWidget()->grab().toImage());
        dialog.OnFileNameChange(sample);
        EXPECT_EQ(dialog.GetPreviewPath(), sample);
        // The sample in metres: 12.6 long, three piers, nine bar columns.
        EXPECT_DOUBLE_EQ(preview->m_dLength, 12.6);
        EXPECT_DOUBLE_EQ(preview->m_dWidth, 1.8);
        EXPECT_DOUBLE_EQ(preview->m_dAngle, 70.0);
        EXPECT_EQ(preview->m_nColumnCount, 3);
        EXPECT_EQ(preview->m_nBarColumnCount, 9);
        EXPECT_GT(preview->m_nSkeletonColumnCount, 0);
        const QImage image = preview->GetWidget()->grab().toImage();
        image.save(QString::fromStdString("/tmp/corbel-open-preview-" + std::to_string(getpid()) + ".png"));
        drawnAfter = DrawnPixels(image);
        // A folder or an empty name reads nothing: the values stay.
        dialog.OnFileNameChange(CString());
        EXPECT_EQ(dialog.GetPreviewPath(), CString());
        EXPECT_DOUBLE_EQ(preview->m_dLength, 12.6);
        dialog.ChooseFile(sample);
    });
    m_frame->SendMessage(WM_COMMAND, ID_FILE_OPEN);
    ASSERT_EQ(m_dialogs->Dialogs().size(), 1u);
    EXPECT_EQ(m_dialogs->Dialogs()[0], CString(L"打开盖梁文件"));
    EXPECT_EQ(drawnBefore, 0);
    EXPECT_GT(drawnAfter, 500);
    EXPECT_EQ(m_frame->GetProject().m_strPath, sample);
    EXPECT_DOUBLE_EQ(m_frame->GetProject().m_BasicGeometry.dLength, 12.6);
}

// A file that cannot be read leaves the preview with the values of the one before.
TEST_F(OpenDialogTest, AnUnreadableFileKeepsThePreviousPreview)
{
    const CString sample = Wide(Sample());
    const CString missing = Wide(m_dir / "missing.glt");
    m_dialogs->QueueDialog([&](CDialog& d) {
        auto& dialog = dynamic_cast<CBentCapFileDialog&>(d);
        dialog.OnFileNameChange(sample);
        const double length = dialog.GetPreview()->m_dLength;
        dialog.OnFileNameChange(missing);
        EXPECT_EQ(dialog.GetPreviewPath(), missing);
        EXPECT_DOUBLE_EQ(dialog.GetPreview()->m_dLength, length);
        EXPECT_EQ(dialog.GetPreview()->m_nColumnCount, 3);
        d.PressButton(IDCANCEL);
    });
    m_frame->SendMessage(WM_COMMAND, ID_FILE_OPEN);
    EXPECT_TRUE(m_frame->GetProject().m_strPath.IsEmpty());
}

// The same file under the cursor again is not read again: a file with an error says so once.
TEST_F(OpenDialogTest, TheSameFileIsReadOnce)
{
    const auto bad = m_dir / "bad.glt";
    std::ofstream(bad) << "not a design file\n";
    std::size_t boxes = 0;
    m_dialogs->QueueDialog([&](CDialog& d) {
        auto& dialog = dynamic_cast<CBentCapFileDialog&>(d);
        const std::size_t before = m_boxes->Boxes().size();
        dialog.OnFileNameChange(Wide(bad));
        dialog.OnFileNameChange(Wide(bad));
        boxes = m_boxes->Boxes().size() - before;
        EXPECT_EQ(dialog.GetPreview()->m_nColumnCount, 0);
        d.PressButton(IDCANCEL);
    });
    m_frame->SendMessage(WM_COMMAND, ID_FILE_OPEN);
    EXPECT_EQ(boxes, 1u);
}

// The dialog opens on the current file, and the preview shows it at once, not black until
// another file has been under the cursor.
TEST_F(OpenDialogTest, ThePreviewShowsTheFileTheDialogOpensOn)
{
    const CString sample = Wide(Sample());
    ASSERT_EQ(m_frame->LoadGltFile(sample), 1);
    int columns = -1;
    CString shown;
    m_dialogs->QueueDialog([&](CDialog& d) {
        auto& dialog = dynamic_cast<CBentCapFileDialog&>(d);
        columns = dialog.GetPreview()->m_nColumnCount;
        shown = dialog.GetPreviewPath();
        d.PressButton(IDCANCEL);
    });
    m_frame->SendMessage(WM_COMMAND, ID_FILE_OPEN);
    EXPECT_EQ(shown, sample);
    EXPECT_EQ(columns, 3);
}
