// Base of every drawing-side bar record: the design fields of its design record (kind, bar
// type, diameter, column text) and, beside them, what the drawing classes compute for the
// bar: up to two vertex lists with a fillet radius per vertex, the flags that fit the end
// segments to the weld length, the ids of the polylines drawn and the bar-mark texts.
//
// Copying carries the design fields, tag, further integer, entity ids and mark point only: a
// copy-constructed record starts with empty geometry and an assigned record keeps its own.
// The drawing classes rely on this when they copy records into and out of their lists; the
// class library's array never copies its elements when it grows, so geometry stays in place.
#pragma once

#include "AcDbObjectId.h"
#include "AcGeDoubleArray.h"
#include "AcGeIntArray.h"
#include "AcGeMatrix3d.h"
#include "AcGePoint2d.h"
#include "AcGePoint3dArray.h"
#include "CBent_BASSteel.h"
#include "CString.h"

class CHLGZ_BASSteel {
public:
    CHLGZ_BASSteel();
    CHLGZ_BASSteel(const CHLGZ_BASSteel& other);
    CHLGZ_BASSteel& operator=(const CHLGZ_BASSteel& other);
    virtual ~CHLGZ_BASSteel() = default;

    // Geometry emptied, first id null, flags 0, mark point (0, 0), kind 0, bar type 1,
    // diameter 28, the column text cut or padded with '1' to 20 characters. The second id, the
    // mark texts and the two length lists are left as they are.
    void Reset();
    // Kind, bar type, diameter and column text of the design record; nothing else changes.
    void AssignFrom(const CBent_BASSteel& design);

    // The bar's number in the drawing classes' lists; collected beside the entity ids.
    int GetTag() const { return m_nTag; }
    void SetTag(int tag) { m_nTag = tag; }
    // The record's further integer, which the drawing classes set on bent-up bars and stirrups.
    int GetBendType() const { return m_nBendType; }
    void SetBendType(int bendType) { m_nBendType = bendType; }

    // Vertices in drawing coordinates (x, y drawn) and one fillet radius per vertex, 0 sharp.
    AcGePoint3dArray& GetFirstPoints() { return m_aFirstPoints; }
    const AcGePoint3dArray& GetFirstPoints() const { return m_aFirstPoints; }
    AcGeDoubleArray& GetFirstRadii() { return m_aFirstRadii; }
    const AcGeDoubleArray& GetFirstRadii() const { return m_aFirstRadii; }
    AcGePoint3dArray& GetSecondPoints() { return m_aSecondPoints; }
    const AcGePoint3dArray& GetSecondPoints() const { return m_aSecondPoints; }
    AcGeDoubleArray& GetSecondRadii() { return m_aSecondRadii; }
    const AcGeDoubleArray& GetSecondRadii() const { return m_aSecondRadii; }

    AcDbObjectId GetFirstId() const { return m_idFirst; }
    void SetFirstId(AcDbObjectId id) { m_idFirst = id; }
    AcDbObjectId GetSecondId() const { return m_idSecond; }
    void SetSecondId(AcDbObjectId id) { m_idSecond = id; }

    // 1: the first segment of the first polyline (start) or the last segment of the last
    // polyline (end) is fitted to the end length when drawn.
    int GetStartFlag() const { return m_nStartFlag; }
    void SetStartFlag(int flag) { m_nStartFlag = flag; }
    int GetEndFlag() const { return m_nEndFlag; }
    void SetEndFlag(int flag) { m_nEndFlag = flag; }

    // The bar-mark texts written for the first and the second polyline; empty while unmarked.
    CString GetFirstMarkText() const { return m_strFirstMark; }
    void SetFirstMarkText(const CString& text) { m_strFirstMark = text; }
    CString GetSecondMarkText() const { return m_strSecondMark; }
    void SetSecondMarkText(const CString& text) { m_strSecondMark = text; }

    // Two length rows kept for the drawing classes.
    AcGeDoubleArray& GetFirstLengths() { return m_aFirstLengths; }
    const AcGeDoubleArray& GetFirstLengths() const { return m_aFirstLengths; }
    AcGeDoubleArray& GetSecondLengths() { return m_aSecondLengths; }
    const AcGeDoubleArray& GetSecondLengths() const { return m_aSecondLengths; }

    // The lengths of the first and the last leg of a bent-up bar (model units), measured in its
    // skeleton kind's shape; like the geometry, a copy starts without them.
    double GetFirstLegLength() const { return m_dFirstLegLength; }
    void SetFirstLegLength(double length) { m_dFirstLegLength = length; }
    double GetLastLegLength() const { return m_dLastLegLength; }
    void SetLastLegLength(double length) { m_dLastLegLength = length; }

    // Copied by the bar numbering into the point list of the bar's mark.
    AcGePoint2d GetMarkPoint() const { return m_ptMark; }
    void SetMarkPoint(const AcGePoint2d& point) { m_ptMark = point; }

    // 0 top-plate bars or stirrups, 1 bottom-plate, 2 top straight, 3 bottom straight,
    // 4/5 upper bent-up (whole elevation/at a support), 6/7 lower bent-up (likewise).
    int GetKind() const { return m_nKind; }
    void SetKind(int kind) { m_nKind = kind; }
    int GetBarType() const { return m_nBarType; }
    void SetBarType(int barType) { m_nBarType = barType; }
    int GetDiameter() const { return m_nDiameter; }
    void SetDiameter(int diameter) { m_nDiameter = diameter; }

    // One character per bar column: '0' no bar in that column, any other a bar.
    CString GetColumnText() const { return m_strColumnText; }
    void SetColumnText(const CString& text) { m_strColumnText = text; }
    // Cuts the text to n characters or pads it with '1'; with the flag, kinds other than 0 and
    // 2 get '0' in the first column. A negative n leaves the text as it is.
    void SetColumnCount(int n, int flag);

    // Applies the matrix to every vertex of the first list (first flag) and of the second list
    // (second flag); the radii stay.
    void Transform(const AcGeMatrix3d& matrix, int first, int second);
    // Appends the first and then the second entity id with the tag beside each; with the flag
    // a null id is skipped together with its tag.
    void CollectEntityIds(AcDbObjectIdArray& ids, AcGeIntArray& tags, int skipNull) const;
    // Bar polylines: draws the vertex lists on "04-钢筋", fitting the end segments to the end length.
    void DrawPolylines(double endLength);

private:
    int m_nTag = 0;
    int m_nBendType = 0;
    AcGePoint3dArray m_aFirstPoints;
    AcGeDoubleArray m_aFirstRadii;
    AcGePoint3dArray m_aSecondPoints;
    AcGeDoubleArray m_aSecondRadii;
    AcDbObjectId m_idFirst;
    AcDbObjectId m_idSecond;
    int m_nStartFlag = 0;
    int m_nEndFlag = 0;
    CString m_strFirstMark;
    CString m_strSecondMark;
    AcGeDoubleArray m_aFirstLengths;
    AcGeDoubleArray m_aSecondLengths;
    double m_dFirstLegLength = 0.0;
    double m_dLastLegLength = 0.0;
    AcGePoint2d m_ptMark;
    int m_nKind = 0;
    int m_nBarType = 1;
    int m_nDiameter = 28;
    CString m_strColumnText;
};
