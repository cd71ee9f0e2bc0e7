// The batch copy's source, as its page "复制" holds it: the source design file, its pier-column
// and bar-column counts, and the data groups to copy (every group offered; whether one fits a
// target is decided per target).
#pragma once

#include "CString.h"
#include "WinDef.h"

#include <set>

class CBatchCopySource {
public:
    CBatchCopySource();

    void SetOwner(HWND* owner) { m_owner = owner; }

    const CString& GetInfoText() const { return m_infoText; }
    const CString& GetPath() const { return m_path; }

    bool IsGroupChecked(int group) const { return m_checked.count(group) > 0; }
    void SetGroupChecked(int group, bool checked);
    const std::set<int>& GetCheckedGroups() const { return m_checked; }

    // The file chosen in the open dialog, read for its counts. A file that cannot be read (the
    // reader has said why) leaves no file chosen. TRUE when it was read.
    BOOL SelectFile(const CString& path);
    // The page's OK: refused, with a box, without a file or without a group.
    BOOL Apply(HWND owner = nullptr) const;

private:
    HWND* m_owner;
    CString m_path;
    CString m_infoText;
    std::set<int> m_checked;
};
