// Drawing-side bars at one support.
#include "CHLGZ_PoleInfo.h"

#include "DrawingRecordLists.h"

CHLGZ_PoleInfo::CHLGZ_PoleInfo() { Reset(); }

void CHLGZ_PoleInfo::Reset()
{
    m_aLPTSteels.RemoveAll();
    m_aLPBSteels.RemoveAll();
    m_aLPPSteels.RemoveAll();
    m_aLPMSteels.RemoveAll();
}

void CHLGZ_PoleInfo::AssignFrom(const CBent_PoleInfo& design)
{
    AssignRecordList(m_aLPTSteels, design.GetLPTSteels());
    AssignRecordList(m_aLPBSteels, design.GetLPBSteels());
    AssignRecordList(m_aLPPSteels, design.GetLPPSteels());
    AssignRecordList(m_aLPMSteels, design.GetLPMSteels());
}

void CHLGZ_PoleInfo::SetColumnText(const CString& text)
{
    SetListColumnText(m_aLPTSteels, text);
    SetListColumnText(m_aLPBSteels, text);
    SetListColumnText(m_aLPPSteels, text);
    SetListColumnText(m_aLPMSteels, text);
}
