// The drawing run that both commands execute: read the current design file, check and adjust
// the design, set the drawing up and hand the design to the drawing class of its bend-down mode.
#pragma once

#include "CBent_BasicGeometry.h"
#include "CBent_PierInfo.h"
#include "CHLGZ_PierInfo.h"
#include "DrawnItems.h"

#include <vector>

class CorbeldrawCommand {
public:
    CorbeldrawCommand() = default;
    virtual ~CorbeldrawCommand() = default;

    // 1 when the run reached the drawing stage (drawn or not), 0 when it stopped earlier.
    int Run();
    // Steps 5 to 17 on a design already read; the result of Run.
    int DrawDesign(CBent_PierInfo& design, CBent_BasicGeometry& geometry, int drawAll, int group);

    // The steps of the run that decide values, one function each.
    static CBent_BasicGeometry InitialGeometry();
    static double SettleWeldLength(const CHLGZ_PierInfo& model);
    static int CheckEndAngles(const CBent_BasicGeometry& geometry);
    static void ProjectSkewLengths(CHLGZ_PierInfo& model, CBent_BasicGeometry& geometry);
    static void TrimEndParts(CHLGZ_PierInfo& model, CBent_BasicGeometry& geometry);
    static int CheckDimensions(const CBent_BasicGeometry& geometry);
    static void ClearStrengtheningDigits(CHLGZ_PierInfo& model);
    static void SpreadColumnText(CHLGZ_PierInfo& model);

    // The items the last drawing set on its sheets, with their entities.
    std::vector<DrawnItems::Item> m_drawnItems;
};
