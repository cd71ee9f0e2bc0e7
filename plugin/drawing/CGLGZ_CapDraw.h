// What the two reinforcement drawings share: their members, the checks of their entries that
// read the same, the text settings, the scale rule, the sheets and their title blocks. Each
// class gives its differing defaults in a small table and keeps its own entry and view order.
#pragma once

#include "AcDbExtents.h"
#include "AcDbObjectId.h"
#include "AcGeDoubleArray.h"
#include "AcGeIntArray.h"
#include "AcGeMatrix3d.h"
#include "AcGePoint2dArray.h"
#include "AcGePoint3d.h"
#include "AcGePoint3dArray.h"
#include "CArray.h"
#include "CBent_BasicGeometry.h"
#include "CHLGZ_HlBarStruct.h"
#include "CHLGZ_MatTotal.h"
#include "CHLGZ_PierInfo.h"
#include "CHLGZ_PierSteelLayer.h"
#include "CHLGZ_SteelCode.h"
#include "CString.h"
#include "CTov_BaseDraw.h"
#include "CTov_FileMj.h"
#include "DrawnItems.h"
#include "SheetSpace.h"
#include "LineInfo.h"

#include <vector>

// The defaults in which the two drawings differ.
struct CapDrawDefaults {
    double weldLength;
    int supportCode;
    // 1: a strengthening distance measured from the left end (form 2) becomes one measured
    // from the bar end (form 1); 0: it is taken as measured from the column (form 0).
    int convertMeasuredDistance;
    // 1: coded X values of the upper bent-up bars are resolved at the anchorage limits and
    // every X value is checked before drawing; 0: the bars are drawn as given.
    int resolveCodedX;
    // The step, a character of a boxed title's second text, of its anchor after the underlines.
    double secondTextStep;
};

class CGLGZ_CapDraw : public CTov_BaseDraw {
public:
    static constexpr int kSectionView = 8;
    static constexpr int kMainView = 10;
    static constexpr double kSheetWidth = 420.0;
    static constexpr double kSheetHeight = 277.0;
    static constexpr double kSheetPitch = 350.0;

    explicit CGLGZ_CapDraw(const CapDrawDefaults& defaults);
    ~CGLGZ_CapDraw() override = default;

    // Text settings, layer "03-预筋" not plotted.
    void PrepareDrawing();
    int HidePrestressingLayer();
    void SetDimStyleArrows();
    // The user scale when non-zero, else the first standard scale above length / 285.
    void SetScale(double userScale);
    // The first of the standard scales above n; the largest when none is.
    static double StandardScaleAbove(double n);
    // A scale at which the plan with its dimensions is wider than a sheet's views gives way to
    // the next standard scale at which it fits; the dimension style of that scale is made, and
    // the change is reported. Run before the text settings, once the half drawing is decided.
    void FitScaleToSheet();
    // The origin of a new sheet, appended to the sheet origins.
    AcGePoint3d NextViewOrigin();

    // The design's support block, whose first integer is its support mode.
    void TakeSupportBlock();
    // Titles, title blocks and notes of every sheet, then the masks of a complete drawing.
    void FinishSheets(int drawAll);
    // One drawn item a bar detail, with the details joined to it.
    void AddDetailItems();
    // The refusals that both entries make; each shows its own box and gives 0.
    int DecideAbutment();
    int CheckSupports();
    // Bend allowance of the skeleton bars, whole millimetres.
    double SkeletonBendAllowance() const;
    // The weld length: the run's when above 1, else 10 (single-sided weld) or 5 outer diameters.
    double WeldLengthFor(double outerDiameter) const;
    // Titles, title blocks and notes of every sheet.
    void DrawSheetTitles();
    // The title block of every sheet with its texts, the sheet count in each.
    void DrawTitleBlocks();
    // The notes of the sheets from the given one (from 0) on; the entities drawn.
    AcDbObjectIdArray DrawNotesFrom(int first);
    // The sheet's area inside its frame's inner border and its title table, from its origin.
    static SheetSpace::Box SheetArea(const AcGePoint3d& sheet);
    static SheetSpace::Box TitleTable(const AcGePoint3d& sheet);
    // The extents of the entities; false when none has any.
    static bool ExtentsOf(const AcDbObjectIdArray& ids, SheetSpace::Box& box);
    static void MoveIds(const AcDbObjectIdArray& ids, const AcGeVector3d& shift);
    static void EraseIds(const AcDbObjectIdArray& ids);
    // Sheets whose items fit together into the room left on the sheet before are merged into it.
    void MergeSparseSheets();
    // An item as the sheet merge finds it: its ids, box and sheet, whether it is a sheet's notes,
    // and the shift that takes it onto the sheet before.
    struct Placed {
        AcDbObjectIdArray ids;
        SheetSpace::Box box;
        int sheet;
        bool notes;
        AcGeVector3d shift;
    };
    // The shifts that set sheet k's items (not its notes) into the free room of the sheet before
    // it; false when they do not fit there.
    static bool ShiftsOntoSheetBefore(const SheetSpace& space, int k, std::vector<Placed>& placed);
    // Every item (view, column section, table, detail) inside its sheet's inner border, clear of
    // the title table, the notes and the other items. The items that fit keep their places,
    // or drop down their columns to the first place where they fit; the others take, in the
    // order they were drawn, the next free places after one another (along the row, the rows
    // under it, the later sheets, a new sheet).
    void SettleItems();
    // An item to set on the sheets: its entities and their extents.
    struct Loose {
        AcDbObjectIdArray ids;
        SheetSpace::Box box;
        CString name;
    };
    // The items that fit where their steps put them take their places; the others are returned.
    std::vector<Loose> KeepItemsInPlace(SheetSpace& space, const std::vector<Loose>& items);
    void PlaceMovedItems(SheetSpace& space, const std::vector<Loose>& movers);
    // The series an item's name places it in; empty for an item alone.
    static CString SeriesOf(const CString& name);
    void WriteTitleBlockTexts(const AcGePoint3d& sheet);
    // A wipeout mask behind every collected label, the last first.
    void MaskCollectedTexts();
    // A label that moves as one along its leader, the leader's end following: a callout's
    // shelf, texts, circle and number.
    struct LabelGroup {
        AcDbObjectIdArray ids;
        AcDbObjectId leader;
    };
    std::vector<LabelGroup> m_labelGroups;
    // The texts written into the cells of a grid (a column section's arrangement), which keep
    // their cells.
    AcDbObjectIdArray m_idsCellTexts;
    // Every text that covers one written before it moved the least distance along its own line
    // that clears it, a callout along its leader; titles and table cells stay.
    void SpreadLabels();
    // The first sheet of a layout, with the view zoomed to it.
    AcGePoint3d OpenSheet();

