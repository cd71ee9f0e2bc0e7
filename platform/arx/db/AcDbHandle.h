// A database handle: the 64-bit number that names an object inside its drawing and in DXF,
// written as upper-case hexadecimal text without leading zeros.
#pragma once

#include "Adesk.h"

#include <string>

class AcDbHandle {
public:
    AcDbHandle() = default;
    AcDbHandle(Adesk::UInt64 value)
        : mValue(value)
    {
    }
    // Hexadecimal text; anything that is not hexadecimal gives the null handle.
    explicit AcDbHandle(const ACHAR* hexText);
    explicit AcDbHandle(const char* hexText);

    bool isNull() const { return mValue == 0; }
    void setNull() { mValue = 0; }
    Adesk::UInt64 value() const { return mValue; }
    // Writes the hexadecimal text into the buffer; the buffer holds at least nBufLen characters.
    void getIntoAsciiBuffer(ACHAR* pBuf, std::size_t nBufLen = 17) const;
    std::string hex() const;

    AcDbHandle& operator++();
    bool operator==(const AcDbHandle& o) const { return mValue == o.mValue; }
    bool operator!=(const AcDbHandle& o) const { return mValue != o.mValue; }
    bool operator<(const AcDbHandle& o) const { return mValue < o.mValue; }
    bool operator>(const AcDbHandle& o) const { return mValue > o.mValue; }

private:
    Adesk::UInt64 mValue = 0;
};
