// What the editor's design commands need from the window that holds the open design: the design
// and its geometry in the current unit, the unit's factor, the current category, and the
// refreshes that follow a change. The main window implements it; tests stand in for it.
#pragma once

#include "CBent_BasicGeometry.h"
#include "CBent_PierInfo.h"
#include "CString.h"

class CDesignCommandHost {
public:
    virtual ~CDesignCommandHost() = default;

    virtual CBent_PierInfo& GetDesign() = 0;
    virtual CBent_BasicGeometry& GetGeometry() = 0;
    // File millimetres to the current unit (0.001, 0.01, 0.1 or 1).
    virtual double GetLoadFactor() const = 0;
    // Full path of the open design's file; empty while it has none.
    virtual CString GetPathName() const = 0;
    // Code of the category whose form is shown (see CategoryCodes.h).
    virtual int GetCurrentCategory() const = 0;

    // The current form writes its controls into the design.
    virtual void StoreCurrentForm() = 0;
    // The current form shows the design again; edits not yet stored are dropped.
    virtual void ReloadCurrentForm() = 0;
    virtual void SetModified() = 0;
    virtual void UpdateFrameTitle() = 0;
    // Tree, current form and information view shown anew from the design; the tree keeps its
    // items.
    virtual void RefreshViews() = 0;
};

// After a change: the current form reloads when it shows one of the changed categories.
template <class... Codes>
void ReloadFormShowing(CDesignCommandHost& host, Codes... categories)
{
    const int current = host.GetCurrentCategory();
    if (((current == categories) || ...))
        host.ReloadCurrentForm();
}
