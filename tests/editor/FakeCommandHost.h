// The window that holds the open design, as the design commands see it: records what they ask
// of it.
#pragma once

#include "CDesignCommandHost.h"

class FakeCommandHost : public CDesignCommandHost {
public:
    CBent_PierInfo& GetDesign() override { return design; }
    CBent_BasicGeometry& GetGeometry() override { return geometry; }
    double GetLoadFactor() const override { return loadFactor; }
    CString GetPathName() const override { return path; }
    int GetCurrentCategory() const override { return category; }
    void StoreCurrentForm() override { ++stores; }
    void ReloadCurrentForm() override { ++reloads; }
    void SetModified() override { modified = true; }
    void UpdateFrameTitle() override { ++titleUpdates; }
    void RefreshViews() override { ++refreshes; }

    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    double loadFactor = 1.0;
    CString path;
    int category = 0;
    int stores = 0;
    int reloads = 0;
    bool modified = false;
    int titleUpdates = 0;
    int refreshes = 0;
};
