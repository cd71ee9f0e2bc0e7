// A modal dialog. DoModal makes the dialog's window, runs OnInitDialog (where a dialog makes
// and fills its controls) and hands the dialog to the modal answerer (CModalAnswerer.h): a
// person or a script. The OK and Cancel buttons (IDOK, IDCANCEL) run OnOK and OnCancel, which
// end the dialog unless a derived dialog refuses. The base OnInitDialog puts the members into
// the controls (UpdateData(FALSE)) and the base OnOK takes them back before the dialog ends.
#pragma once

#include "CWnd.h"
#include "WinUser.h"

class QDialog;

class CDialog : public CWnd {
public:
  CDialog();
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

  // IDOK, IDCANCEL or what EndDialog was given; -1 when the window could not be made.
  virtual INT_PTR DoModal();
  void EndDialog(int nResult);
  BOOL IsEnded() const { return m_ended; }
  UINT GetTemplateID() const { return m_nIDTemplate; }
  // Presses a button of the dialog as a user would: its BN_CLICKED reaches the dialog.
  void PressButton(int nID);
  // The size the dialog's window is made with.
  void SetInitialSize(int cx, int cy);
  CSize GetInitialSize() const { return m_size; }
  void SetCaption(LPCTSTR lpszCaption) { m_caption = lpszCaption; }

  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();

protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  // The Qt dialog the window is made of; a dialog built on another Qt dialog gives its own.
  virtual QDialog* CreateDialogWidget(QWidget* parent);
  // The dialog has ended by its Qt dialog's own doing: keeps the result without ending it again.
  void SetModalResult(int nResult);

  CWnd* m_pParentWnd;

private:
  UINT m_nIDTemplate;
  CString m_caption;
  CSize m_size;
  int m_nModalResult;
  bool m_ended;
};
