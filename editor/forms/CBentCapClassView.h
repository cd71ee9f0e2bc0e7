// The category tree: the left pane of the main frame, one node per category of the design.
// Choosing a node asks the frame to commit the current form and show the form of that category;
// a refused choice puts the selection back on the node the frame last accepted.
#pragma once

#include "CBentCapProject.h"
#include "CTreeCtrl.h"
#include "CView.h"

class CBentCapClassView : public CView {
public:
    CBentCapClassView() = default;
    ~CBentCapClassView() override;

    void SetProject(CBentCapProject* pProject);

    // Nothing to store: 0.
    virtual int SaveData();
    // Rebuilds the tree for the design's support count: 0.
    virtual int LoadData();

    LRESULT OnUpdateData(WPARAM wParam, LPARAM lParam);
    LRESULT OnSelectCategory(WPARAM wParam, LPARAM lParam);
    void BuildTree(int nSupports);
    // hItem itself when its code is nCode, else the first match among its children, depth first.
    HTREEITEM FindItemByCode(HTREEITEM hItem, int nCode) const;

    CTreeCtrl& GetTreeCtrl() { return m_wndTree; }
    // The code of the selected item; -1 with nothing selected.
    int GetSelectedCode() const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    int OnCreate() override;
    void OnSize(UINT nType, int cx, int cy) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    HTREEITEM InsertCategory(const wchar_t* text, int nCode, HTREEITEM hParent, int nRemembered);
    void InsertBarItems(HTREEITEM hParent, int nSupport, BOOL bLast, int nRemembered);
    // Asks the frame about the selection of hItem; TRUE when accepted.
    BOOL AskFrame(HTREEITEM hItem);
    void OnSelChanged(HTREEITEM hNew);

    CTreeCtrl m_wndTree;
    CBentCapProject* m_pProject = nullptr;
    CBent_PierInfo* m_pPierInfo = nullptr;
    CBent_BasicGeometry* m_pBasicGeometry = nullptr;
    int m_nAccept = 1;
    HTREEITEM m_hPrevItem = nullptr;
    // While the tree is rebuilt its own selection changes ask nothing.
    bool m_bBuilding = false;
};
