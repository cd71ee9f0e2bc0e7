// The reinforcement drawing of a cap whose bent-up bars bend down in normal sections: a skewed
// cap drawn with welded skeletons planned in normal sections.
#pragma once

#include "AcGePoint2d.h"
#include "CGLGZ_CapDraw.h"
#include "CGLGZ_Var.h"
#include "CHLGZ_FaceInfo.h"

class CGLGZ_EtDraw : public CGLGZ_CapDraw {
public:
    static const CapDrawDefaults kDefaults;

    CGLGZ_EtDraw();
    ~CGLGZ_EtDraw() override = default;

    // 1 drawn, 0 refused (after the refusal's box).
    int Draw(int drawAll);
    int DrawViews(int drawAll);
    CHLGZ_FaceInfo ShapeShownSkeletonKind();
    int CheckSideAngles();
    // Skeleton planning operations.
    int CheckSymmetry();
    int MeasureSkeletonColumns();
    int PlanSkeletons();
    // Skeleton shapes and details.
    int BuildSkeletonBarShapes(const CArray<LineInfo, const LineInfo&>& lines, CHLGZ_FaceInfo& face, int endType,
        int draw);
    void MeasureSkeletonShapes(CHLGZ_FaceInfo& face);
    int PrepareSkeletonShapes();
    int GetSkeletonEndType(int column);
    int CollectFaceBarNumbers(AcDbObjectIdArray& ids, AcGeIntArray& numbers, CHLGZ_FaceInfo& face, int flag);
    static CHLGZ_BASSteel* FindFaceBar(int number, CHLGZ_FaceInfo& face);
    CHLGZ_BASSteel* FindKindBar(int number);
    int AddBarToGroup(double a, int n, CHLGZ_SteelCode& group, CHLGZ_BASSteel* bar, int left, int both);
    int DrawSkeletonDetails();
    // The drawn item of a skeleton kind's detail.
    CString SkeletonDetailItem(int kind) const;
    int DrawSkeletonDetail(
        const CArray<LineInfo, const LineInfo&>& lines, CHLGZ_FaceInfo& face, double lengths[4], int endType);
    // The outline lines moved to a kind's ends (unless the drawing is halved) and then by the
    // offset; the kind's extents from its skewed ends to the end supports, less the end parts,
    // in drawing units.
    CArray<LineInfo, const LineInfo&> SkeletonKindLines(int kind, const AcGeVector3d& offset);
    AcGePoint2d SkeletonKindExtents(int kind) const;
    // The ordinate from which a detail's lines are lifted to its origin.
    double SkeletonBaseOrdinate() const;
    AcGeVector3d SkeletonDetailOffset(const AcGePoint3d& origin) const;
    // The origin of a group's detail; one the layout did not place goes on a new sheet.
    AcGePoint3d SkeletonDetailOrigin(int group);
    int FirstColumnOfKind(int kind) const;
    // "X1" to "X4" of the group's kinds from its leading kind's lengths and the kinds' ends.
    void StoreSkeletonLengths(const std::vector<int>& kinds, const double lengths[4]);
    void DrawSkeletonCentreLines(const CArray<LineInfo, const LineInfo&>& lines, AcGeDoubleArray& positions);
    void DrawSkeletonWelds(CHLGZ_FaceInfo& face, const AcGeDoubleArray& positions);
    void DrawSkeletonDimensions(const CArray<LineInfo, const LineInfo&>& lines, CHLGZ_FaceInfo& face,
        double lengths[4]);
    void DrawSkeletonChain(const std::vector<double>& xs, double y, double offset, double textOffset);
    void DrawSkeletonBarEndArrows(const CArray<LineInfo, const LineInfo&>& lines, CHLGZ_FaceInfo& face);
    // Bar grouping and tables.
    // The mark list rebuilt from the bars of every skeleton kind, the mark texts written onto
    // the bars and the main face's marks drawn in the elevation.
    void GroupBarShapes();
    // Whether a mark's points agree over the kinds: 0 in x, 1 in y, 2 in x + y (zeros aside).
    static int IsMarkUniform(const CHLGZ_SteelCode& mark, int part);
    // The marks of the kind the views show onto the main face's bars of the same numbers: a
    // face assigned back keeps the texts of the records it overwrote.
    void CopyMarksToMainFace();
    // The size table under its title at the point: "X1" to "X4", and with the flag every row.
    void DrawSizeTable(const AcGePoint3d& point, int all);
    // The rows of the marks whose end parts or lengths differ between the kinds.
    void AppendSizeRows();
    // Where the arrangement of the details puts the quantity table.
    AcGePoint3d QuantityTablePoint();

protected:
    void DrawBesideQuantityTable(const AcGePoint3d& point) override;

public:
    double GetWeldLength() const;
    // Sheets, view layout and note lines.
    void LayoutViews();
    void LayoutViewsAlternative();

protected:
    void NoteLines(CStringArray& lines, int furtherSheet) const override;
    AcGeIntArray* StirrupRecordList() override { return &m_nStirrupRecords; }

public:

    // Longitudinal bar shapes.
    // 0 without the section view's outline (nothing shaped), else 1.
    int BuildBarShapes();
    int ShapeFaceBars(CHLGZ_FaceInfo& face, int correctOuterBar);
    int ShapeBarEnd(const BarEndRequest& request);
    int ShapeBarEndOpposite(const BarEndRequest& request);
    void CorrectOuterUpperBar(CHLGZ_FaceInfo& face);

    // Elevation.
    // The elevation's dimensions, stirrup lines and side-bar rows into the section view, after
    // the plan; then the stirrups' heights and lengths. Returns 1.
    int DrawElevation();

    // Main view.
    // The plan at its title point; the depth is set to 0. Counts the strengthening bars.
    int DrawMainView(const AcGePoint3d& origin, double& depth);

    int m_bSymmetric = 0;
    // Column sections.
    // The cross-section at a column-section code, the index-th of the design's list, under its
    // title at the origin: outline, bars, stirrups with their marks, the spacing of the bar
    // columns, the arrangement tables of the skeleton kinds and the side bars; the depth is the
    // height it takes under the origin. Returns 1.
    int DrawColumnSection(AcGePoint3d& origin, int code, int index, double& depth);
    std::vector<CString> ArrangementRows(const ColumnSectionWork& w, int upper) const;
    void PlaceColumnSection(ColumnSectionWork& w) const;
    void DrawSectionBars(const ColumnSectionWork& w);
    void DrawSectionStirrups(const ColumnSectionWork& w);
    void DrawSectionSpacings(const ColumnSectionWork& w);
    void DrawArrangementTable(double left, double y, const std::vector<CString>& rows, int upward);
    // The letter of the skeleton kind standing in a bar column ("A" throughout a half drawing).
    wchar_t KindLetter(int column) const;
    // The bar-code record of the kind of each stirrup of the main face, in stirrup order, as the
    // plan's stirrups numbered them.
    AcGeIntArray m_nStirrupRecords;
    // Skeleton planning.
    AcGePoint2dArray m_ptsColumnExtents;
    AcGeIntArray m_nColumnKinds;
    CArray<CHLGZ_FaceInfo, const CHLGZ_FaceInfo&> m_faces;
    AcGeIntArray m_nKindGroups;
    int m_nGroups = 0;
    int m_nSkeleton = -1;
    AcGePoint2d m_ptMiddleExtents;
    CArray<CGLGZ_Var, const CGLGZ_Var&> m_vars;
    int m_nNextLetter = 97;
    // The number of the upper bent-up bar cut to each skeleton kind's ends; 0 while none is.
    int m_nTrimmedBar = 0;
    // Skeleton shapes and details: the left and right extents of the kinds of the detail being
    // drawn (less the end parts, drawing units), the first its leading kind's.
    AcGeDoubleArray m_dGroupLefts;
    AcGeDoubleArray m_dGroupRights;

public:
    // Stirrup and bar details.
    // Every bar mark's detail drawn, hung, grouped and packed onto the sheets with the quantity
    // table. Returns 1.
    int DrawStirrupDetails();
    // The strengthening bars over the pier columns as records with their details, inserted at
    // the end of the longitudinal records.
    void DrawStrengtheningBars();
    // The packing of the details in rows under the views of a whole plan; 0 when a detail is
    // wider than a row.
    int ArrangeDetailsInRows();
    CString VaryingLengthLabel(const CHLGZ_SteelCode& record) override;
    // One longitudinal record's detail; the record's index in the reference, kind-1 and hanging
    // lists when it takes a part there.
    struct DetailRun;
    void DrawLongitudinalDetail(int index, DetailRun& run);
    void DrawStrengtheningSet(CHLGZ_SteelCode& set, double length, double drawnLength, int secondSet);
    // The size table's letter of the record being drawn; empty when its ends do not differ.
    CString m_strDetailLetter;
};