    AcGePoint3d& SectionViewOrigin() { return m_ptViewOrigins[kSectionView]; }
    AcGePoint3d& MainViewOrigin() { return m_ptViewOrigins[kMainView]; }

    // Sheet numerals: 一 .. 十九, 二十, 二十一 .. 一百一十 ...
    static CString SheetNumeral(int n);
    // The name of a drawn item: its kind and number (a column section's, a sheet's).
    static CString ItemName(const wchar_t* kind, int number);
    int SheetIndexAt(const AcGePoint3d& point) const;

    // Geometry and entity helpers.
    static AcGePoint3d PointAlongLine(const AcGePoint3d& a, const AcGePoint3d& b, double d);
    static AcGePoint3d PointAlongRotatedLine(const AcGePoint3d& a, const AcGePoint3d& b, double d, double angle);
    static AcGePoint3d IntersectLines(const AcGePoint3d& a1, const AcGePoint3d& a2, const AcGePoint3d& b1,
        const AcGePoint3d& b2, int extendFirst, int extendSecond, int* found = nullptr);
    static AcGePoint3d FindExtremePoint(const AcGePoint3dArray& points, int byX, int largest);
    static void ClipPolylineAtX(AcDbObjectId polylineId, double x);
    static AcDbObjectId CopyEntityToModelSpace(AcDbObjectId entityId, AcDbExtents* extents = nullptr);
    static int MoveEntities(CHLGZ_SteelCode& record, const AcGePoint3d& from, const AcGePoint3d& to);
    static void CopyIdList(CHLGZ_SteelCode& target, const CHLGZ_SteelCode& source);
    static int AppendId(AcDbObjectIdArray& ids, AcDbObjectId id);
    static int ReadPolylineVertices(AcGePoint3dArray& points, AcDbObjectId polylineId);
    static int ReadPolylineVertexList(AcDbObjectId polylineId, AcGePoint3dArray& points);
    static double SumSpanDifferences(const AcGeDoubleArray& matrix, const AcGeDoubleArray& reference, int row);

    // Pre-drawing checks and corrections.
    int NormalizeSupports();
    // 1 continue; 0 refused after a box: more than nine section codes, or a code naming no
    // support and no span.
    int CheckSectionPositions();
    void ReportStrengtheningBars();
    void CheckSideBarSpacing();
    int CollectColumnTexts(CStringArray& texts, int part);
    int ClipViewAtMiddle(CHLGZ_FaceInfo& face, const CArray<LineInfo, const LineInfo&>& lines);
    int m_bConvertMeasuredDistance;
    // Bar numbering and bar lookup.
    int NumberBarsAndCheck();
    CHLGZ_BASSteel* FindBarByNumber(int number);
    // The longitudinal bar records of a face in the order they are numbered; stirrups are not.
    static std::vector<CHLGZ_BASSteel*> BarsInNumberingOrder(CHLGZ_FaceInfo& face);
    int m_bResolveCodedX;

    // Blocks and block inserts.
    AcDbObjectId GetWeldBlock(double a, double h, int type);
    static AcDbObjectId GetLeaderArrowBlock();
    static AcDbObjectId GetDimArrowBlock();
    void InsertMirroredBlock(const AcGePoint3d& a, const AcGePoint3d& b, const AcGePoint3d& q, double x, int type);
    static void InsertMarkBlock(
        const AcGePoint3d& position, double scale, double angle, AcDbObjectId blockId, const int* mirror = nullptr);
    // Sheets and view layout.
    // The measures of the views that a layout places, in drawing units.
    struct LayoutSizes {
        double planWidth = 0.0;
        double elevationHeight = 0.0;
        double planHeight = 0.0;
        double sectionWidth = 0.0;
        double sectionHeight = 0.0;
    };
    void MeasurePlan(double& planWidth, double& elevationHeight, double& planHeight) const;
    void MeasureColumnSection(double& width, double& height) const;
    // m_bHalfPlan as given, then the plan and one column section measured.
    LayoutSizes MeasureLayout(int halfPlan);
    // One column section a code of the design's column-section list, which the views walk.
    int ColumnSectionCount() const;
    // The section view at the sheet's top margin and the main view under it, both at x.
    void PlaceTopViews(const AcGePoint3d& sheet, double x, double elevationHeight);
    // The x of both views of a whole plan: beside the column sections when they fit right of
    // the plan, else the middle of the sheet; sets m_nSectionRow.
    double WholePlanViewX(const AcGePoint3d& sheet, const LayoutSizes& sizes);
    // Column sections one under the other at x: the first at the section view's y, the second
    // at secondY, every further one 2 under the previous; records the ordinate under the last.
    void StackColumnSections(double x, double secondY, double height);
    // Rows of column sections right of a whole plan, from the section view's y down; a row
    // whose bottom comes within bottomMargin of the sheet's bottom is refused. The number placed.
    int PlaceColumnSectionRows(const AcGePoint3d& sheet, const LayoutSizes& sizes, double bottomMargin);
    // The column sections from index first on in one row with its top at y, on a new sheet
    // when the row does not fit on the current one. The ordinate under the row.
    double PlaceColumnSectionRow(double y, int first, const LayoutSizes& sizes);

