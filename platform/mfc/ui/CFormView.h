// A view that holds controls, as a dialog does: the derived form makes its controls (children
// of the form) in OnInitialUpdate and reads and writes them there and after. The form's
// background is the window's own.
#pragma once

#include "CView.h"

class CFormView : public CView {
public:
  explicit CFormView(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}
  UINT GetTemplateID() const { return m_nIDTemplate; }

protected:
  void OnPaint() override;

private:
  UINT m_nIDTemplate;
};
