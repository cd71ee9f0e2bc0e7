// The curve filter: which curves a selection accepts, by curve type, layer, position and box
// number, with the tests that place the filter's own curve type in a role range.
#pragma once

#include "CString.h"
#include "CorbelkitExport.h"
#include "Mavcad.h"

class CORBELKIT_API MavCondition {
public:
    // Room for 127 characters and the terminator.
    static constexpr int kLayerNameSize = 128;

    MavCondition();
    MavCondition(const MavCondition& other);
    MavCondition& operator=(const MavCondition& other);
    virtual ~MavCondition();

    void setCurveType(Mavcad::CurveType type);
    Mavcad::CurveType type() const;
    void setLayerName(CString name);
    CString layerName() const;
    void setPosition(int position);
    int position() const;
    Mavcad::ErrorStatus validPosition() const;
    void setBoxName(int box);
    Mavcad::ErrorStatus adaptToArristantLines() const;
    Mavcad::ErrorStatus adaptToMainCurves() const;
    Mavcad::ErrorStatus adaptToMavCurve() const;

    Mavcad::ErrorStatus adaptToBoxLines() const;
    Mavcad::ErrorStatus adaptToVentralLines() const;
    Mavcad::ErrorStatus adaptToLinkLines() const;
    Mavcad::ErrorStatus hasLayer() const;
    int boxName() const;

private:
    int mCurveType;
    wchar_t mLayerName[kLayerNameSize];
    int mPosition;
    int mBoxName;
};