    // Sheet titles and notes.
    // Each gives the entities of its notes.
    AcDbObjectIdArray DrawFirstSheetNotes(const AcGePoint3d& origin);
    AcDbObjectIdArray DrawSheetNotes(const AcGePoint3d& origin);
    // The notes block of the lines at a sheet origin, under the heading "注", moved left as far
    // as its longest line would run past the frame's inner border.
    AcDbObjectIdArray DrawNotesBlock(const AcGePoint3d& origin, const CStringArray& lines);
    // Notes 1 to 3 (units, welding of the skeletons, embedded parts) appended to the lines.
    void AppendGeneralNotes(CStringArray& lines) const;

protected:
    // The note lines of the drawing: those of the first sheet of a half drawing, or of a
    // further sheet.
    virtual void NoteLines(CStringArray& lines, int furtherSheet) const = 0;

public:
    // Bar marks and callouts.
    // The marks "N" + number of the face's bars along a view's lines (4 outline lines, then one
    // line a support); with the collect flag they are kept for the wipeout masks.
    void DrawBarMarks(const CArray<LineInfo, const LineInfo&>& lines, const CHLGZ_FaceInfo& face, int collect);
    // The callout of a bar group: leader, shelf with the bars (count, grade, diameter) over the length and
    // the number in a circle at the shelf's end, running left with the left flag; every entity
    // drawn is appended to the record's ids. 0 without a record, nothing drawn.
    int DrawBarCallout(const AcGePoint3d& point, CHLGZ_SteelCode* record, int left);
    // The length text of a callout; the skew-section drawing words it its own way.
    virtual CString CalloutLengthText(const CHLGZ_SteelCode& record) const;
    // Spacing labels over a row of points: one label a run of equal gaps ("%dX%s", or the gap
    // alone), in centimetres, offset + textOffset off the row. Mode 1 a row along x, 0 along y,
    // other aligned; the tens digit of the code moves the first label 3 off the row's start,
    // its units digit the last off its end. The number of labels written.
    int DrawRebarLabel2d(const AcGePoint2dArray& points, double offset, double textOffset, int mode, int code);
    // One label of a length (drawing units, printed in centimetres) at a point.
    AcDbObjectId DrawRebarLabelAt(const AcGePoint3d& point, double value);
    // The points taken two by two, each pair labelled with its length offset off it; an odd
    // last point has no partner. The number of labels written.
    int DrawRebarLabelPair(const AcGePoint2dArray& points, double offset);
    // How the drawings' marks differ: the plate bars' marks between supports moved the shift
    // leftward and mapped through the placement; the second top-plate mark of a single support
    // lowered under line 1 (else at line 4's height); primed companions of the top-plate marks
    // at a rise (none at 0); whether a straight bar's first mark of a single support is clipped.
    struct BarMarkStyle {
        double plateShift = 2.0;
        AcGeMatrix3d placement;
        int secondTopFromEndLine = 0;
        double primedRise = 0.0;
        int clipFirstStraight = 0;
    };
    void DrawBarMarks(const CArray<LineInfo, const LineInfo&>& lines, const CHLGZ_FaceInfo& face, int collect,
        const BarMarkStyle& style);

    // Texts, labels and dimension style.
    void SelectDimStyle(double scale);
    int AddBoxedText(const AcGePoint3d& position, const wchar_t* title, const wchar_t* secondText);
    int DrawTitleUnderlines(AcDbObjectId textId, AcGePoint3d* outPoint = nullptr);
    void AddTableText(double x, double y, const wchar_t* text, double height);
    AcDbObjectId AddLabelText(
        AcDbObjectId& outId, const AcGePoint3d& point, const wchar_t* text, int below, double angle, int collect);
    void AddRangeLabel(CHLGZ_SteelCode& record, double first, double second, double half, int range, int draw);
    void AddAverageRangeLabel(CHLGZ_SteelCode& record, int halving);
    void AddSegmentLabels(CHLGZ_SteelCode& record);
    static int PointListAllEqual(const AcGePoint3dArray& pairs, int mode);
    static double PointListAverage(const AcGePoint3dArray& pairs, int mode);
    static double PointListMax(const AcGePoint3dArray& pairs, int mode);
    static double PointListMin(const AcGePoint3dArray& pairs, int mode);
    static void DrawAngularDimension(const AcGePoint3d& firstLeg, const AcGePoint3d& secondLeg,
        const AcGePoint3d& vertex, const AcGePoint3d& arcPoint, AcDbObjectId* outId = nullptr);
    void DrawAngleMark(const AcGePoint3d& first, const AcGePoint3d& second, AcDbObjectIdArray& ids);

    // Skeleton detail pieces.
    // Welds of a straight bar centred on the positions; below 1 welds it to the bar over it, 0
    // to the bar under it.
    void DrawWeldRow(
        const AcGePoint3dArray& points, int below, double weld, const AcGeDoubleArray& positions, int block);
    // Further welds one outer diameter apart from a weld toward the upper (or lower) level.
    void DrawWeldStack(const AcGePoint3d& start, const AcGePoint3d& end, const AcGePoint3d& reference, double upper,
        double lower, int block);
    // The welds along a bent-up bar: its level runs and its two ends; upperBar 0 welds only the
    // runs that do not lie higher than the point before them.
    void DrawBarWelds(const AcGePoint3dArray& points, int upperBar, double upper, double lower, int block);
    // The lengths along every rebar column (metres), n + 1 a column in one row after the other,
    // and the positions 0, the supports, the length; 0 with one column or no support.
    int ComputeColumnPositions(AcGeDoubleArray& table, AcGeDoubleArray& positions, int mode);
    // The greatest and smallest length at each place over the columns, the first and the last
    // column's rows.
    int ComputeSpanLimits(
        AcGeDoubleArray& greatest, AcGeDoubleArray& smallest, AcGeDoubleArray& firstRow, AcGeDoubleArray& lastRow);
    // The rebar column layout (0: from the side cover by the spacings), the detail's weld length
    // and outer bar diameter (drawing units), its support axes and its middle.
    int m_nColumnMode = 0;
    double m_dDetailWeld = 0.0;
    double m_dDetailDiameter = 0.0;
    AcGeDoubleArray m_dDetailAxes;
    double m_dDetailMiddle = 0.0;
    // "盖梁跨径中心线" one character a text down the right of a span's centre line at x, the first
    // 1.5 label heights under its top, spread evenly to its bottom.
    void WriteSpanCentreText(double x, double top, double bottom);
    // The abscissas sorted, those that lie on the one before dropped.
    static std::vector<double> DistinctAbscissas(std::vector<double> xs);
    // A dimension chain along x at y through the abscissas in their order, cut at the detail's
    // middle in a half drawing.
    void DrawHalfDetailChain(const std::vector<double>& xs, double y, double offset, double textOffset);

