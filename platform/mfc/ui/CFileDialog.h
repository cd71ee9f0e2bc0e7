// The open and save-as file dialog on a QFileDialog: default extension, initial file, flags
// (OFN_*) and a filter in Windows' form ("text|pattern|...||"). The chosen path is read after
// DoModal returns IDOK.
#pragma once

#include "CArray.h"
#include "CDialog.h"

// Where a walk through the chosen files stands; null when it has passed the last.
struct CFilePosition;
using POSITION = CFilePosition*;

#define OFN_READONLY 0x00000001U
#define OFN_OVERWRITEPROMPT 0x00000002U
#define OFN_HIDEREADONLY 0x00000004U
#define OFN_ALLOWMULTISELECT 0x00000200U
#define OFN_PATHMUSTEXIST 0x00000800U
#define OFN_FILEMUSTEXIST 0x00001000U

class CFileDialog : public CDialog {
public:
  explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                       DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                       CWnd* pParentWnd = nullptr);

  // The file chosen; with OFN_ALLOWMULTISELECT the first of the files chosen.
  CString GetPathName() const { return m_pathName; }
  // The files chosen, one after the other: GetNextPathName gives the file at pos and moves pos
  // on, to null after the last.
  POSITION GetStartPosition() const;
  CString GetNextPathName(POSITION& pos) const;
  CString GetFileName() const;
  CString GetFileExt() const;
  CString GetFileTitle() const;
  BOOL IsOpenDialog() const { return m_bOpen; }
  DWORD GetFlags() const { return m_dwFlags; }

  // A file name typed into the dialog and confirmed: the default extension added to a name
  // without one, a relative name taken in the initial file's folder, a missing file refused by
  // an open dialog that needs one, an existing file confirmed before a save dialog takes it.
  // The dialog ends with IDOK when the name is taken, and stays open otherwise. With
  // OFN_ALLOWMULTISELECT the box may hold several names, each in double quotes.
  void ChooseFile(const CString& name);

protected:
  QDialog* CreateDialogWidget(QWidget* parent) override;

private:
  CString Completed(const CString& name) const;
  // The paths of the files chosen (the typed names completed); false when one is refused.
  bool TakeChosen(const CStringArray& names);

  BOOL m_bOpen;
  CString m_defExt;
  CString m_initialFile;
  DWORD m_dwFlags;
  CString m_filter;
  CString m_pathName;
  CStringArray m_pathNames;
};
