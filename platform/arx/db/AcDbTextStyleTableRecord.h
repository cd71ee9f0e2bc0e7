// A text style: shape-font and big-font files or a TrueType face (with bold, italic,
// character set and pitch-and-family), fixed height, width factor and obliquing angle.
#pragma once

#include "AcDbSymbolTableRecord.h"

#include <string>

class AcDbTextStyleTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbTextStyleTableRecord);

    bool isShapeFile() const { return mIsShapeFile; }
    void setIsShapeFile(bool shape) { mIsShapeFile = shape; }
    bool isVertical() const { return mIsVertical; }
    void setIsVertical(bool vertical) { mIsVertical = vertical; }
    // 0 means no fixed height.
    double textSize() const { return mTextSize; }
    Acad::ErrorStatus setTextSize(double size);
    double xScale() const { return mXScale; }
    Acad::ErrorStatus setXScale(double xScale);
    // Radians.
    double obliquingAngle() const { return mObliquingAngle; }
    Acad::ErrorStatus setObliquingAngle(double obliquingAngle);
    Adesk::UInt8 flagBits() const { return mFlagBits; }
    void setFlagBits(Adesk::UInt8 flagBits) { mFlagBits = flagBits; }
    double priorSize() const { return mPriorSize; }
    Acad::ErrorStatus setPriorSize(double priorSize);

    Acad::ErrorStatus fileName(const ACHAR*& fileName) const;
    Acad::ErrorStatus fileName(ACHAR*& fileName) const;
    Acad::ErrorStatus setFileName(const ACHAR* fileName);
    Acad::ErrorStatus bigFontFileName(const ACHAR*& fileName) const;
    Acad::ErrorStatus bigFontFileName(ACHAR*& fileName) const;
    Acad::ErrorStatus setBigFontFileName(const ACHAR* fileName);

    // A TrueType face; an empty face name returns to the font files.
    Acad::ErrorStatus setFont(const ACHAR* pTypeface, bool bold, bool italic, int charset, int pitchAndFamily);
    Acad::ErrorStatus font(ACHAR*& pTypeface, bool& bold, bool& italic, int& charset, int& pitchAndFamily) const;
    const std::wstring& typeface() const { return mTypeface; }

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    // The TrueType face travels as extended data of "ACAD": 1000 face, 1071 flags.
    void dxfOutXData(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInXData(const std::vector<AcDbDxfGroup>& groups) override;

private:
    std::wstring mFileName = L"txt";
    std::wstring mBigFontFileName;
    std::wstring mTypeface;
    bool mBold = false;
    bool mItalic = false;
    int mCharset = 0;
    int mPitchAndFamily = 0;
    bool mIsShapeFile = false;
    bool mIsVertical = false;
    double mTextSize = 0.0;
    double mXScale = 1.0;
    double mObliquingAngle = 0.0;
    double mPriorSize = 2.5;
    Adesk::UInt8 mFlagBits = 0;
};
