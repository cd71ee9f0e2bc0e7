// What the form tests share: a main frame with the sample design open, the tree driven as a
// user clicks it, and the current form by its class.
#pragma once

#include "CMainFrame.h"
#include "EditorWindowTestSupport.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

class FormsTest : public EditorWindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The sample design, read as the frame reads it (unit centimetre).
    void OpenSample();
    // Clicks the tree item of the code; FALSE when the tree has none.
    bool Choose(int code);
    template <class Form>
    Form* Current() const
    {
        return dynamic_cast<Form*>(m_frame->GetCurrentForm());
    }
    CBentCapProject& Project() { return m_frame->GetProject(); }
    CBent_PierInfo& Design() { return m_frame->GetProject().m_PierInfo; }
    CBent_BasicGeometry& Geometry() { return m_frame->GetProject().m_BasicGeometry; }
    int SelectedCode() { return m_frame->GetClassView().GetSelectedCode(); }
    // Captions and texts of the boxes shown since the test began.
    std::vector<std::wstring> BoxTexts();

    std::unique_ptr<CMainFrame> m_frame;
};

// A control's text.
CString TextOf(const CWnd& wnd);
// The control with the id anywhere inside the window (radio buttons sit in their group box).
CWnd* FindControl(const CWnd* window, UINT nID);
template <class Control>
Control& ControlOf(const CWnd* window, UINT nID)
{
    auto* control = dynamic_cast<Control*>(FindControl(window, nID));
    if (!control)
        throw std::runtime_error("no control " + std::to_string(nID));
    return *control;
}
