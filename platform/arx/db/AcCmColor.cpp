// Colour by method: the index is kept for the palette methods, the RGB value for true colours.
#include "AcCmColor.h"

Acad::ErrorStatus AcCmColor::setColorMethod(AcCm::ColorMethod method)
{
    mMethod = method;
    if (method == AcCm::kByLayer)
        mIndex = 256;
    else if (method == AcCm::kByBlock)
        mIndex = 0;
    else if (method == AcCm::kForeground)
        mIndex = 7;
    return Acad::eOk;
}

Acad::ErrorStatus AcCmColor::setColorIndex(Adesk::UInt16 colorIndex)
{
    if (colorIndex > 256)
        return Acad::eInvalidInput;
    mIndex = colorIndex;
    mMethod = colorIndex == 256 ? AcCm::kByLayer : (colorIndex == 0 ? AcCm::kByBlock : AcCm::kByACI);
    return Acad::eOk;
}

Adesk::UInt16 AcCmColor::colorIndex() const
{
    switch (mMethod) {
    case AcCm::kByLayer:
        return 256;
    case AcCm::kByBlock:
        return 0;
    case AcCm::kByColor:
        return 256;
    default:
        return mIndex;
    }
}

Acad::ErrorStatus AcCmColor::setRGB(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue)
{
    mMethod = AcCm::kByColor;
    mRgb = (static_cast<Adesk::UInt32>(red) << 16) | (static_cast<Adesk::UInt32>(green) << 8) | blue;
    return Acad::eOk;
}

bool AcCmColor::operator==(const AcCmColor& o) const
{
    if (mMethod != o.mMethod)
        return false;
    if (mMethod == AcCm::kByColor)
        return mRgb == o.mRgb;
    return colorIndex() == o.colorIndex();
}
