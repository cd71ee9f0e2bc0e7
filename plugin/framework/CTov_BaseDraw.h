// Base of every drawing: the entity primitives and the title-block object of its sheets.
#pragma once

#include "CString.h"
#include "CTov_DrawEntity.h"
#include "CTov_InitFrame.h"

class CTov_BaseDraw : public CTov_DrawEntity {
public:
    CTov_BaseDraw() = default;
    ~CTov_BaseDraw() override = default;

    // Two integers that the drawing classes give their meaning.
    int m_nFirst = 0;
    int m_nSecond = 0;
    CTov_InitFrame m_frame;
    CString m_strText;
};
