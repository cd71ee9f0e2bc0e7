// The design file (*.glt) as an object: a keyword text file that reads one cap-beam design of
// any version from 1.0 to 4.3 into a design record and a basic-geometry record.
// The older versions are read by the same record-by-record reader as version 4.3, steered by
// a small table of what each version carries.
#pragma once

#include "CBent_BasicGeometry.h"
#include "CBent_PierInfo.h"
#include "CIbFileText.h"

#include <memory>

class CBent_HlFile : public CIbFileText {
public:
    // owner: address of the window handle that owns the error boxes; null, or a null handle,
    // keeps the main window.
    explicit CBent_HlFile(HWND* owner = nullptr);
    ~CBent_HlFile() override;

    void SetPierInfo(CBent_PierInfo* design) { m_pPierInfo = design; }
    CBent_PierInfo* GetPierInfo() const { return m_pPierInfo; }
    void SetBasicGeometry(CBent_BasicGeometry* geometry) { m_pBasicGeometry = geometry; }
    CBent_BasicGeometry* GetBasicGeometry() const { return m_pBasicGeometry; }

    // 1 when the whole file was read into both targets; 0 when it could not be opened or held
    // an error (after one message box naming file and reason). On 0 both targets are unchanged.
    int Read();
    // After a read that stopped at an error: hands both targets what was read up to the error,
    // over the defaults the read started from. 0 when the read got no further than the version
    // line (the targets are left as they are).
    int TakePartialRead();

    // Writes the design as a version 4.3 file at the path (editor/CBent_HlFile_Write.cpp): into a
    // new file beside it that then replaces it, so a failed save leaves the old file as it was.
    // 1 when written; 0 without a design or geometry, or after one message box saying why.
    int Save();
    int Write();

    // The editor's change of unit (editor/CBent_HlFile_ScaleLengths.cpp): the eleven lengths of
    // the geometry target and every length of the design target, times the factor.
    void ScaleLengths(double factor);

    // The readers of each version, run after the "VER" line with the file open.
    int ReadVersion10();
    int ReadVersion20();
    int ReadVersion30();
    int ReadVersion31();
    int ReadVersion32();
    int ReadVersion33();
    int ReadVersion40();
    int ReadVersion41();
    int ReadVersion42();
    int ReadVersion43();

private:
    // What one file version carries beyond version 1.0, and how it is read.
    struct VersionFeatures {
        int key;                       // version times ten
        bool drawingSettings;          // drawing scales and drawing control lines
        bool addInfo;                  // additional-information text line
        bool symmetryAndAbutment;      // symmetry flags and abutment lines; else derived
        bool skeletonTypes;            // skeleton type count, skeleton data, faces by position
        bool weldWidth;                // weld width line
        bool seismicStirrups;          // seismic stirrups line
        bool sevenStirrupValues;       // stirrup line with the skew-layout spacing
        bool bendTypeLines;            // bend-type line of the upper bent-up bars
        bool resizeColumnText;         // bar column texts fitted to the face's column count
        bool sideSpacingList;          // side spacing count and value lines
        bool strengthening;            // strengthening bar, distance and per-column lines
        bool strengtheningOwnMessages; // version 3.1 words its strengthening-bar lines apart
        bool multiLayerDecrement;      // multi-layer decrement line
        int endDistancePasses;         // end-distance adjustment runs (0: none)
        bool markSkeletonColumns;      // codes of top-plate columns become 9000 at completion
    };

    // Everything a read builds before it is handed over.
    struct ReadState {
        const VersionFeatures& features;
        CBent_PierInfo design;
        CBent_BasicGeometry geometry;
        int skeletonTypeCount = 0;
        int elevationBarCount = 0;
        int stirrupCount = 0;
    };
    using RecordReader = int (CBent_HlFile::*)(ReadState&);

    static const VersionFeatures* FindVersion(int key);
    int ReadVersionByKey(int key);
    int ReadDesign(const VersionFeatures& features);
    int ReportOpenFailure();
    int ReportUnknownVersion(double version);

    // One failed record: the error box with the record's message; result 0.
    int Fail(const CString& message, const CString& text = CString());
    // A record checked against its signature; a result below 1 fails with the message.
    int ReadRecord(CStringArray& tokens, const CString& signature, const CString& message);
    // A whole line taken as it stands; the end of the file fails with the message.
    int ReadTextRecord(CString& text, const CString& message);
    // A count no larger than the lines left in the file could hold.
    int FileCanHold(int count) const;

    // Records of the header and the geometry (CBent_HlFile_Header.cpp).
    int ReadDrawingSettings(ReadState& s);
    int ReadAddInfo(ReadState& s);
    int ReadSymmetryAndAbutment(ReadState& s);
    int ReadSectionForm(ReadState& s);
    int ReadMainDimensions(ReadState& s);
    int ReadEndDimensions(ReadState& s);
    int ReadLDimensions(ReadState& s);
    int ReadSkeletonTypeCount(ReadState& s);
    int ReadMoreInfo(ReadState& s);
    int ReadBarParameters(ReadState& s);

    // Records of supports, columns, bends and stirrup spacing (CBent_HlFile_Supports.cpp).
    int ReadSupports(ReadState& s);
    int ReadColumnCounts(ReadState& s);
    int ReadSkeletonSpacings(ReadState& s);
    int ReadBendAndStirrupSpacing(ReadState& s);

    // Elevation bar groups, skeleton data and stirrups (CBent_HlFile_Bars.cpp).
    int ReadBarCounts(ReadState& s);
    int ReadElevationBars(ReadState& s);
    int ReadBarGroup(ReadState& s);
    CBent_FaceInfo* SelectFace(ReadState& s, int position);
    int ReadUpperBentBars(ReadState& s, CBent_FaceInfo& face, int support);
    int ReadLowerBentBars(ReadState& s, CBent_FaceInfo& face, int support);
    int ReadStraightBars(ReadState& s, CBent_FaceInfo& face, int type, int support);
    // The column line that ends every bar group; fitted to the face's columns where the
    // version does so.
    int ReadColumnLine(ReadState& s, CBent_BASSteel& bar, const CBent_FaceInfo& face, const wchar_t* message);
    int ReadSkeletonData(ReadState& s);
    int ReadStirrups(ReadState& s);

    // Side bars, sections, tendons and strengthening bars (CBent_HlFile_Tail.cpp).
    int ReadSideBars(ReadState& s);
    int ReadSections(ReadState& s);
    int ReadPrestress(ReadState& s);
    int ReadTendon(ReadState& s, int number);
    int ReadStrengthening(ReadState& s);
    int Complete(ReadState& s);

    // What the last read built before it stopped at an error.
    void KeepPartialRead(const ReadState& s);

    CBent_PierInfo* m_pPierInfo;
    CBent_BasicGeometry* m_pBasicGeometry;
    std::unique_ptr<CBent_PierInfo> m_pPartialDesign;
    std::unique_ptr<CBent_BasicGeometry> m_pPartialGeometry;
};
