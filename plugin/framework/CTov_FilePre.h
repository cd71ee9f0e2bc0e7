// The drawing-parameter file: version 3.0, then seven real records, the text heights and width
// factors of the drawing.
#pragma once

#include "CIbFileText.h"
#include "CTov_DrawSettings.h"

class CTov_FilePre : public CIbFileText {
public:
    CTov_FilePre();
    ~CTov_FilePre() override = default;

    // 1 when the records were read, 0 when the file could not be opened, had no valid header or
    // another version (the target then keeps its values).
    int Read();

    CTov_DrawSettings* m_pSettings;
    CTov_DrawSettings m_ownSettings;
    CString m_strTexts[3];
};
