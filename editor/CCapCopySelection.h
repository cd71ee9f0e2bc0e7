// The cap copy's choice: a source design file, how its pier-column and bar-column counts
// compare with the open design, and the data groups to copy from it. The copy dialog shows it;
// the groups reach the open design only through CopyGroups.
#pragma once

#include "CDesignCommandHost.h"

#include <map>

// The open dialog that picks the source file: an existing file, with this extension and filter.
inline constexpr const wchar_t* kDesignFileExtension = L"glt";
inline constexpr const wchar_t* kCapCopyFileFilter = L"盖梁图文件(*.glt)|*.glt||";

class CCapCopySelection {
public:
    // The open design, in the current unit; loadFactor brings a file's millimetres to that unit.
    CCapCopySelection(CBent_PierInfo& design, CBent_BasicGeometry& geometry, double loadFactor);

    // The window that owns the reader's boxes (address of its handle); null for the main window.
    void SetOwner(HWND* owner) { m_owner = owner; }

    // The text comparing the counts of the open design and of the chosen file.
    const CString& GetInfoText() const { return m_infoText; }
    // Full path of the chosen file; empty while none is chosen.
    const CString& GetPath() const { return m_path; }

    // A group that needs equal counts is enabled only for a file that has them.
    bool IsGroupEnabled(int group) const;
    bool IsGroupChecked(int group) const;
    // The dialog's check boxes stored; a disabled group cannot be ticked.
    void SetGroupChecked(int group, bool checked);

    // The file chosen in the open dialog: read and compared. A file that cannot be read (the
    // reader has said why) leaves no file chosen. TRUE when it was read.
    BOOL SelectFile(const CString& path);
    // The dialog's OK: refuses without a file or without a group, and copies otherwise.
    // TRUE when the dialog may close with OK.
    BOOL Confirm();
    // Reads the chosen file again and copies every ticked group into the open design. 1; 0
    // when the file could not be read, the open design unchanged.
    int CopyGroups();

private:
    // The file read into fresh records and brought to the current unit.
    BOOL ReadSource(const CString& path, CBent_PierInfo& design, CBent_BasicGeometry& geometry) const;
    void ShowNoFile();

    CBent_PierInfo& m_design;
    CBent_BasicGeometry& m_geometry;
    double m_loadFactor;
    HWND* m_owner;
    int m_pierColumns;
    int m_barColumns;
    CString m_path;
    CString m_infoText;
    std::map<int, bool> m_checked;
    std::map<int, bool> m_enabled;
};

// The copy dialog: runs modally over the selection, its file button calling SelectFile and its
// OK calling Confirm.
class CCapCopyDialog {
public:
    virtual ~CCapCopyDialog() = default;
    // TRUE on OK.
    virtual BOOL Run(CCapCopySelection& selection) = 0;
};

// The whole command: the current form committed, the dialog run, and on OK the open design
// marked modified and shown anew.
void RunCapCopyCommand(CDesignCommandHost& host, CCapCopyDialog& dialog);
