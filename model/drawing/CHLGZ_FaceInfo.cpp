// Drawing-side face.
#include "CHLGZ_FaceInfo.h"

#include "DrawingRecordLists.h"

CHLGZ_FaceInfo::CHLGZ_FaceInfo() { Reset(); }

CHLGZ_FaceInfo& CHLGZ_FaceInfo::operator=(const CBent_FaceInfo& design)
{
    AssignFrom(design);
    return *this;
}

void CHLGZ_FaceInfo::Reset()
{
    m_nBarColumnCount = 0;
    m_LTLSteel.Reset();
    m_LBLSteel.Reset();
    m_aLUTSteels.RemoveAll();
    m_aLUBSteels.RemoveAll();
    m_aLUPSteels.RemoveAll();
    m_aLUMSteels.RemoveAll();
    m_aSupports.RemoveAll();
    m_aStirrups.RemoveAll();
}

void CHLGZ_FaceInfo::AssignFrom(const CBent_FaceInfo& design)
{
    // 1. The bar column count.
    m_nBarColumnCount = design.GetBarColumnCount();
    // 2. The plate records, in place.
    m_LTLSteel.AssignFrom(design.GetLTLSteel());
    m_LBLSteel.AssignFrom(design.GetLBLSteel());
    // 3. The whole-elevation bar lists.
    AssignRecordList(m_aLUTSteels, design.GetLUTSteels());
    AssignRecordList(m_aLUBSteels, design.GetLUBSteels());
    AssignRecordList(m_aLUPSteels, design.GetLUPSteels());
    AssignRecordList(m_aLUMSteels, design.GetLUMSteels());
    // 4. The supports.
    AssignRecordList(m_aSupports, design.GetSupports());
    // 5. The stirrups.
    AssignRecordList(m_aStirrups, design.GetStirrups());
}

void CHLGZ_FaceInfo::SetColumnText(const CString& text)
{
    m_LTLSteel.SetColumnText(text);
    m_LBLSteel.SetColumnText(text);
    SetListColumnText(m_aLUTSteels, text);
    SetListColumnText(m_aLUBSteels, text);
    SetListColumnText(m_aLUPSteels, text);
    SetListColumnText(m_aLUMSteels, text);
    SetListColumnText(m_aSupports, text);
}
