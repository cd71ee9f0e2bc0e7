// The colours of the fifteen drawing layers and seven text parameters: what the settings
// files override and the drawing set-up reads.
#pragma once

#include <cstdint>

struct CTov_DrawSettings {
    static constexpr int kLayerCount = 15;
    static constexpr int kParameterCount = 7;

    // Layer "0" first, then "01-图框" to "14-双点".
    std::int32_t m_colors[kLayerCount] = { 7, 5, 7, 6, 1, 1, 6, 7, 7, 7, 4, 4, 7, 6, 3 };
    // 1: height of styles "BT" and "FS", 2: of "DM", 3: of "FZ", 4: of "YB", 5: a further real,
    // 6: width factor of the text styles, 7: a further real.
    double m_params[kParameterCount] = { 4.0, 3.0, 4.0, 3.0, 25.0, 0.85, 0.85 };
};
