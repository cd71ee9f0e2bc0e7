// The curve filter's fields and its role-range tests.
#include "MavCondition.h"

#include <algorithm>
#include <cwchar>

namespace {

Mavcad::ErrorStatus metWhen(bool met) { return met ? Mavcad::eOk : Mavcad::eInvalidInput; }

bool inRange(int type, int first, int last) { return type >= first && type <= last; }

} // namespace

// The box number has no default of its own; 0 keeps a filter that was never given one
// from comparing against whatever the memory held.
MavCondition::MavCondition()
    : mCurveType(Mavcad::kMainCurveFirst)
    , mLayerName{L'0', 0}
    , mPosition(1)
    , mBoxName(0)
{
}

MavCondition::MavCondition(const MavCondition& other)
    : mCurveType(other.mCurveType)
    , mPosition(other.mPosition)
    , mBoxName(other.mBoxName)
{
    std::copy(std::begin(other.mLayerName), std::end(other.mLayerName), std::begin(mLayerName));
}

MavCondition& MavCondition::operator=(const MavCondition& other)
{
    mCurveType = other.mCurveType;
    std::copy(std::begin(other.mLayerName), std::end(other.mLayerName), std::begin(mLayerName));
    mPosition = other.mPosition;
    mBoxName = other.mBoxName;
    return *this;
}

MavCondition::~MavCondition() = default;

void MavCondition::setCurveType(Mavcad::CurveType type) { mCurveType = type; }

Mavcad::CurveType MavCondition::type() const { return static_cast<Mavcad::CurveType>(mCurveType); }

// A name too long for the buffer is cut to its first 127 characters rather than written
// past the end of the buffer.
void MavCondition::setLayerName(CString name)
{
    const int length = std::min(name.GetLength(), kLayerNameSize - 1);
    std::wmemcpy(mLayerName, name.GetString(), static_cast<std::size_t>(length));
    mLayerName[length] = 0;
}

CString MavCondition::layerName() const { return CString(mLayerName); }

void MavCondition::setPosition(int position) { mPosition = position; }

int MavCondition::position() const { return mPosition; }

Mavcad::ErrorStatus MavCondition::validPosition() const { return metWhen(mPosition >= 1 && mPosition <= 20); }

void MavCondition::setBoxName(int box) { mBoxName = box; }

Mavcad::ErrorStatus MavCondition::adaptToArristantLines() const
{
    return metWhen(inRange(mCurveType, Mavcad::kAssistantLineFirst, Mavcad::kAssistantLineLast));
}

Mavcad::ErrorStatus MavCondition::adaptToMainCurves() const
{
    return metWhen(inRange(mCurveType, Mavcad::kMainCurveFirst, Mavcad::kMainCurveLast));
}

Mavcad::ErrorStatus MavCondition::adaptToMavCurve() const
{
    return metWhen(inRange(mCurveType, Mavcad::kAssistantLineFirst, Mavcad::kAssistantLineLast)
        || inRange(mCurveType, Mavcad::kVentralLineFirst, Mavcad::kVentralLineLast)
        || inRange(mCurveType, Mavcad::kBoxLineFirst, Mavcad::kBoxLineLast)
        || inRange(mCurveType, Mavcad::kLinkLineFirst, Mavcad::kLinkLineLast)
        || inRange(mCurveType, Mavcad::kMainCurveFirst, Mavcad::kMainCurveLast));
}

Mavcad::ErrorStatus MavCondition::adaptToBoxLines() const
{
    return metWhen(inRange(mCurveType, Mavcad::kBoxLineFirst, Mavcad::kBoxLineLast));
}

Mavcad::ErrorStatus MavCondition::adaptToVentralLines() const
{
    return metWhen(inRange(mCurveType, Mavcad::kVentralLineFirst, Mavcad::kVentralLineLast));
}

Mavcad::ErrorStatus MavCondition::adaptToLinkLines() const
{
    return metWhen(inRange(mCurveType, Mavcad::kLinkLineFirst, Mavcad::kLinkLineLast));
}

Mavcad::ErrorStatus MavCondition::hasLayer() const { return Mavcad::eOk; }

int MavCondition::boxName() const { return mBoxName; }
