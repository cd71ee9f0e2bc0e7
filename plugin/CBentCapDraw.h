// The options dialog of the drawing command. The run constructs it without showing it, so the
// run takes its current design file and its stored options; the window layer that would show
// it (template 219, "盖梁绘制") belongs to the editor's window classes, which the host lacks.
#pragma once

#include "CString.h"

class CBentCapDraw {
public:
    // File sources of the radio group.
    static constexpr int kCurrentFile = 0;
    static constexpr int kSpecifiedFile = 1;

    // Copies the stored options and reads the current design file ("CurGltFile").
    explicit CBentCapDraw(void* parent = nullptr);
    // Stores the path, the file source, the copy-name option and the group option.
    virtual ~CBentCapDraw();

    // The dialog's OK: an empty path of the specified-file source keeps the dialog open after
    // the box "没有指定盖梁文件，请选择盖梁文件！"; otherwise the path becomes the current file
    // and the plan-only option is stored. 1 when the dialog would close.
    int OnOK();

    CString m_strPath;
    int m_bHalfWhenSymmetric = 0;
    int m_bPlanOnly;
    int m_nFileSource;
    int m_bCopyName;
    int m_bGroup;
    CString m_strCurrentFile;

private:
    static CString s_strPath;
    static int s_bPlanOnly;
    static int s_nFileSource;
    static int s_bCopyName;
    static int s_bGroup;
};
