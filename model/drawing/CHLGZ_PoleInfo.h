// Drawing-side bars at one support (pier column): its upper and lower bent-up bars and its top
// and bottom straight bars, each a list held by value.
#pragma once

#include "CArray.h"
#include "CBent_PoleInfo.h"
#include "CHLGZ_LPBSteel.h"
#include "CHLGZ_LPMSteel.h"
#include "CHLGZ_LPPSteel.h"
#include "CHLGZ_LPTSteel.h"

class CHLGZ_PoleInfo {
public:
    CHLGZ_PoleInfo();
    CHLGZ_PoleInfo(const CHLGZ_PoleInfo& other) = default;
    CHLGZ_PoleInfo& operator=(const CHLGZ_PoleInfo& other) = default;
    virtual ~CHLGZ_PoleInfo() = default;

    // Empties the four lists.
    void Reset();
    // Each list rebuilt from the design's, one fresh record per design record.
    void AssignFrom(const CBent_PoleInfo& design);

    CArray<CHLGZ_LPTSteel, const CHLGZ_LPTSteel&>& GetLPTSteels() { return m_aLPTSteels; }
    const CArray<CHLGZ_LPTSteel, const CHLGZ_LPTSteel&>& GetLPTSteels() const { return m_aLPTSteels; }
    CArray<CHLGZ_LPBSteel, const CHLGZ_LPBSteel&>& GetLPBSteels() { return m_aLPBSteels; }
    const CArray<CHLGZ_LPBSteel, const CHLGZ_LPBSteel&>& GetLPBSteels() const { return m_aLPBSteels; }
    CArray<CHLGZ_LPPSteel, const CHLGZ_LPPSteel&>& GetLPPSteels() { return m_aLPPSteels; }
    const CArray<CHLGZ_LPPSteel, const CHLGZ_LPPSteel&>& GetLPPSteels() const { return m_aLPPSteels; }
    CArray<CHLGZ_LPMSteel, const CHLGZ_LPMSteel&>& GetLPMSteels() { return m_aLPMSteels; }
    const CArray<CHLGZ_LPMSteel, const CHLGZ_LPMSteel&>& GetLPMSteels() const { return m_aLPMSteels; }

    // Sets the column text of every bar of the four lists.
    void SetColumnText(const CString& text);

private:
    CArray<CHLGZ_LPTSteel, const CHLGZ_LPTSteel&> m_aLPTSteels;
    CArray<CHLGZ_LPBSteel, const CHLGZ_LPBSteel&> m_aLPBSteels;
    CArray<CHLGZ_LPPSteel, const CHLGZ_LPPSteel&> m_aLPPSteels;
    CArray<CHLGZ_LPMSteel, const CHLGZ_LPMSteel&> m_aLPMSteels;
};