    // Bar levels and bar ends.
    // One end of a bar to finish against the bottom-plate bar: the list whose first (start) or
    // last (end) point is the end, the first point list of the bar when none is named; a copy of
    // the plate bar's points; the weld length w, the offset d and the bend radius r, drawing units.
    struct BarEndRequest {
        CHLGZ_BASSteel* bar = nullptr;
        AcGePoint3dArray* points = nullptr;
        AcGeDoubleArray* radii = nullptr;
        AcGePoint3dArray plate;
        double weld = 0.0;
        double offset = 0.0;
        double radius = 0.0;
    };
    // The inputs, lengths and working bar lists of one run of the bar shapes
    // (CGLGZ_CapDraw_BarShapeWork.h).
    struct BarShapeWork;
    static int FindLevelOnBars(
        const AcGePoint3dArray& lefts, const AcGePoint3dArray& rights, AcGePoint3d& point, int highest);
    static int FindLevelOverRange(
        const AcGePoint3dArray& lefts, const AcGePoint3dArray& rights, AcGePoint3d& a, AcGePoint3d& b, int highest);
    static int FindLineHitOnBars(const AcGePoint3dArray& lefts, const AcGePoint3dArray& rights, const AcGePoint3d& a,
        AcGePoint3d& b, int highest);
    int TrimShortBarEnds(CHLGZ_BASSteel* bar) const;
    // The end kind chosen and built; the margin is how far inside the plate bar's bottom corner
    // an end must lie to be extended straight.
    int ShapeBarEndWith(const BarEndRequest& request, int atEnd, double kindZeroMargin);
    int PrepareBarShapeWork(BarShapeWork& work, CHLGZ_FaceInfo& face, double outerDiameter, double weldLength);
    void ShapePlateAndStraightBars(BarShapeWork& work);
    static void SortBentUpBars(CHLGZ_FaceInfo& face);
    void ShapeBentUpBars(BarShapeWork& work);
    int CollectPartBarIds(AcDbObjectIdArray& ids, AcGeIntArray& numbers, int mainPart);
    int BuildSectionBarLayers();
    AcDbObjectId m_idBottomPlateBar;

    // Elevation dimensions.
    // What the two elevations set differently: the offsets (first, second) of the left height of
    // a cap with end parts, of an abutment cap and of a half-drawn abutment cap; whether the
    // overall length's extension lines begin above the L part; whether the L part gets a height.
    struct ElevationStyle {
        double heightWithEnds[2];
        double heightAbutment[2];
        double heightAbutmentHalf[2];
        int lengthAboveLPart;
        int lPartHeight;
    };
    // The intersections of the line p1-p2 (extended) with every entity that opens, appended to
    // the points; the number of points in the list.
    static int IntersectLineWithEntities(
        const AcGePoint3d& p1, const AcGePoint3d& p2, const AcDbObjectIdArray& ids, AcGePoint3dArray& points);
    // The extreme intersection (FindExtremePoint with the two flags); 0 and the point left as it
    // is when there is none.
    static int FindEdgeIntersection(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcDbObjectIdArray& ids,
        int byX, int largest, AcGePoint3d& point);
    // Leaders from a row of bar points to a base line a beside the row, a tail b and a circle of
    // radius r whose centre is returned; 0 and nothing drawn for fewer than two points.
    int DrawLeaderFan(AcGePoint3d& centre, const AcGePoint3dArray& points, double unused, double a, double b, double r);
    // The heights at the left end, the overall length and the pier-column spacing.
    void DrawElevationDimensions(const ElevationStyle& style);
    void DrawColumnSpacingChain();
    // The middle between the end faces' bottom corners, where a half drawing is cut.
    double ElevationMiddle() const;
    // Every stirrup position of the plan drawn in the elevation, ascending: the left end's, the
    // laid-out ones and the right end's; in a half drawing none beyond the middle.
    AcGeDoubleArray ElevationStirrupPositions() const;
    // Where a stirrup at x ends in the elevation: round the top-plate and the bottom-plate bar
    // (half the outer diameters of a stirrup and a skeleton bar outside their centre lines).
    int StirrupLevelsAt(double x, double& top, double& bottom) const;
    // The bottom-plate bar's centre line at x.
    double BottomBarLevelAt(double x) const;
    // The height of a stirrup at x along its centre line (mm); 0 where it has no levels.
    double StirrupHeightAt(double x) const;
    // One line a stirrup position, and their spacings over the cap.
    void DrawElevationStirrups();
    // The stirrups of an end part stand over the bent bottom-plate bar, their heights varying:
    // the shortest and the longest of each end are dimensioned on their lines.
    void DrawEndPartStirrupHeights();
    void DrawEndPartStirrupHeights(const AcGeDoubleArray& positions, double inward);
    // The side-bar rows from the top down, drawing units.
    AcGeDoubleArray ElevationSideBarLevels() const;
    // The side-bar rows with their dots, arrows, leader fans and spacing chain; the bars of
    // each row, one on either side face, counted under the side-bar mark.
    void DrawSideBarRows();
    // The side-bar mark gets bars that run a drawn length between the cap's ends: less the end
    // covers, with a 90-degree hook at either end. Counting them sets the mark's mean length.
    void AddSideBarLengths(int bars, double drawn);
    void CountSideBars(int bars);
    void DrawSideBarFan(const AcGePoint3dArray& dots, double a, double b, const CString& number);
    double SideBarFanReach(const AcGePoint3dArray& dots) const;
    // The section outline as drawn by the section view.
    AcDbObjectId m_idOutline;

