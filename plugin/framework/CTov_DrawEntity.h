// The entity primitives of the drawing classes: lines, circles, arcs, linear dimensions and
// chains of them, leader texts, break marks and solid dots, all into the working database's
// model space through one entity factory without a target record.
#pragma once

#include "AcDbObjectId.h"
#include "AcGeDoubleArray.h"
#include "AcGeIntArray.h"
#include "AcGePoint2d.h"
#include "AcGePoint2dArray.h"
#include "AcGePoint3d.h"
#include "AcGePoint3dArray.h"
#include "CTov_DwgDataBase.h"
#include "MavEntityLib.h"

class AcDbPolyline;

class CTov_DrawEntity : public CTov_DwgDataBase {
public:
    CTov_DrawEntity() = default;
    ~CTov_DrawEntity() override = default;

    // Entity primitives; each returns 1 unless it says otherwise, ids through optional outs.
    int DrawLine(const AcGePoint3d& start, const AcGePoint3d& end, AcDbObjectId* id = nullptr);
    int DrawCircle(const AcGePoint3d& centre, double radius, AcDbObjectId* id = nullptr);
    int DrawArc(const AcGePoint3d& centre, double radius, double startAngle, double endAngle,
        AcDbObjectId* id = nullptr);
    // A linear dimension on "08-标注" whose extension points lie offset to the right of p1 -> p2
    // and whose line lies textOffset further; 0 only when the current dimension style cannot
    // be opened. The real after the text is not used.
    int DrawDimension(const AcGePoint3d& p1, const AcGePoint3d& p2, double offset, double textOffset,
        AcDbObjectId* id = nullptr, const wchar_t* text = nullptr, double unused = 0.0, int half = 0);
    int DrawDimension2d(const AcGePoint2d& p1, const AcGePoint2d& p2, double offset, double textOffset,
        AcDbObjectId* id = nullptr, const wchar_t* text = nullptr, double unused = 0.0, int half = 0);
    int DrawChainDimension3d(const AcGePoint3dArray& points, double offset, double textOffset, int mode, int further);
    int DrawChainDimensionEx3d(const AcGePoint3dArray& points, double offset, double textOffset, int mode, int code,
        const AcGePoint2d* optionalPoint, int alternate);
    int ObliqueDimension(AcDbObjectId id, double angle);
    int MoveDimensionTextAside(AcDbObjectId id, double dx, double dy);
    int DrawLeaderText(const AcGePoint3d& point, double dx, double dy, double gap, double lift, const wchar_t* text,
        AcDbObjectId textStyle, double height, double widthFactor, AcDbObjectId* textId = nullptr,
        AcDbObjectId* polylineId = nullptr);
    int DrawBreakMark(AcGePoint3d& start, AcGePoint3d& end, const AcGePoint3d& point, AcDbObjectId* id = nullptr);
    int DrawSolidDot(const AcGePoint3d& centre, const double& radius);
    int Redraw();
    AcGePoint3d MidPoint(const AcGePoint3d& p1, const AcGePoint3d& p2) const;
    int Orientation(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& p3) const;

    // Chains of dimensions through 2-D points: mode 1 horizontal at the first point's y, mode 0
    // vertical at its x, any other mode aligned between the points; equal lengths in a row are
    // merged into one "%dX%s" dimension. 0 for fewer than two points or no current style.
    int DrawChainDimension(const AcGePoint2dArray& points, double offset, double textOffset, int mode, int further);
    // The chain above with its texts moved off the chain's ends (tens digit of the code: the
    // first, units digit: the last, unless the optional point is given), the extension lines
    // between short dimensions suppressed, texts that do not fit narrowed and, with the
    // alternate flag, moved off the line in turn.
    int DrawChainDimensionEx(const AcGePoint2dArray& points, double offset, double textOffset, int mode, int code,
        const AcGePoint2d* optionalPoint, int alternate);

    // The names the drawing classes call these by.
    int DrawRebarCallout2d(const AcGePoint2dArray& points, double offset, double textOffset, int mode, int code,
        const AcGePoint2d* optionalPoint, int alternate)
    {
        return DrawChainDimensionEx(points, offset, textOffset, mode, code, optionalPoint, alternate);
    }
    int DrawCentreMark(const AcGePoint3d& point, double reach, double rise, double gap, double lift,
        const wchar_t* text, AcDbObjectId textStyle, double height, double widthFactor,
        AcDbObjectId* textId = nullptr, AcDbObjectId* leaderId = nullptr)
    {
        return DrawLeaderText(point, reach, rise, gap, lift, text, textStyle, height, widthFactor, textId, leaderId);
    }

protected:
    MavEntityLib m_entityLib;
};

// Rounds the listed inner corners of a polyline not yet in the database by tangent arcs of the
// radii beside them (indexes ascending); with the flag the construction lines from each corner
// to its tangent points are drawn. Makes "08-标注" current; empties both lists.
void DrawFilletedPolyline(AcDbPolyline* pPolyline, AcGeDoubleArray& radii, AcGeIntArray& indexes, int drawTangents);
// The entity's linetype scale, sub-entities included; nothing when it cannot be opened.
void SetEntityScale(AcDbObjectId id, double scale);
// The entities as one named group (a name made of the time and a random number when empty);
// 0 with the enable flag 0 or when the group cannot be made.
int MakeGroup(const CString& name, const AcDbObjectIdArray& ids, int enable);
