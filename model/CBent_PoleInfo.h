// The bars at one support (pier column): its upper and lower bent-up bars and its top and
// bottom straight bars, each a list held by value.
#pragma once

#include "CArray.h"
#include "CBent_LPBSteel.h"
#include "CBent_LPMSteel.h"
#include "CBent_LPPSteel.h"
#include "CBent_LPTSteel.h"

class CBent_PoleInfo {
public:
    CBent_PoleInfo();
    CBent_PoleInfo(const CBent_PoleInfo& other) = default;
    CBent_PoleInfo& operator=(const CBent_PoleInfo& other) = default;
    // Field by field, every list entry included.
    bool operator==(const CBent_PoleInfo& other) const;
    virtual ~CBent_PoleInfo() = default;

    // Empties the four lists.
    void Reset();

    CArray<CBent_LPTSteel, const CBent_LPTSteel&>& GetLPTSteels() { return m_aLPTSteels; }
    const CArray<CBent_LPTSteel, const CBent_LPTSteel&>& GetLPTSteels() const { return m_aLPTSteels; }
    CArray<CBent_LPBSteel, const CBent_LPBSteel&>& GetLPBSteels() { return m_aLPBSteels; }
    const CArray<CBent_LPBSteel, const CBent_LPBSteel&>& GetLPBSteels() const { return m_aLPBSteels; }
    CArray<CBent_LPPSteel, const CBent_LPPSteel&>& GetLPPSteels() { return m_aLPPSteels; }
    const CArray<CBent_LPPSteel, const CBent_LPPSteel&>& GetLPPSteels() const { return m_aLPPSteels; }
    CArray<CBent_LPMSteel, const CBent_LPMSteel&>& GetLPMSteels() { return m_aLPMSteels; }
    const CArray<CBent_LPMSteel, const CBent_LPMSteel&>& GetLPMSteels() const { return m_aLPMSteels; }

    // Sets the column text of every bar of the four lists.
    void SetColumnText(const CString& text);

    // This support becomes the mirror image of other (its counterpart across the middle of the
    // cap): the bent-up and top straight bars are copied with left and right exchanged, the
    // bottom straight bars stay. Mirrored onto itself, each of those bars gets right := left.
    void MirrorFrom(const CBent_PoleInfo& other);

    // Editor unit change (editor/DesignRecordScaling.cpp): every bar of the four lists.
    void ScaleLengths(double factor);

private:
    CArray<CBent_LPTSteel, const CBent_LPTSteel&> m_aLPTSteels;
    CArray<CBent_LPBSteel, const CBent_LPBSteel&> m_aLPBSteels;
    CArray<CBent_LPPSteel, const CBent_LPPSteel&> m_aLPPSteels;
    CArray<CBent_LPMSteel, const CBent_LPMSteel&> m_aLPMSteels;
};
