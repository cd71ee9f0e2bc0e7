// The common base of the category forms: a form stores its edited controls into the project
// data when asked to commit (SaveData) and fills them from the data when asked to load
// (LoadData). The change operations set the project's modified flag only when a value differs.
#pragma once

#include "CBentCapProject.h"
#include "CCmdUI.h"
#include "CFormView.h"
#include "CStatic.h"
#include "WinGdi.h"

#include <memory>
#include <vector>

class CBentCapFormBaseView : public CFormView {
public:
    explicit CBentCapFormBaseView(UINT nIDTemplate);

    // Nonzero when the controls were valid and have been stored; 0 refuses (the form has said why).
    virtual int SaveData();
    // Fills the controls from the data; nonzero.
    virtual int LoadData();

    void SetProject(CBentCapProject* pProject);
    CBentCapProject* GetProject() const { return m_pProject; }
    void SetFormFont(LOGFONT* pLogFont) { m_pLogFont = pLogFont; }
    void SetCategoryCode(int nCode) { m_nCategoryCode = nCode; }
    int GetCategoryCode() const { return m_nCategoryCode; }

    // WM_UPDATE_DATA: wParam nonzero loads, 0 stores; the result also goes to *lParam when given.
    LRESULT OnUpdateData(WPARAM wParam, LPARAM lParam);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The form's say on a command of the frame's menu or tool bar; FALSE leaves it to the frame.
    virtual BOOL UpdateCommandUI(CCmdUI* pCmdUI);

    // Change operations for SaveData.
    void UpdateInt(int& stored, int value);
    void UpdateReal(double& stored, double value);
    void NoteIntChange(int stored, int value);
    // 1 when equal within 1e-6, else 0 after setting the modified flag.
    int NoteRealChange(double stored, double value);

protected:
    // A record's field through its accessors, by the change operations above.
    template <class Record, class Get, class Set>
    void UpdateIntField(Record& record, Get get, Set set, int value)
    {
        int stored = (record.*get)();
        UpdateInt(stored, value);
        (record.*set)(stored);
    }
    template <class Record, class Get, class Set>
    void UpdateRealField(Record& record, Get get, Set set, double value)
    {
        double stored = (record.*get)();
        UpdateReal(stored, value);
        (record.*set)(stored);
    }
    // Tells the frame that the data changed (WM_DATA_CHANGED).
    void NotifyDataChanged();
    void MarkModified();
    // A static text of the form that nothing reads back.
    CStatic* AddLabel(LPCTSTR lpszText, const RECT& rect, UINT nID = 0xFFFF);
    // A fixed picture of the form (CBentCapFormPicture), named by its id.
    void AddPicture(const RECT& rect, UINT nPicture);

    LOGFONT* m_pLogFont = nullptr;
    int m_nCategoryCode = -1;
    CBentCapProject* m_pProject = nullptr;
    CBent_PierInfo* m_pPierInfo = nullptr;
    CBent_BasicGeometry* m_pBasicGeometry = nullptr;

private:
    std::vector<std::unique_ptr<CStatic>> m_labels;
};
