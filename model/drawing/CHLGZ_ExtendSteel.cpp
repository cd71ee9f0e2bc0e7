// Drawing-side strengthening settings.
#include "CHLGZ_ExtendSteel.h"

#include "DrawingArrayHelpers.h"

CHLGZ_ExtendSteel::CHLGZ_ExtendSteel() { Reset(); }

void CHLGZ_ExtendSteel::Reset()
{
    m_aCodes.removeAll();
    ResetFields();
}

void CHLGZ_ExtendSteel::AssignFrom(const CBent_ExtendSteel& design)
{
    CopyPointArray(m_aCodes, design.GetCodes());
    ExtendSteelFields::operator=(design);
}

void CHLGZ_ExtendSteel::ClearFlaggedEntries(const AcGeIntArray& flags)
{
    m_aCodes.setLogicalLength(flags.length());
    for (int i = 0; i < flags.length(); ++i)
        if (flags[i] == 1)
            m_aCodes[i] = 0;
}
