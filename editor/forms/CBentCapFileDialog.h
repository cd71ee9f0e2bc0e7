// The open dialog for design files: the file dialog with a preview beside its file list, where
// the file under the cursor is read and shown as a small sketch of its length, middle height,
// width, end angle and column counts, so that designs can be told apart before one is opened.
#pragma once

#include "CBentCapPreviewSketch.h"
#include "CFileDialog.h"
#include "WinGdi.h"

#include <memory>

class CBentCapFileDialog : public CFileDialog {
public:
    CBentCapFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                       DWORD dwFlags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, LPCTSTR lpszFilter = nullptr,
                       CWnd* pParentWnd = nullptr);
    ~CBentCapFileDialog() override;

    BOOL OnInitDialog() override;
    // Builds the preview beside the file list once the dialog's window is made.
    void CreatePreview();
    // The file under the cursor changed to path (empty for a folder or no name).
    void OnFileNameChange(const CString& path);

    CBentCapPreviewSketch* GetPreview() const { return m_pPreview.get(); }
    const CString& GetPreviewPath() const { return m_strPreviewPath; }

    // File millimetres to the caller's unit; the form font for the preview (not owned).
    double m_dLoadFactor = 1.0;
    LOGFONT* m_pFont = nullptr;

protected:
    QDialog* CreateDialogWidget(QWidget* parent) override;

private:
    // Reads the file and hands the preview its values; FALSE when it could not be read.
    BOOL ShowFile(const CString& path);

    std::unique_ptr<CBentCapPreviewSketch> m_pPreview;
    CString m_strPreviewPath;
};
