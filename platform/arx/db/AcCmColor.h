// An entity or layer colour: ByLayer, ByBlock, an index of the 256-colour palette or a true
// colour. Index 256 is ByLayer and 0 ByBlock, as the platform numbers them.
#pragma once

#include "AcadErrorStatus.h"
#include "Adesk.h"

namespace AcCm {
enum ColorMethod { kByLayer = 0xC0, kByBlock = 0xC1, kByColor = 0xC2, kByACI = 0xC3, kForeground = 0xC5, kNone = 0xC8 };
}

class AcCmColor {
public:
    AcCmColor() = default;

    AcCm::ColorMethod colorMethod() const { return mMethod; }
    Acad::ErrorStatus setColorMethod(AcCm::ColorMethod method);
    bool isByLayer() const { return mMethod == AcCm::kByLayer; }
    bool isByBlock() const { return mMethod == AcCm::kByBlock; }
    bool isByACI() const { return mMethod == AcCm::kByACI; }
    bool isByColor() const { return mMethod == AcCm::kByColor; }

    // 0 ByBlock, 1-255 palette, 256 ByLayer; anything else is refused with eInvalidInput.
    Acad::ErrorStatus setColorIndex(Adesk::UInt16 colorIndex);
    Adesk::UInt16 colorIndex() const;
    Acad::ErrorStatus setRGB(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue);
    Adesk::UInt8 red() const { return static_cast<Adesk::UInt8>(mRgb >> 16); }
    Adesk::UInt8 green() const { return static_cast<Adesk::UInt8>(mRgb >> 8); }
    Adesk::UInt8 blue() const { return static_cast<Adesk::UInt8>(mRgb); }
    Adesk::UInt32 rgb() const { return mRgb; }

    bool operator==(const AcCmColor& o) const;
    bool operator!=(const AcCmColor& o) const { return !(*this == o); }

private:
    AcCm::ColorMethod mMethod = AcCm::kByLayer;
    Adesk::UInt16 mIndex = 256;
    Adesk::UInt32 mRgb = 0;
};
