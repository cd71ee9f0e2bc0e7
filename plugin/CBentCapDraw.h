// The options dialog of the drawing command (template 219, "盖梁绘制"): the design file to draw
// (the one the editor is editing, or one chosen here) and the drawing options. The run
// constructs it without showing it, so it takes the current design file and the stored options;
// each option keeps a process-wide copy that the next dialog starts from.
#pragma once

#include "CAcUiDialog.h"
#include "CButton.h"
#include "CStatic.h"
#include "CString.h"

class CBentCapDraw : public CAcUiDialog {
public:
    enum { IDD = 219 };
    // The dialog's control ids.
    enum {
        kCurrentFileRadio = 272,
        kSpecifiedFileRadio = 273,
        kBrowseButton = 274,
        kHalfCheck = 276,
        kPlanOnlyCheck = 277,
        kPathText = 278,
        kCopyNameCheck = 279,
        kGroupCheck = 280,
    };
    // File sources of the radio group.
    static constexpr int kCurrentFile = 0;
    static constexpr int kSpecifiedFile = 1;

    // Copies the stored options and reads the current design file ("CurGltFile").
    explicit CBentCapDraw(CWnd* pParent = nullptr);
    // Stores the path, the file source, the copy-name option and the group option.
    ~CBentCapDraw() override;

    // Without a current design file only the specified file can be drawn; the browse button
    // serves the specified-file source alone.
    BOOL OnInitDialog() override;
    // A radio of the file source was clicked.
    void OnFileSourceChanged();
    // "选择盖梁文件": an existing design file chosen becomes the path text.
    void OnBrowseFile();
    // An empty path of the specified-file source keeps the dialog open after the box
    // "没有指定盖梁文件，请选择盖梁文件！"; otherwise the path becomes the current file, the
    // plan-only option is stored and, with the copy-name option, the current file's name goes
    // to the clipboard before the dialog closes.
    void OnOK() override;

    CString m_strPath;
    int m_bHalfWhenSymmetric = 0;
    int m_bPlanOnly;
    int m_nFileSource;
    int m_bCopyName;
    int m_bGroup;
    CString m_strCurrentFile;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void MakeControls();
    // The file's name without its folder and without its extension (its last four characters).
    static CString FileTitleOf(const CString& path);

    CButton m_currentFile;   // 272
    CButton m_specifiedFile; // 273
    CStatic m_path;          // 278
    CButton m_browse;        // 274
    CButton m_half;          // 276
    CButton m_planOnly;      // 277
    CButton m_copyName;      // 279
    CButton m_group;         // 280
    CButton m_ok;
    CButton m_cancel;

    static CString s_strPath;
    static int s_bPlanOnly;
    static int s_nFileSource;
    static int s_bCopyName;
    static int s_bGroup;
};
