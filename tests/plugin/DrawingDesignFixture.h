// An example design read, changed by the test and converted as the run hands it to a drawing,
// and a drawing object pointed at it as the entry does before its checks.
#pragma once

#include "CGLGZ_CapDraw.h"
#include "CHLGZ_PierInfo.h"
#include "PluginFixture.h"

#include <functional>

class DrawingDesignFixture : public PluginFixture {
protected:
    using Change = std::function<void(CBent_PierInfo&, CBent_BasicGeometry&)>;

    void Load(const char* example, const Change& change = {})
    {
        ReadExample(example, design, geometry);
        if (change)
            change(design, geometry);
        // A fresh record: a conversion keeps what the drawing wrote into the plate records.
        model = CHLGZ_PierInfo();
        model = design;
    }

    void Attach(CGLGZ_CapDraw& draw)
    {
        draw.m_pDesign = &model;
        draw.m_pGeometry = &geometry;
        draw.m_pSupports = &model.GetSupportDistances();
        draw.m_nSupportCode = model.GetSupportCount();
    }

    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    CHLGZ_PierInfo model;
};
