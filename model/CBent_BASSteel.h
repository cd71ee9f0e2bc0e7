// Base of every design bar record: family kind, bar grade, diameter and column text.
// The column text holds one character per bar column of the section: '1' a bar, '0' none.
#pragma once

#include "CString.h"
#include "WinDef.h"

class CBent_BASSteel {
public:
    CBent_BASSteel();
    CBent_BASSteel(const CBent_BASSteel& other) = default;
    CBent_BASSteel& operator=(const CBent_BASSteel& other) = default;
    // Field by field.
    bool operator==(const CBent_BASSteel& other) const = default;
    virtual ~CBent_BASSteel() = default;

    // Kind 0, bar type 1, diameter 28; the column text keeps its characters and is cut or
    // padded with '1' to the default column count.
    void Reset();

    int GetKind() const { return m_nKind; }
    void SetKind(int kind) { m_nKind = kind; }
    int GetBarType() const { return m_nBarType; }
    void SetBarType(int barType) { m_nBarType = barType; }
    int GetDiameter() const { return m_nDiameter; }
    void SetDiameter(int diameter) { m_nDiameter = diameter; }

    CString GetColumnText() const { return m_strColumnText; }
    void SetColumnText(const CString& text) { m_strColumnText = text; }
    // Cuts the text to n characters or pads it with '1'; with the flag, families other than
    // top-plate bars/stirrups (kind 0) and top straight bars (kind 2) get '0' in the first
    // column. A count below 0 or past the drawable column count is refused: FALSE, text kept.
    BOOL SetColumnCount(int n, BOOL flag);

    // Editor unit change (editor/DesignRecordScaling.cpp): the base record holds no lengths.
    void ScaleLengths(double factor);

private:
    // 0 top-plate bars or stirrups, 1 bottom-plate bars, 2 top straight, 3 bottom straight,
    // 4 upper bent-up whole elevation, 5 upper bent-up at a support, 6 lower bent-up whole
    // elevation, 7 lower bent-up at a support.
    int m_nKind;
    int m_nBarType;
    int m_nDiameter;
    CString m_strColumnText;
};
