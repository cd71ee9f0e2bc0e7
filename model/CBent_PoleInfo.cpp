// The bars at one support.
#include "CBent_PoleInfo.h"

#include "RecordListHelpers.h"

CBent_PoleInfo::CBent_PoleInfo() { Reset(); }

void CBent_PoleInfo::Reset()
{
    m_aLPTSteels.RemoveAll();
    m_aLPBSteels.RemoveAll();
    m_aLPPSteels.RemoveAll();
    m_aLPMSteels.RemoveAll();
}

void CBent_PoleInfo::SetColumnText(const CString& text)
{
    SetListColumnText(m_aLPTSteels, text);
    SetListColumnText(m_aLPBSteels, text);
    SetListColumnText(m_aLPPSteels, text);
    SetListColumnText(m_aLPMSteels, text);
}

void CBent_PoleInfo::MirrorFrom(const CBent_PoleInfo& other)
{
    if (&other == this) {
        for (INT_PTR i = 0; i < m_aLPTSteels.GetSize(); ++i)
            m_aLPTSteels[i].MirrorAxisDistances();
        for (INT_PTR i = 0; i < m_aLPBSteels.GetSize(); ++i)
            m_aLPBSteels[i].MirrorAxisDistances();
        for (INT_PTR i = 0; i < m_aLPPSteels.GetSize(); ++i)
            m_aLPPSteels[i].MirrorDistances();
        return;
    }
    m_aLPTSteels.Copy(other.m_aLPTSteels);
    m_aLPBSteels.Copy(other.m_aLPBSteels);
    m_aLPPSteels.Copy(other.m_aLPPSteels);
    for (INT_PTR i = 0; i < m_aLPTSteels.GetSize(); ++i)
        m_aLPTSteels[i].SwapAxisDistances();
    for (INT_PTR i = 0; i < m_aLPBSteels.GetSize(); ++i)
        m_aLPBSteels[i].SwapAxisDistances();
    for (INT_PTR i = 0; i < m_aLPPSteels.GetSize(); ++i)
        m_aLPPSteels[i].SwapDistances();
}

bool CBent_PoleInfo::operator==(const CBent_PoleInfo& other) const
{
    return ListsEqual(m_aLPTSteels, other.m_aLPTSteels) && ListsEqual(m_aLPBSteels, other.m_aLPBSteels) &&
           ListsEqual(m_aLPPSteels, other.m_aLPPSteels) && ListsEqual(m_aLPMSteels, other.m_aLPMSteels);
}
