// The lines of a version 4.3 design file after its version line, each data line after its
// comment, in the order the version 4.3 reader reads them. Besides writing, it keeps the first
// thing in the design that the file cannot carry, since a file the reader would refuse, or
// would read shifted by a line, must not replace a good one.
#pragma once

#include "CBent_BasicGeometry.h"
#include "CBent_PierInfo.h"
#include "CIbFileText.h"

class CDesignFileWriter {
public:
    // The file is open for writing. Writing sets an empty additional information to "?".
    CDesignFileWriter(CIbFileText& file, CBent_PierInfo& design, const CBent_BasicGeometry& geometry);

    // Every line from the drawing scales to the last per-column code. 1 when every write
    // succeeded; whether the design could be carried is GetRefusal's.
    int WriteDesign();
    // Why the file cannot carry the design, as the message box says it; empty when it can.
    const CString& GetRefusal() const { return m_refusal; }

private:
    void WriteDrawingSettings();
    void WriteAddInfo();
    void WriteSymmetryAndGeometry();
    void WriteCapSettings();
    void WriteSupports();
    void WriteColumns();
    void WriteBendAndStirrupSpacing();
    void WriteElevationBars();
    void WriteFaceBars(const CBent_FaceInfo& face, int position);
    void WriteSupportBars(const CBent_PoleInfo& support, int position, int s);
    void WriteSkeletonData();
    void WriteStirrups();
    void WriteSideBars();
    void WriteSections();
    void WritePrestress();
    void WriteTendon(const CHLGZ_HlBarStruct& tendon, int k);
    void WriteStrengthening();

    // The three lines that open every bar block; the bar's number counts on.
    void WriteBarHead(int position, int type, int support);
    void WriteBarColumns(const CBent_BASSteel& bar);
    // The comment of the current bar block with its number filled in.
    CString BarText(const wchar_t* format) const;

    void Comment(const CString& text);
    // A data line the reader splits into tokens.
    void Data(const CString& text);
    void Record(const CString& comment, const CString& data);
    // A line the reader takes whole, as it stands after trimming.
    void TextRecord(const CString& comment, const CString& text);
    // Reals in the file's forms. A real the file cannot hold is refused by the data line it is
    // written in, which names the record.
    CString Real(double value);
    CString RealDecimals(double value, int decimals);
    CString RealList(const CArray<double, const double&>& values);
    // A count the reader refuses past limit is refused here.
    void CheckCount(INT_PTR count, int limit);
    // Keeps the first reason only: it names the first record the reader would stumble on.
    void Refuse(const CString& message);

    CIbFileText& m_file;
    CBent_PierInfo& m_design;
    const CBent_BasicGeometry& m_geometry;
    int m_barNumber;
    int m_written;
    bool m_invalidNumber;
    CString m_lastComment;
    CString m_refusal;
};
