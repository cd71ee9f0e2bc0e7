// The Qt dialog under a CDialog: the Escape key and the close box reach the dialog as its
// Cancel command, and the Enter key as OK, so that OnOK and OnCancel decide whether it ends.
#pragma once

#include <QDialog>

class CDialogWidget : public QDialog {
public:
  CDialogWidget(QWidget* parent = nullptr);

  void accept() override;
  void reject() override;
};