    // Main view helpers.
    // The distance (mm) from bar column j to bar column i (1-based, i after j; 0 when i <= j);
    // with either column -1 (a single-leg stirrup) the 90-degree hook of the stirrup bar.
    double SumColumnSpacings(int i, int j) const;
    // The stirrup positions (x, drawing units, ascending) from the larger x of the left pair of
    // corners to the smaller x of the right pair, symmetric about their middle and densified at
    // the pier columns. With lastToEnd a square left end of an abutment cap moves its last
    // stirrup onto the end when one more would stand too close to it (skew-section drawing).
    int LayoutStirrupPositions(const AcGePoint3d& q1, const AcGePoint3d& q2, const AcGePoint3d& q3,
        const AcGePoint3d& q4, AcGeDoubleArray& positions, int lastToEnd = 0) const;
    // The stirrup spacing (drawing units) that applies from x rightward; 0 without a spacing.
    double StirrupStepAt(double x) const;
    static void SortPointsByAxis(AcGePoint3dArray& points, int byX, int ascending);
    // The stirrup positions along the cap that the plan laid out (x, drawing units, ascending),
    // which the marks of the views stand between, and those it added at the left and the right
    // end beyond them (outermost last).
    AcGeDoubleArray m_dStirrupPositions;
    AcGeDoubleArray m_dLeftEndStirrups;
    AcGeDoubleArray m_dRightEndStirrups;

    // Bar grouping and tables.
    // 1 when B has A's steps (dx and dy within 0.001), -1 when it has them mirrored left to
    // right or read from its other end, 0 when the shapes differ.
    static int IsSameShape(const AcGePoint3dArray& a, const AcGePoint3dArray& b);
    // The polyline's length in drawing units; a polyline erased after its kind was tried out
    // still measures. 0 for a null id or an entity that is no polyline.
    static double GetPolylineLength(AcDbObjectId id);
    // The number of grouped marks kept, then the two closing marks (the hooked bars) numbered
    // after the strengthening-bar marks the drawing reserves, in the side bars' grade and size.
    void AppendClosingMarks();
    // kg per metre of a bar of the diameter (mm): the table's values, else the steel's weight.
    static double GetUnitWeight(int diameter);
    // The cap's concrete in cubic metres.
    double GetConcreteVolume() const;
    // The material quantity table under its title at the point, one row a mark that holds bars;
    // the mark list stays sorted by grade, diameter and number. The summary line follows.
    void DrawQuantityTable(const AcGePoint3d& point);
    // The marks the grouping made, and the closing marks after them.
    int m_nGroupedMarks = 0;
    int m_nClosingMarks = 0;

protected:
    // The quantity table's header height (the rows follow 2.5 under it) and what stands beside
    // the table.
    virtual double QuantityTableHeader() const { return 9.0; }
    virtual void DrawBesideQuantityTable(const AcGePoint3d& /*point*/) { }

public:
    // Section view.
    int DrawSectionView(AcGePoint3d& origin, double& depth);
    int BuildSectionOutline(AcGePoint3dArray& outline, const CBent_BasicGeometry& scaled, const AcGePoint3d& origin);
    int SectionViewFault();
    void CutOutlineAtMiddle(double xm);
    void DrawLPartOfSection(double lh, double xm);
    void DrawColumnStubs(double d, double lh, double xm);
    void DrawCutMarks(double lh);
    // Column sections.
    // Where a column-section code cuts the cap: over a pier column (an end column or not), or in
    // a span.
    struct ColumnSectionCut {
        int atColumn = 0;
        int endColumn = 0;
    };
    ColumnSectionCut ClassifyColumnSection(int code) const;
    // The rows of strengthening bars (its own plate bars included) of a bar column at the cut,
    // at the top and at the bottom; none in a skeleton column.
    void CountStrengtheningRows(int column, const ColumnSectionCut& cut, int& top, int& bottom) const;
    // The x of every bar column of a section whose left face is at left: the side cover, then
    // the skeleton column spacings (drawing units of the section scale).
    AcGeDoubleArray ColumnSectionXs(double left) const;
    // "Ⅱ－Ⅱ" for index 0 up to "Ⅹ－Ⅹ" for index 8; none beyond.
    static const wchar_t* ColumnSectionTitle(int index);
    // The levels of the side bars of a section whose top is at top, from the top down.
    AcGeDoubleArray SideBarYs(double top) const;
    // An arrangement table's lines: cells 2.5 wide from left, rows 3 high from the first line at
    // y, upward or downward; and the middle of one of its cells.
    void DrawArrangementGrid(double left, double y, int columns, int rows, int upward);
    static AcGePoint3d ArrangementCell(double left, double y, int column, int row, int upward);
    // The side bars' mark: the first mark after those of the longitudinal bars; empty while the
    // bars are not grouped.
    CString SideBarMarkText() const;
    // The bars a section meets, the strengthening bars it adds, its outline and its side bars
    // (CGLGZ_CapDraw_ColumnSectionWork.h).
    struct ColumnSectionWork;
    void CollectSectionBars(ColumnSectionWork& w);
    void CollectSectionStrengthening(ColumnSectionWork& w) const;
    void DrawSectionOutline(const ColumnSectionWork& w);
    void DrawSectionSideBars(const ColumnSectionWork& w);
    // How much higher than the normal one a column section stands over its outline (the skew
    // section's L part and its key).
    virtual double ColumnSectionRise() const { return 0.0; }
    // A column section's dimension style at its scale and its title with the scale under it,
    // boxed at the origin (no title past the last one).
    void DrawColumnSectionTitle(const AcGePoint3d& origin, int index, double scale);

    // The weld blocks of types 0, 1 and 2, and whether the view being drawn is cut at its middle.
    AcDbObjectId m_idWeldBlocks[3];
    int m_bClipAtMiddle = 0;

