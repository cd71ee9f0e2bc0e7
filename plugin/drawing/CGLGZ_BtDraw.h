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

    // Longitudinal bar shapes: the shared families with this drawing's outer diameters, straight
    // ends only two thirds of the weld length inside the plate bar's corner, and an abutment
    // cap's ends near the bottom turned back along it. 0 without the section view's outline.
    int BuildBarShapes();
    int ShapeBarEnd(const BarEndRequest& request);
    int ShapeBarEndOpposite(const BarEndRequest& request);
    void DrawLPartTopLine(const BarShapeWork& work);
    // The cut lengths of a bar less its bends: a bend count, or -1 to count them from the shape;
    // 0 leaves them.
    void DeductBendAllowances(CHLGZ_BASSteel& bar, int bends);
    int CountBends(const AcGePoint3dArray& points, const AcGeDoubleArray& radii, int testEnds) const;

    // Span rows: each rebar column's spans against the spans along the axis (metres), their
    // extremes span by span, and every bar's length in every column of the main face. Returns 1.
    int ComputeSpanRows();
    // The span matrix (columns x spans) of the main part (1) or the end part (0) and the spans
    // along the axis; 0 without supports.
    int GetColumnSpanPoints(AcGeDoubleArray& matrix, AcGeDoubleArray& reference, int mainPart);
    std::vector<double> ColumnSpanYs(int mainPart) const;
    // The column's spans less the axis spans; a column outside the matrix throws.
    static void GetSpanDifferences(
        AcGeDoubleArray& list, const AcGeDoubleArray& matrix, const AcGeDoubleArray& reference, int column);
    static void AppendSpanOffsets(
        const AcGeDoubleArray& matrix, const AcGeDoubleArray& reference, AcGeDoubleArray& most, AcGeDoubleArray& least);
    int ReachesCapEnd(const AcGePoint3dArray& points, int right) const;
    // The span offsets: main part greatest and smallest, end part greatest and smallest.
    AcGeDoubleArray m_dSpanMaxMain;
    AcGeDoubleArray m_dSpanMinMain;
    AcGeDoubleArray m_dSpanMaxEnd;
    AcGeDoubleArray m_dSpanMinEnd;

    // Main view: the plan at its title point; the depth is set to 0. 0 when its stirrups could
    // not be drawn (or without the section view), after what was drawn.
    int DrawMainView(const AcGePoint3d& origin, double& depth);
    int DrawRebarElevation(const PlanFrame& f);
    void DrawSkewPlanColumns(const PlanFrame& f);
    double PlanAxisGap() const override { return 15.0; }
    double MiddleStirrupTolerance() const override;
    double BarOuterDiameter(int diameter, int barType) const override;
    void LabelStirrupRow(const AcGePoint2dArray& row) override;
    BOOL MiddleTopMarkDigit() const override { return TRUE; }
    int LastStirrupToEnd(double leftDegrees) const override;
    int FinishPlan(const PlanFrame& f) override;

    // Elevation: its dimensions, stirrup lines and side-bar rows into the section view, after
    // the plan; then the stirrups' heights and lengths. Returns 1.
    int DrawElevation();
    double StirrupHookAllowance(bool singleLeg) const override;
    // Section view: the L part's line and its left end only.
    int LPartHasRightEnd() const override { return 0; }
    // Bar shape details.
    // The strengthening bars of the top and bottom plates, and the L part's extra bar, as marks
    // with their shapes appended to the mark list.
    void DrawStrengtheningBarShapes();
    // One detail a mark: the shapes copied from the elevation with their labels and callouts,
    // the strengthening bars, hooked bars and stirrups, stacked, centre-lined and arranged.
    int DrawShapeDetails();
    // The bent-up bars (upper, then lower) hung under the top-plate bar's detail, the bottom-plate
    // bar under them, the support centre lines over them; all joined to the top-plate bar's.
    void HangShapeDetails(int anchor, const std::vector<int> hanging[2], int bottomBar);
    // The packing of the details in rows with the quantity table after the alternative layout.
    int ArrangeDetailsInRows();
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
    // An L section's stirrups that the bar tables count, with their height round the L part:
    // those over the first column range and, without repeats, the first over the second.
    bool PlanCountsStirrup(int stirrup) const override;
    // The stirrup marks of a given arrangement; the number appended.
    int AddStirrupMarks(const StirrupArrangement& a);
    void StirrupSection(int a, int b, double& width, double& height) const;
    void AppendStirrupMark(double width, double height, double length, int count, const CString& range);
    int m_nStirrupMarks = 0;
    // Where the bar tables' stirrup marks begin in the mark list (-1: no bar tables).
    int m_nTableMarksStart = -1;

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
    // The heights of the section: the levels of its bars, and of an L part's, in chains beside
    // the left face, the section's height further out, the whole height of an L-shaped section
    // beside the right face and the L part's bars across its top.
    void DrawSkewSectionHeights(const SkewSectionWork& w);
    void WriteGridText(const AcGePoint3d& at, const CString& text);
    void DrawCellFrame(double x, double top, double bottom);
    double ColumnSectionRise() const override;

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
    // The chains of each support's bottom straight bars from its axis to the next.
    void DrawSupportBarChains(CHLGZ_FaceInfo& face);
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

    // Elevation of an L-shaped section: the side bars of the L part, a row every nominal
    // side-bar spacing under its top bar down to the main part's top, with their arrows and
    // spacings; each row is a bar on either face of the L part, tallied in m_nExtraBarCount.
    // The levels (drawing units) of those rows.
    AcGeDoubleArray LPartSideBarLevels() const;
    void DrawLPartSideBarRows();
    // The plan's stirrup kinds, their totals settled by the elevation, get their mean length
    // for the quantity table.
    void SettlePlanStirrupAverages();
    // The record of the plan's stirrup kind of the main face's stirrup i; -1 without one.
    int PlanStirrupRecord(int stirrup) const;
    int m_nPlanStirrupRecords = -1;
    // Cross sections: the side bars of each face as dots, every dot led out by a short leader
    // and the leaders of a face joined to one mark.
    void DrawSkewSectionSideBars(const SkewSectionWork& w);
    void DrawSideBarFace(const AcGeDoubleArray& ys, double x, int side, const CString& mark);
    // A leader over the points from the start on, run on by the tail; the end where its text goes.
    AcGePoint3d BuildLeader(AcGePoint3d& end, const AcGePoint3dArray& points, int start, double tail, double gap,
        double tick, int side);
    // The stirrup marks of the cross sections, written once the marks are numbered: the first
    // bracket of each stirrup kind in a section's key gets the kind's mark under the key.
    struct SectionStirrupAnchor {
        AcGePoint3d at;
        int stirrup = 0;
        int section = 0;
    };
    std::vector<SectionStirrupAnchor> m_sectionStirrupAnchors;
    void WriteSectionStirrupMarks();
    // Half drawing layout: the column sections that would run under the first sheet's bottom
    // moved to a further sheet.
    void MoveOverflowingSections(const AcGePoint3d& sheet, const LayoutSizes& s);

    // The shared detail drawers as this drawing draws them: lengths equal within a millimetre,
    // ranges of lengths (longest first) where the normal-section drawing writes a letter, the
    // halved top-plate run 35 under the bar, radii "R=", no slope triangles on straight bars.
    DetailStyle DetailDrawerStyle() const override;
    CString VaryingPartLabel(const CHLGZ_SteelCode& record, double fixed, double allowance) override;
    // The shared packing beside a half plan as this drawing packs: led by the top-plate bar with
    // what hangs under it, the hooked bars each a full height under the one before, and what
    // finds no room in rows on further sheets.
    INT_PTR LeadingDetail() const override;
    double DetailColumnOverlap() const override { return 0.0; }
    void PlaceLeftoverDetails() override;
    // The top-plate bar with what hangs under it on a further sheet when it would reach under
    // the title strip.
    void PlaceLeadingDetail(CHLGZ_SteelCode& record) override;
    // A half drawing's skeleton detail cut at the middle: what it drew from the given model-space
    // entry on, past the middle, brought back to it or erased.
    size_t ModelSpaceEntityCount() const;
    void ClipDetailAtMiddle(size_t first);
    // The skeleton detail's extents once it is drawn and cut, and the shape details kept off it.
    int m_bSkeletonMeasured = 0;
    AcGePoint3d m_ptSkeletonMin;
    AcGePoint3d m_ptSkeletonMax;
    void MeasureSkeletonDetail(size_t first);
    bool OverlapsSkeletonDetail(const CHLGZ_SteelCode& record) const;
    void KeepDetailsClearOfSkeleton();
};
