// The set-up steps in their order: settings, text styles, linetypes, layers, dimension styles.
#include "CTov_InitDraw.h"

#include "CTov_FileLyr.h"
#include "CTov_FilePre.h"
#include "MavUtils.h"
#include "NumericHelpers.h"
#include "aced.h"

namespace {

// One drawing layer: its name, linetype slot and lineweight (its colour is a setting).
struct LayerRow {
    const wchar_t* name;
    int linetype;
    AcDb::LineWeight lineWeight;
};

constexpr LayerRow kLayers[CTov_DrawSettings::kLayerCount] = {
    { L"0", 0, AcDb::kLnWt025 },
    { L"01-图框", 0, AcDb::kLnWt070 },
    { L"02-结构", 0, AcDb::kLnWt030 },
    { L"03-预筋", 0, AcDb::kLnWt020 },
    { L"04-钢筋", 0, AcDb::kLnWt035 },
    { L"05-表格", 0, AcDb::kLnWt030 },
    { L"06-锚具", 0, AcDb::kLnWt030 },
    { L"07-辅助", 0, AcDb::kLnWt020 },
    { L"08-标注", 0, AcDb::kLnWt020 },
    { L"09-文本", 0, AcDb::kLnWt020 },
    { L"10-打断", 0, AcDb::kLnWt020 },
    { L"11-揭示", 0, AcDb::kLnWt020 },
    { L"12-内廓", 2, AcDb::kLnWt020 },
    { L"13-中心", 1, AcDb::kLnWt020 },
    { L"14-双点", 3, AcDb::kLnWt020 },
};

constexpr const wchar_t* kLinetypes[4] = { L"CONTINUOUS", L"CENTER", L"HIDDEN", L"PHANTOM2" };

} // namespace

CTov_InitDraw::CTov_InitDraw() = default;

int CTov_InitDraw::Run()
{
    // 1. The user's settings.
    ReadUserSettings();
    // 2. Text styles.
    if (!InitTextStyles()) {
        acutPrintf(L"*****初始化文本样式失败*****\n");
        return 0;
    }
    // 3. Linetypes.
    if (!InitLinetypes()) {
        acutPrintf(L"*****初始化线型失败*****\n");
        return 0;
    }
    // 4. Layers.
    if (!InitLayers()) {
        acutPrintf(L"*****初始化层失败*****\n");
        return 0;
    }
    // 5. Dimension styles.
    if (!InitDimStyles()) {
        acutPrintf(L"*****初始化标注样式失败*****\n");
        return 0;
    }
    return 1;
}

// The drawing run gives the two files no path, so neither is opened and the built-in settings
// stay; a caller that sets the texts has the files read.
int CTov_InitDraw::ReadUserSettings()
{
    CTov_FileLyr layers;
    layers.m_pSettings = &m_settings;
    layers.SetPath(m_strTexts[kLayerFileText]);
    layers.Read();
    CTov_FilePre parameters;
    parameters.m_pSettings = &m_settings;
    parameters.SetPath(m_strTexts[kParameterFileText]);
    parameters.Read();
    return 1;
}

int CTov_InitDraw::InitTextStyles()
{
    const double* p = m_settings.m_params;
    struct StyleRow {
        const wchar_t* name;
        double height;
    };
    const StyleRow rows[5] = { { L"STANDARD", 2.5 }, { L"DM", p[1] }, { L"BT", p[0] }, { L"FZ", p[2] },
        { L"YB", p[3] } };
    for (int i = 0; i < 5; ++i) {
        if (!CreateTextStyle(rows[i].name, rows[i].height, p[5], m_textStyleIds[i]))
            return 0;
    }
    m_textStyleIds[5] = MavUtils::createNewTextStyle(L"FS", 1, p[0], p[5], L"宋体", L"");
    return 1;
}

int CTov_InitDraw::InitLinetypes()
{
    for (int i = 0; i < 4; ++i) {
        if (!LoadLinetype(kLinetypes[i], m_linetypeIds[i]))
            return 0;
    }
    acedCommand(RTSTR, L"ltscale", RTSTR, L"4.0", RTNONE);
    return 1;
}

int CTov_InitDraw::InitLayers()
{
    for (int i = 0; i < CTov_DrawSettings::kLayerCount; ++i) {
        const LayerRow& row = kLayers[i];
        if (!CreateLayer(row.name, m_linetypeIds[row.linetype], row.lineWeight, m_settings.m_colors[i], m_layerIds[i]))
            return 0;
    }
    return 1;
}

int CTov_InitDraw::InitDimStyles()
{
    for (double scale : { m_dElevationScale, m_dSectionScale }) {
        CString name;
        name.Format(L"DIM%s", FormatFixed(scale, -7).GetString());
        AcDbObjectId id;
        if (!CreateDimStyle(name, scale / 10.0, id))
            return 0;
    }
    return 1;
}