    int m_bGroup = 0;
    CString m_strLayerFile;
    CString m_strParameterFile;
    int m_nScaleRule = 1;
    int m_nEndPart = 0;
    int m_bAbutment = 0;
    CHLGZ_PierInfo* m_pDesign = nullptr;
    CBent_BasicGeometry* m_pGeometry = nullptr;
    AcGeDoubleArray* m_pSupports = nullptr;
    AcGePoint3d m_ptBase;
    CString m_strTitle = L"盖梁普通钢筋构造";
    int m_nSheets = 2;
    double m_dScale = 100.0;
    double m_dSectionScale = 40.0;
    AcGePoint3dArray m_ptsSheetOrigins;
    // What each view, table, detail, note and title text drew.
    DrawnItems m_drawnItems;
    double m_dTitleHeight = 0.0;
    double m_dFixedHeight = 4.0;
    double m_dLabelHeight = 0.0;
    double m_dNoteHeight = 0.0;
    double m_dParam4 = 0.0;
    double m_dParam5 = 0.0;
    double m_dWidthFactor = 0.0;
    double m_dParam7 = 0.0;
    double m_dTableHeights[4] = { 3.5, 2.5, 3.0, 4.0 };
    CArray<CHLGZ_PierSteelLayer, const CHLGZ_PierSteelLayer&> m_steelLayers;
    CArray<CHLGZ_PierSteelLayer, const CHLGZ_PierSteelLayer&> m_steelLayersFurther;
    CArray<CHLGZ_SteelCode, const CHLGZ_SteelCode&> m_steelCodes;
    // The strengthening bars over the pier columns and in the spans, counted by the main view:
    // the mid-span bottom bars, the edge-column top bars and the middle-column top bars (one
    // length and one layer index a bar).
    CHLGZ_SteelCode m_midSpanBars;
    CHLGZ_SteelCode m_edgeTopBars;
    CHLGZ_SteelCode m_middleTopBars;
    int m_nCounters[19] = {};
    AcGePoint3d m_ptsWork[10];
    unsigned char m_bFlags[4] = {};
    AcGePoint3dArray m_ptsShapeLists[4];
    CHLGZ_MatTotal m_matTotal;
    double m_dWeldLength;
    CArray<CHLGZ_HlBarStruct, const CHLGZ_HlBarStruct&> m_barStructs;
    CTov_FileMj m_fileMj;
    AcGeDoubleArray m_dSkeletonSpacings;
    // The section outline, from the right end leftward round the cap, the first point repeated.
    AcGePoint3dArray m_ptsOutline;
    AcGePoint3dArray m_ptsViewLists[4];
    CArray<LineInfo, const LineInfo&> m_lines;
    CArray<LineInfo, const LineInfo&> m_linesFurther;
    // The origin of the section outline: the middle of the cap top in the section view.
    AcGePoint3d m_ptOutlineOrigin;
    AcGePoint3d m_ptLayoutFurther;
    double m_dLayoutMargin = 4.0;
    int m_nLayoutSwitches[3] = {};
    AcDbObjectId m_idLeaderArrow;
    AcGePoint3d m_ptViewOrigins[11];
    AcGePoint3dArray m_ptsColumnSections;
    double m_dLowestY = 0.0;
    double m_dLowestSectionY = 0.0;
    int m_nSectionRow = 0;
    double m_dMovedSectionsHeight = 0.0;
    AcGeMatrix3d m_detailTransform;
    int m_bDetailsOnSheet = 0;
    AcGePoint3dArray m_ptsDetailOrigins;
    AcGePoint3d m_ptStirrupFurther;
    AcGePoint3d m_ptStirrupDetails;
    double m_dStirrupDetailsTop = 0.0;
    AcGePoint3dArray m_ptsDetailLists[4];
    double m_dBendAllowance = 0.0;
    AcGeIntArray m_bSkeletonColumn;
    int m_nSwitches[5] = { 0, 1, 1, 0, 1 };
    int m_nSupportCode;
    double m_dSecondTextStep;
    int m_nSwitchesFurther[4] = { 0, 1, 1, 0 };
    // Radius of the circle round a bar number.
    double m_dMarkRadius = 2.5;
    int m_nStrengtheningMode = 2;
    int m_bHalfDrawing = 1;
    int m_nLastSwitch = 1;
    AcDbObjectIdArray m_idsMaskedTexts;
    int m_bHalfPlan = 0;
    // The alternative layout's downward shift (skew-section drawing).
    double m_dAlternativeOffset = 0.0;
    // A complete set's items are settled on its sheets at the end (0 leaves each where its own
    // step put it).
    int m_bSettleItems = 1;

    // Bar ends of an upright U plate bar that may turn back along its level bottom (kind 1).
    int ShapeBarEndWith(const BarEndRequest& request, int atEnd, double kindZeroMargin, int turnBack);
    // The lengths along the rebar columns at the given distances from the axis (metres), as
    // ComputeColumnPositions gives them for its own columns.
    int ComputeColumnPositionsAt(const std::vector<double>& ys, AcGeDoubleArray& table, AcGeDoubleArray& positions);

