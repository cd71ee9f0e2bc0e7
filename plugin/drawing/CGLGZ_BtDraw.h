// The reinforcement drawing of a cap whose bent-up bars bend down in skew sections; a square
// cap is drawn too. One skeleton kind.
#pragma once

#include "CGLGZ_CapDraw.h"

class CGLGZ_BtDraw : public CGLGZ_CapDraw {
public:
    static const CapDrawDefaults kDefaults;

    CGLGZ_BtDraw();
    ~CGLGZ_BtDraw() override = default;

    // 1 drawn, 0 refused (after the refusal's box).
    int Draw(int full);
    int DrawViews(int full);
    // Outer diameter of a ribbed bar; a diameter not in the table stays as it is.
    static double GetBarOuterDiameter(int diameter);
    double GetWeldLength() const;
    // Bar numbering: the lengths of every bar code's bars over the columns they occupy.
    int ComputeCodeLengths();
    // Sheets, view layout and note lines.
    void LayoutViews();
    void LayoutViewsAlternative();
    // Bar callouts: equal lengths within a millimetre print the shortest, others the mean.
    CString CalloutLengthText(const CHLGZ_SteelCode& record) const override;
    // Bar grouping and tables: the quantity table's header is one unit lower, and nothing
    // stands beside the table.
    double QuantityTableHeader() const override { return 8.0; }

protected:
    void NoteLines(CStringArray& lines, int furtherSheet) const override;

public:

    double m_dFurtherReal = 1.0;

    // Bar grouping: the main face's bars, and an L-shaped section's end face's, into marks
    // counted over their columns; the closing marks follow (their first at m_nGroupedMarks).
    void GroupBarShapes();
    // Mode 0 the length at the end parameter; any other mode sums the segments, each at least
    // one unit of 1/units long rounded to whole such units.
    using CGLGZ_CapDraw::GetPolylineLength;
    double GetPolylineLength(AcDbObjectId id, int mode, double units) const;
    // The side bars of the L part that the elevation tallies, added to the side bars' mark.
    int m_nExtraBarCount = 0;
    // Bar tables: the closed stirrups appended to the mark list; the number appended.
    int DrawBarTables();
    int AddStirrupMarks();
    // The stirrups' column ranges (1-based bar columns), the stirrups over the first range
    // beyond one, the stirrup rows of the plan, the positions of the skewed part and those of
    // them drawn skew.
    struct StirrupArrangement {
        int first[2] = { 0, 0 };
        int second[2] = { 0, 0 };
        int hasSecond = 0;
        int repeats = 0;
        int rows = 0;
        int skewPositions = 0;
        int skewStirrups = 0;
    };
    StirrupArrangement MeasureStirrupArrangement() const;
    void StirrupSection(int a, int b, double& width, double& height) const;
    void AppendStirrupMark(double width, double height, double length, int count, const CString& range);
    int m_nStirrupMarks = 0;

    // Column sections: the cross section at a support number (the entry of the section list),
    // the index-th, under its caption at the origin; the depth is the height it takes under
    // the origin. Returns 0.
    int DrawColumnSection(AcGePoint3d& origin, int support, int index, double& depth);
    struct SkewSectionWork;
    void MeasureSkewSection(SkewSectionWork& w);
    void DrawSkewSectionLPart(const SkewSectionWork& w);
    void DrawSkewSectionGrids(const SkewSectionWork& w);
    void DrawSkewSectionBars(const SkewSectionWork& w);
    void DrawSkewSectionStrengthening(const SkewSectionWork& w);
    void DrawSkewSectionCallouts(const SkewSectionWork& w);
    void DrawStirrupKey(const SkewSectionWork& w);
    void DrawLPartStirrups(const SkewSectionWork& w);
    void WriteGridText(const AcGePoint3d& at, const CString& text);
    void DrawCellFrame(double x, double top, double bottom);
    double ColumnSectionRise() const override;
    void StrengtheningMarkNumbers(int& edge, int& middle, int& bottom) const;

    // Bar number marks of the main face (1) or the end face (0) along their view lines; with the
    // mask flag the marks get wipeout masks at the end. The plate bars' marks go through the
    // placement that the skeleton detail makes current (identity until then).
    using CGLGZ_CapDraw::DrawBarMarks;
    void DrawBarMarks(int mainFace, int mask);

    // Skeleton detail A at the layout's place for it (else at the top of the sheet at the
    // corner): the main part's bars moved there by m_detailTransform and drawn again, with
    // centre lines, welds and dimensions. Returns 1.
    int DrawSkeletonDetail(const AcGePoint3dArray& sheets, const AcGePoint3d& corner);
    void TransformPartBars(const AcGeMatrix3d& matrix, int mainPart);
    void MarkStraightBar(AcDbObjectIdArray& ids, int top, double height, const AcGePoint3dArray& points,
        double middle);
    void DimensionBentBar(const AcGePoint3dArray& vertices, int upper, double top, double bottom, double middle,
        double unused);
    void DrawDetailCentreLines();
    void DrawDetailBars(CHLGZ_FaceInfo& face);
    void DrawDetailDimensions(CHLGZ_FaceInfo& face, int full);
    void DrawDetailDimension(
        const AcGePoint3d& a, const AcGePoint3d& b, double offset, double textOffset, const CString& text);
    void DrawDetailChain(std::vector<double> xs, double y, double offset, double textOffset);
    // A bar's length over the columns in centimetres: "%s~%s" where it varies; empty without
    // per-column lengths.
    static CString ColumnLengthRange(const CHLGZ_BASSteel& bar);
    // The detail's weld positions (axes, then span middles), the top-plate bar's and the
    // bottom-plate bar's heights and the x of the height dimension, and the bar being drawn.
    AcGeDoubleArray m_dDetailPositions;
    double m_dDetailTop = 0.0;
    double m_dDetailBottom = 0.0;
    double m_dDetailPlateX = 0.0;
    const CHLGZ_BASSteel* m_pCurrentBar = nullptr;
    AcGeDoubleArray m_dDetailUpperBends;
    AcGeDoubleArray m_dDetailLowerBends;
    int m_nDetailTopRows = 0;
    int m_nDetailBottomRows = 0;
};
