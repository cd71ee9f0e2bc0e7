// One named group of lengths of a drawing class.
#include "CGLGZ_Var.h"

CGLGZ_Var::CGLGZ_Var() { Reset(); }

void CGLGZ_Var::Reset()
{
    m_strName.Empty();
    m_aValues.removeAll();
}