    // Main view: the plan's outline, axis, bar zone and stirrup positions
    // (CGLGZ_CapDraw_PlanWork.h), and one bar column's bar: its height and its two ends.
    struct PlanFrame;
    struct PlanBar {
        double y = 0.0;
        AcGePoint3d left;
        AcGePoint3d right;
    };
    static AcGePoint3d PointAtHeight(const AcGePoint3d& a, const AcGePoint3d& b, double y);
    PlanFrame MeasurePlanFrame(const AcGePoint3d& origin) const;
    void DrawPlanOutline(const PlanFrame& f);
    void DrawPlanEndAngles(const PlanFrame& f);
    void DrawPlanEndParts(const PlanFrame& f);
    void FindPlanBarZone(PlanFrame& f);
    void DrawPlanBarColumns(const PlanFrame& f, AcGePoint3dArray& leftEnds);
    int PierColumnCount() const;
    void DrawPlanFullBar(const PlanFrame& f, const PlanBar& bar);
    static void AddStrengtheningBars(CHLGZ_SteelCode& record, int layers, double length);
    void DrawStrengtheningBar(const PlanBar& bar, double x1, double x2, double markX);
    void DrawEdgeTopBars(const PlanFrame& f, const PlanBar& bar, int layers);
    void DrawMiddleTopBars(const PlanFrame& f, const PlanBar& bar, int layers);
    void DrawPlanWidths(const PlanFrame& f, const AcGePoint3dArray& leftEnds);
    void DrawPlanSectionMark(const PlanFrame& f);
    void DrawPlanColumns(const PlanFrame& f);
    // Stirrups in plan: p1..p4 the bar zone's corners (upper and lower left, upper and lower
    // right), the end angles in degrees, p5..p8 the outline's corners (upper left, lower left,
    // upper right, lower right). 0 without stirrups (nothing drawn), else 1; one bar-code record
    // is appended a stirrup kind, and one a kind skewed at the ends.
    int DrawPlanStirrups(AcGePoint3d p1, AcGePoint3d p2, AcGePoint3d p3, AcGePoint3d p4, double leftAngle,
        double rightAngle, AcGePoint3d p5, AcGePoint3d p6, AcGePoint3d p7, AcGePoint3d p8);
    struct PlanStirrupWork;
    void PreparePlanStirrups(PlanStirrupWork& w) const;
    int AppendStirrupRecord();
    void SortStirrupKinds(PlanStirrupWork& w);
    void DrawStirrupLine(const PlanStirrupWork& w, int record, AcGePoint3d a, AcGePoint3d b, bool counted = true);
    void DrawStirrupLines(PlanStirrupWork& w);
    void LayoutEndStirrups(PlanStirrupWork& w, int side);
    int EndStirrupRecord(PlanStirrupWork& w, int kind);
    void DrawEndStirrups(PlanStirrupWork& w, int side);
    void PlaceEndStirrupMarks(PlanStirrupWork& w, int side) const;
    void LabelStirrupPositions(const PlanStirrupWork& w);
    void DimensionEndStirrups(const PlanStirrupWork& w, int side);
    void DrawPlanMark(PlanStirrupWork& w, double x, double top, const CString& text, int stacked = 0);
    void DrawPlanMarks(PlanStirrupWork& w);
    void DrawLongitudinalBarMark(PlanStirrupWork& w);
    // The numbers the grouping kept after its marks for the strengthening bars, in the plan's
    // order: the edge columns' top bars, the middle columns' (the edge columns' number when they
    // are the same bars), the mid-span bottom bars; 0 for a group the design does not have.
    void StrengtheningMarkNumbers(int& edge, int& middle, int& bottom) const;
    void DrawStrengtheningBarMarks(PlanStirrupWork& w);
    void DrawEndStirrupMarks(PlanStirrupWork& w, int side);
    void FinishStirrupKinds(const PlanStirrupWork& w);
    // The plan's stirrup kinds get the heights of their stirrups in the elevation: the range
    // "%s~%s" (cm) as the second text where the heights differ, and the lengths of the legs
    // and hooks (m) added to their totals.
    void SettleStirrupLengths();
    // What the two plans do differently: the gap from the plan's title to its outline, the
    // tolerance within which a stirrup on the middle of a half drawing stays whole, the outer
    // diameter of a bar, the label of the stirrup positions, the code digit that tells which
    // bar columns carry the middle columns' top bars, and whether the last stirrup of a square
    // abutment end moves onto the end.
    virtual double PlanAxisGap() const { return 13.5; }
    virtual double MiddleStirrupTolerance() const { return 0.0; }
    virtual double BarOuterDiameter(int diameter, int barType) const;
    virtual void LabelStirrupRow(const AcGePoint2dArray& row);
    virtual BOOL MiddleTopMarkDigit() const { return FALSE; }
    virtual int LastStirrupToEnd(double leftDegrees) const;
    // The list that keeps each stirrup's bar-code record, where the drawing keeps one.
    virtual AcGeIntArray* StirrupRecordList() { return nullptr; }
    // Whether the plan's stirrup kinds count the main face's stirrup i (else other marks do).
    virtual bool PlanCountsStirrup(int /*stirrup*/) const { return true; }
    // The hooks of one stirrup (mm), closed or single-legged, added to its legs' length.
    virtual double StirrupHookAllowance(bool singleLeg) const;

    // The elevation's dimensions in the drawing's style, its stirrup lines and side-bar rows, then
    // the stirrups' heights and lengths; a view line that is missing ends it. Returns 1.
    int DrawElevationWith(const ElevationStyle& style);
    // The plan's title "平面" with its scale, over the drawn half of a half plan.
    void DrawPlanTitle(const PlanFrame& f);
    // The plan "平面" at its title point up to the widths (title, outline, end angles, end parts,
    // the bars of every bar column and the widths), then the drawing's own last steps; returns
    // what they return.
    int DrawPlanSteps(const AcGePoint3d& origin);
    // The plan's last steps: stirrups, section mark and pier columns. 0 when the stirrups could
    // not be drawn, else 1.
    virtual int FinishPlan(const PlanFrame& f);

