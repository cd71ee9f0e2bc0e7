// The drawing set-up: the user's settings files, the text styles, linetypes, the fifteen
// drawing layers and one dimension style per drawing scale, made in the working database
// before a cap beam is drawn.
#pragma once

#include "AcDbObjectId.h"
#include "CString.h"
#include "CTov_DrawSettings.h"
#include "CTov_DwgDataBase.h"

class CTov_InitDraw : public CTov_DwgDataBase {
public:
    // Texts 11 and 12 hold the paths of the drawing-parameter and the layer-settings file.
    static constexpr int kParameterFileText = 10;
    static constexpr int kLayerFileText = 11;

    CTov_InitDraw();
    ~CTov_InitDraw() override = default;

    // 1 when every step succeeded; a failed step prints its "*****" line and ends the set-up.
    int Run();
    int ReadUserSettings();
    int InitTextStyles();
    int InitLinetypes();
    int InitLayers();
    int InitDimStyles();

    double m_dElevationScale = 50.0;
    double m_dSectionScale = 40.0;
    CString m_strTexts[13];
    // "STANDARD", "DM", "BT", "FZ", "YB", "FS".
    AcDbObjectId m_textStyleIds[6];
    // "CONTINUOUS", "CENTER", "HIDDEN", "PHANTOM2".
    AcDbObjectId m_linetypeIds[4];
    AcDbObjectId m_layerIds[CTov_DrawSettings::kLayerCount];
    CTov_DrawSettings m_settings;
    CString m_strFurther[3];
};
