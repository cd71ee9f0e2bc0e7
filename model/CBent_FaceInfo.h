// One face of a cap-beam design: the main body, the end notch or one extra skeleton type.
// Holds its plate bars, its whole-elevation bar lists, one support record per pier column and
// its stirrups, all by value.
#pragma once

#include "CArray.h"
#include "CBent_LBLSteel.h"
#include "CBent_LTLSteel.h"
#include "CBent_LUBSteel.h"
#include "CBent_LUMSteel.h"
#include "CBent_LUPSteel.h"
#include "CBent_LUTSteel.h"
#include "CBent_PAFSteel.h"
#include "CBent_PoleInfo.h"

class CBent_FaceInfo {
public:
    CBent_FaceInfo();
    CBent_FaceInfo(const CBent_FaceInfo& other);
    CBent_FaceInfo& operator=(const CBent_FaceInfo& other);
    // Field by field, every list entry included.
    bool operator==(const CBent_FaceInfo& other) const;
    virtual ~CBent_FaceInfo() = default;

    // Column count 0, both plate records reset (top-plate distances 50 and 50), lists emptied.
    void Reset();
    // Copies everything but the stirrups, and those too when the flag is set.
    void Copy(const CBent_FaceInfo& other, BOOL withStirrups);

    CBent_LTLSteel& GetLTLSteel() { return m_LTLSteel; }
    const CBent_LTLSteel& GetLTLSteel() const { return m_LTLSteel; }
    CBent_LBLSteel& GetLBLSteel() { return m_LBLSteel; }
    const CBent_LBLSteel& GetLBLSteel() const { return m_LBLSteel; }
    CArray<CBent_LUTSteel, const CBent_LUTSteel&>& GetLUTSteels() { return m_aLUTSteels; }
    const CArray<CBent_LUTSteel, const CBent_LUTSteel&>& GetLUTSteels() const { return m_aLUTSteels; }
    CArray<CBent_LUBSteel, const CBent_LUBSteel&>& GetLUBSteels() { return m_aLUBSteels; }
    const CArray<CBent_LUBSteel, const CBent_LUBSteel&>& GetLUBSteels() const { return m_aLUBSteels; }
    CArray<CBent_LUPSteel, const CBent_LUPSteel&>& GetLUPSteels() { return m_aLUPSteels; }
    const CArray<CBent_LUPSteel, const CBent_LUPSteel&>& GetLUPSteels() const { return m_aLUPSteels; }
    CArray<CBent_LUMSteel, const CBent_LUMSteel&>& GetLUMSteels() { return m_aLUMSteels; }
    const CArray<CBent_LUMSteel, const CBent_LUMSteel&>& GetLUMSteels() const { return m_aLUMSteels; }
    CArray<CBent_PoleInfo, const CBent_PoleInfo&>& GetSupports() { return m_aSupports; }
    const CArray<CBent_PoleInfo, const CBent_PoleInfo&>& GetSupports() const { return m_aSupports; }
    CArray<CBent_PAFSteel, const CBent_PAFSteel&>& GetStirrups() { return m_aStirrups; }
    const CArray<CBent_PAFSteel, const CBent_PAFSteel&>& GetStirrups() const { return m_aStirrups; }

    int GetBarColumnCount() const { return m_nBarColumnCount; }
    // A count below 0 or past the drawable columns is refused: FALSE, count kept.
    BOOL SetBarColumnCount(int n);

    // Sets the column text of both plate records, every whole-elevation bar and every bar of
    // every support; the stirrups keep theirs.
    void SetColumnText(const CString& text);

    // Sets the number of supports, keeping the first and the last: new supports copy the
    // inner neighbour of the last one, removed ones are taken from before the last. The
    // per-support lists of the whole-elevation bent-up bars follow. A count below 0 or past
    // the drawable supports is refused: FALSE, face unchanged.
    BOOL SetSupportCount(int n);

    // Makes the face symmetric about the middle of the cap: the right half becomes the mirror
    // image of the left half, which keeps its content.
    void ApplySymmetry();

    // Keeps only the stirrups that the mirror image does not imply: drops doubly open ones,
    // those lying in the right half of the bar columns, duplicates and mirror duplicates.
    void RemoveMirroredStirrups();
    // Prunes as above and then appends the mirror image of every stirrup that is not its own.
    void CompleteStirrups();

    // Editor unit change (editor/DesignRecordScaling.cpp): the top-plate bars, every bar of the
    // whole elevation and of every support; bottom-plate bars and stirrups hold no lengths.
    void ScaleLengths(double factor);

private:
    CBent_LTLSteel m_LTLSteel;
    CBent_LBLSteel m_LBLSteel;
    CArray<CBent_LUTSteel, const CBent_LUTSteel&> m_aLUTSteels;
    CArray<CBent_LUBSteel, const CBent_LUBSteel&> m_aLUBSteels;
    CArray<CBent_LUPSteel, const CBent_LUPSteel&> m_aLUPSteels;
    CArray<CBent_LUMSteel, const CBent_LUMSteel&> m_aLUMSteels;
    CArray<CBent_PoleInfo, const CBent_PoleInfo&> m_aSupports;
    CArray<CBent_PAFSteel, const CBent_PAFSteel&> m_aStirrups;
    int m_nBarColumnCount;
};
