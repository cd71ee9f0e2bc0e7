// The design rules the editor checks a design against: every broken rule becomes one message,
// an error or a warning, made of the label of the category where the value is edited, "|" and
// the text. The check changes nothing; the information view shows what it finds.
#pragma once

#include "CArray.h"
#include "CBent_BasicGeometry.h"
#include "CBent_PierInfo.h"

// Empties both lists, then appends one message per broken rule, in the order of the rules.
// unitFactor turns the design's current unit into millimetres (1000, 100, 10 or 1).
void ValidateDesign(CStringArray& errors, CStringArray& warnings, const CBent_PierInfo& design,
                    const CBent_BasicGeometry& geometry, double unitFactor);

// The two reference lists of the upper bent-up bars at support (from 1): the left and the right
// axis distances of the whole-elevation bars there and of the bars of that support, absent
// values left out, each sorted ascending; the left list then holds, from its second entry on,
// the step from the entry before. Nothing for a null design or a support below 1.
void CollectAxisDistancesAtSupport(const CBent_PierInfo* design, int support, CArray<double, const double&>& lefts,
                                   CArray<double, const double&>& rights);

class CDesignValidator {
public:
    CDesignValidator(CStringArray& errors, CStringArray& warnings, const CBent_PierInfo& design,
                     const CBent_BasicGeometry& geometry, double unitFactor);

    void Run();

private:
    // Basic data, general construction and supports.
    void CheckWeldWidth();
    void CheckSupportCount();
    void CheckMainDimensions();
    void CheckEndAngle(double angle, const wchar_t* wrong, const wchar_t* tooLarge);
    void CheckBendDownMode();
    void CheckPierCapEnds();
    void CheckEndHeight(double height, const wchar_t* notPositive, const wchar_t* tooHigh, const wchar_t* tooSmall);
    void CheckWidening(double widening, const wchar_t* zero, const wchar_t* tooLarge, const wchar_t* tooSmall);
    void CheckSupportLayout();
    // Total length of the support layout, spacings taken after the skew rule.
    double SupportLayoutLength() const;

    // Covers, grades, sections and the settings of strengthening, side and stirrup bars.
    void CheckCovers();
    void CheckCover(double cover, const wchar_t* notPositive, const wchar_t* noClearance);
    void CheckSkeletonGrade();
    void CheckSections();
    void CheckStrengthening();
    void CheckSideBars();
    void CheckStirrupSettings();
    void CheckDenseRange(double range, const wchar_t* message);
    void CheckSkeletonArrangement();

    // The bars themselves (CDesignValidator_Bars.cpp).
    void CheckStirrupColumns();
    // Out of range, or a column no stirrup can hold; the message names stirrup number.
    void CheckStirrupEnd(int column, int number, const wchar_t* outOfRange, const wchar_t* notHeld);
    void CheckEndPositionedBars();
    void CheckConnectedBarsAtSupports();
    void CheckConnectedBarsAtSupport(int support);

    // A negative spacing or widening measured along the skew left end.
    double AlongSkew(double value) const;

    void Error(const CString& message);
    void Warning(const CString& message);

    CStringArray& m_errors;
    CStringArray& m_warnings;
    const CBent_PierInfo& m_design;
    const CBent_BasicGeometry& m_geometry;
    const double m_factor;
    const int m_supportCount;
    const double m_skeletonDiameter;
};
