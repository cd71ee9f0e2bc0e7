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
    // Stirrup marks.
    // What the stirrup arrangement gives the stirrup marks: the stirrup positions along the cap,
    // how often the first stirrup repeats at a position, the positions of the skewed part at one
    // end and how many of them are skew stirrups over the end's taper.
    struct StirrupCounts {
        int rows = 0;
        int repeat = 0;
        int skewPositions = 0;
        int skewStirrups = 0;
    };
    // The closed stirrups appended to a non-empty mark list and counted with the bar tables'
    // marks; the number appended.
    int AddStirrupMarks(const StirrupCounts& counts);
    // The marks the bar tables appended after the closing marks, and the extra bars of an
    // L-shaped section that the elevation tallies.
    int m_nTableMarks = 0;
    int m_nExtraBars = 0;

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
};
