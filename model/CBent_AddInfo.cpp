// The additional information of a design.
#include "CBent_AddInfo.h"

CBent_AddInfo::CBent_AddInfo() { Reset(); }

void CBent_AddInfo::Reset() { m_strApplicableTo = L"?"; }
