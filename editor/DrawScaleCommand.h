// The drawing-scale command: the elevation and section scales of the open design as texts,
// edited in a dialog and stored back, a scale that is no positive number falling back to its
// default.
#pragma once

#include "CDesignCommandHost.h"

// The scales the dialog's editable lists offer.
inline constexpr const wchar_t* kDrawScaleChoices[] = {
    L"1",   L"5",   L"10",  L"15",  L"20",  L"25",  L"40",  L"50",  L"62.5", L"75",   L"80",
    L"100", L"125", L"150", L"200", L"250", L"300", L"400", L"500", L"800",  L"1000", L"2000",
};

// The defaults of a scale that is not above 0.
inline constexpr double kDefaultElevationScale = 50.0;
inline constexpr double kDefaultSectionScale = 40.0;

class CDrawScaleDialog {
public:
    virtual ~CDrawScaleDialog() = default;
    // Shows both texts for editing; TRUE on OK, with the edited texts.
    virtual BOOL Edit(CString& elevationScale, CString& sectionScale) = 0;
};

// A scale as the dialog shows it: up to seven decimals, trailing zeros and point removed.
CString FormatDrawScale(double scale);
// Both texts read as numbers; one that is not above 0 stores its default.
void StoreDrawScales(CBent_PierInfo& design, const CString& elevationScale, const CString& sectionScale);

void RunDrawScaleCommand(CDesignCommandHost& host, CDrawScaleDialog& dialog);