    // Section view: whether the L part's line closes its right end too.
    virtual int LPartHasRightEnd() const { return 1; }
public:
    // Stirrup and bar details.
    // The detail group of a bar-mark record: 1 to 5 by kind of detail, negated once placed, -1
    // for a record joined to another detail; and its flag for a stirrup drawn without hooks.
    static int& PlacementState(CHLGZ_SteelCode& record) { return record.nFurther1; }
    static int PlacementState(const CHLGZ_SteelCode& record) { return record.nFurther1; }
    static int& NoHookFlag(CHLGZ_SteelCode& record) { return record.nFurther4; }
    // A straight bar with a 90-degree hook at each end, shortened with a break mark beyond
    // 4000 mm; with the flag the cap's span centre line marked at its middle. 0 and nothing
    // drawn for a bar no longer than its two hooks, else 1.
    int DrawHookedBarDetail(CHLGZ_SteelCode& record, int centreMark);
    // A detail's bar through its points as one polyline, or, with a break point, broken there by
    // a break mark between its second and third points.
    void DrawDetailBar(CHLGZ_SteelCode& record, const AcGePoint3dArray& pts, const AcGePoint3d* breakAt);
    // Two straight parts on one line joined at the origin (left the mean of a1 and a2, right a3,
    // mm), hooked at both ends (down with the downward flag). 0 when the bar has no length.
    int DrawTwoPartBarDetail(CHLGZ_SteelCode& record, double a1, double a2, double a3, int downward, int centreMark);
    // The drawers of the longitudinal details, each onto the polyline copy that is the first
    // entity of the record; the bent-up drawers take the clip abscissa of a half drawing.
    void DrawTopPlateBarDetail(CHLGZ_SteelCode& record);
    void DrawBottomPlateBarDetail(CHLGZ_SteelCode& record);
    void DrawStraightBarDetail(CHLGZ_SteelCode& record);
    void DrawUpperBentBarDetail(CHLGZ_SteelCode& record, double clipX, int index);
    void DrawSupportUpperBentBarDetail(CHLGZ_SteelCode& record);
    void DrawLowerBentBarDetail(CHLGZ_SteelCode& record, double clipX);
    void DrawSupportLowerBentBarDetail(CHLGZ_SteelCode& record);
    // A stirrup whole: its polyline and, unless the record has no hooks, the closing hooks.
    void DrawStirrupDetail(CHLGZ_SteelCode& record);
    // The detail of a stirrup kind of the plan (at least two shape points): its mean length, its
    // shape turned from the plan's (width down, height across) to the detail's (width across,
    // height down), the stirrup with its callout off to the left and its segment labels.
    void DrawPlanStirrupKindDetail(CHLGZ_SteelCode& record);
    // The slope 1:m of the segment from the corner P to Q as a small triangle of legs a and b
    // near Q; nothing for a vertical segment.
    void DrawSlopeTriangle(const AcGePoint3d& p, const AcGePoint3d& q, double a, double b, AcDbObjectIdArray& ids);
    // The packing of the details beside a half plan, the quantity table placed with them.
    int ArrangeDetails();
    // The hanging of the upper and lower bent-up details under the reference detail and of the
    // bottom-plate detail under them, then the span centre lines over all of them.
    void HangDetails(int reference, int kindOne, const std::vector<int>& upper, const std::vector<int>& lower);
    void DrawSpanCentreLines(int reference, int kindOne);
    // The member moved so that its top-left corner goes to (x, y) of the target's extents
    // corner, joined to the target.
    void JoinDetail(int target, int member, const AcGePoint3d& corner);
    // The detail moved so that the top-left corner of its extents goes to the point; placed.
    void PlaceDetail(CHLGZ_SteelCode& record, double x, double y);
    static double DetailWidth(const CHLGZ_SteelCode& record) { return record.ptMax.x - record.ptMin.x; }
    static double DetailHeight(const CHLGZ_SteelCode& record) { return record.ptMax.y - record.ptMin.y; }
    static bool IsPlaced(const CHLGZ_SteelCode& record) { return record.nFurther1 < 0; }
    static void MarkPlaced(CHLGZ_SteelCode& record);
    // The frame's title strip, which the details keep clear of.
    double TitleStripHeight() const { return m_frame.m_dFurther2; }
    // Where the quantity table stands beside a half plan.
    AcGePoint3d HalfPlanTablePoint() const;
    // The label of a part whose length differs between the bars of the record: the next letter
    // of the size table, or the range of the lengths.
    virtual CString VaryingLengthLabel(const CHLGZ_SteelCode& record);
    // How much consecutive details of the hooked-bar column overlap.
    virtual double DetailColumnOverlap() const { return 3.0; }
    // The ranges of the mark list: longitudinal records (strengthening bars included), hooked
    // bars, then stirrups; and whether the left and right ends of the record being drawn differ
    // from bar to bar (bits 1 and 2).
    int m_nLongitudinalRecords = 0;
    int m_nHookedRecords = 0;
    int m_nVaryingEnds = 0;

    // What sets the two drawings' bar details apart: when the bars of a record count as of one
    // length (m), whether a range of a half drawing's plate bar is halved, the prefix of a bend's radius, whether a straight
    // bar's slopes get their triangles, how far its labels stand lower in a half drawing, whether
    // a straight bar of two points shows its length or range once, and whether the second of two
    // differing ends is primed.
    struct DetailStyle {
        double sameLength;
        bool halveRanges;
        const wchar_t* radiusPrefix;
        bool straightSlopes;
        double halfStraightDrop;
        bool twoPointStraightLabel;
        bool primeSecondEnd;
        // How far the halved bottom of a half drawing's bottom-plate bar moves left of its
        // middle (0: to the middle of the half shown), and whether a level last segment of the
        // bottom-plate bar reads upside down.
        double halvedBottomShift;
        bool turnLevelLast;
    };
    virtual DetailStyle DetailDrawerStyle() const
    {
        return { 0.000001, false, L"R", true, 10.0, false, true, 0.0, false };
    }
    // The label of a part whose length differs between the bars of the record, the part the
    // record's lengths less the fixed part (m), with an allowance (cm); by default the label of
    // the whole length.
    virtual CString VaryingPartLabel(const CHLGZ_SteelCode& record, double /*fixed*/, double /*allowance*/)
    {
        return VaryingLengthLabel(record);
    }
    // The index of the detail the packing beside a half plan starts with.
    virtual INT_PTR LeadingDetail() const { return 0; }
    // A straight bar of two points: its length, or the range of the record's bars, once.
    void LabelTwoPointBar(CHLGZ_SteelCode& record);
    // The details the packing beside a half plan found no room for: stacked right of the frame.
    virtual void PlaceLeftoverDetails();
    // The leading detail put in place beside a half plan: its top at the stirrup details' level.
    virtual void PlaceLeadingDetail(CHLGZ_SteelCode& record);
};
