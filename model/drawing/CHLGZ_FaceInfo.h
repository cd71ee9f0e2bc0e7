// Drawing-side face: the main body, the end notch or one extra skeleton type. Holds its plate
// bars, its whole-elevation bar lists, one support record per pier column and its stirrups,
// all by value, and the face's bar column count.
#pragma once

#include "CArray.h"
#include "CBent_FaceInfo.h"
#include "CHLGZ_LBLSteel.h"
#include "CHLGZ_LTLSteel.h"
#include "CHLGZ_LUBSteel.h"
#include "CHLGZ_LUMSteel.h"
#include "CHLGZ_LUPSteel.h"
#include "CHLGZ_LUTSteel.h"
#include "CHLGZ_PAFSteel.h"
#include "CHLGZ_PoleInfo.h"

class CHLGZ_FaceInfo {
public:
    CHLGZ_FaceInfo();
    CHLGZ_FaceInfo(const CHLGZ_FaceInfo& other) = default;
    CHLGZ_FaceInfo& operator=(const CHLGZ_FaceInfo& other) = default;
    // Runs AssignFrom.
    CHLGZ_FaceInfo& operator=(const CBent_FaceInfo& design);
    virtual ~CHLGZ_FaceInfo() = default;

    // Column count 0, both plate records reset (top-plate distances 50 and 50), lists emptied.
    void Reset();
    // The column count; both plate records assigned in place (their geometry stays); every
    // list rebuilt from the design's, one fresh record per design record.
    void AssignFrom(const CBent_FaceInfo& design);

    CHLGZ_LTLSteel& GetLTLSteel() { return m_LTLSteel; }
    const CHLGZ_LTLSteel& GetLTLSteel() const { return m_LTLSteel; }
    CHLGZ_LBLSteel& GetLBLSteel() { return m_LBLSteel; }
    const CHLGZ_LBLSteel& GetLBLSteel() const { return m_LBLSteel; }
    CArray<CHLGZ_LUTSteel, const CHLGZ_LUTSteel&>& GetLUTSteels() { return m_aLUTSteels; }
    const CArray<CHLGZ_LUTSteel, const CHLGZ_LUTSteel&>& GetLUTSteels() const { return m_aLUTSteels; }
    CArray<CHLGZ_LUBSteel, const CHLGZ_LUBSteel&>& GetLUBSteels() { return m_aLUBSteels; }
    const CArray<CHLGZ_LUBSteel, const CHLGZ_LUBSteel&>& GetLUBSteels() const { return m_aLUBSteels; }
    CArray<CHLGZ_LUPSteel, const CHLGZ_LUPSteel&>& GetLUPSteels() { return m_aLUPSteels; }
    const CArray<CHLGZ_LUPSteel, const CHLGZ_LUPSteel&>& GetLUPSteels() const { return m_aLUPSteels; }
    CArray<CHLGZ_LUMSteel, const CHLGZ_LUMSteel&>& GetLUMSteels() { return m_aLUMSteels; }
    const CArray<CHLGZ_LUMSteel, const CHLGZ_LUMSteel&>& GetLUMSteels() const { return m_aLUMSteels; }
    CArray<CHLGZ_PoleInfo, const CHLGZ_PoleInfo&>& GetSupports() { return m_aSupports; }
    const CArray<CHLGZ_PoleInfo, const CHLGZ_PoleInfo&>& GetSupports() const { return m_aSupports; }
    CArray<CHLGZ_PAFSteel, const CHLGZ_PAFSteel&>& GetStirrups() { return m_aStirrups; }
    const CArray<CHLGZ_PAFSteel, const CHLGZ_PAFSteel&>& GetStirrups() const { return m_aStirrups; }

    int GetBarColumnCount() const { return m_nBarColumnCount; }
    void SetBarColumnCount(int n) { m_nBarColumnCount = n; }

    // Sets the column text of both plate records, every whole-elevation bar and every bar of
    // every support; the stirrups keep theirs.
    void SetColumnText(const CString& text);

private:
    CHLGZ_LTLSteel m_LTLSteel;
    CHLGZ_LBLSteel m_LBLSteel;
    CArray<CHLGZ_LUTSteel, const CHLGZ_LUTSteel&> m_aLUTSteels;
    CArray<CHLGZ_LUBSteel, const CHLGZ_LUBSteel&> m_aLUBSteels;
    CArray<CHLGZ_LUPSteel, const CHLGZ_LUPSteel&> m_aLUPSteels;
    CArray<CHLGZ_LUMSteel, const CHLGZ_LUMSteel&> m_aLUMSteels;
    CArray<CHLGZ_PoleInfo, const CHLGZ_PoleInfo&> m_aSupports;
    CArray<CHLGZ_PAFSteel, const CHLGZ_PAFSteel&> m_aStirrups;
    int m_nBarColumnCount = 0;
};
