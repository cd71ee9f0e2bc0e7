// The layer-settings file: version 3.0, then the colour indexes of layers "01-图框" to
// "14-双点", one integer record each.
#pragma once

#include "CIbFileText.h"
#include "CTov_DrawSettings.h"

class CTov_FileLyr : public CIbFileText {
public:
    CTov_FileLyr();
    ~CTov_FileLyr() override = default;

    // 1 when the records were read, 0 when the file could not be opened, had no valid header or
    // another version (the target then keeps its colours).
    int Read();

    CTov_DrawSettings* m_pSettings;
    CTov_DrawSettings m_ownSettings;
    CString m_strTexts[3];
};
