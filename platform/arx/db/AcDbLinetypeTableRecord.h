// A linetype: its description and its dash pattern (positive dashes, negative gaps, 0 dots).
// A linetype without dashes draws continuous.
#pragma once

#include "AcDbSymbolTableRecord.h"

#include <vector>

class AcDbLinetypeTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbLinetypeTableRecord);

    Acad::ErrorStatus comments(const ACHAR*& pString) const;
    Acad::ErrorStatus comments(ACHAR*& pString) const;
    Acad::ErrorStatus setComments(const ACHAR* pString);
    Acad::ErrorStatus asciiDescription(ACHAR*& pString) const { return comments(pString); }
    Acad::ErrorStatus setAsciiDescription(const ACHAR* pString) { return setComments(pString); }
    double patternLength() const { return mPatternLength; }
    void setPatternLength(double patternLength);
    int numDashes() const { return static_cast<int>(mDashes.size()); }
    void setNumDashes(int count);
    double dashLengthAt(int index) const;
    Acad::ErrorStatus setDashLengthAt(int index, double value);
    bool isScaledToFit() const { return false; }

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
    std::wstring mComments;
    double mPatternLength = 0.0;
    std::vector<double> mDashes;
};
