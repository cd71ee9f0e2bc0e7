// The title block of every sheet: the system's title-block drawing attached as an external
// reference at the sheet's origin, on the frame layer.
#pragma once

#include "AcGePoint3d.h"
#include "CString.h"
#include "CTov_DwgDataBase.h"

class CTov_InitFrame : public CTov_DwgDataBase {
public:
    CTov_InitFrame() = default;
    ~CTov_InitFrame() override = default;

    void SetOrigin(const AcGePoint3d& origin);
    // Attaches the title block 20 left of the sheet origin; the result of AttachXref.
    int InsertTitleBlock();
    // "-XREF" Attach of the drawing at the point, scale 1, rotation 0; the name is not used.
    int AttachXref(const AcGePoint3d& point, const CString& path, const CString& name);

    // The sheet's title texts; the drawing classes write the titles themselves.
    CString m_strTitles[8];
    AcGePoint3d m_origin = AcGePoint3d::kOrigin;
    // The sheet's drawing area, then two reals the title block does not use.
    double m_dWidth = 380.0;
    double m_dHeight = 277.0;
    double m_dFurther1 = 100.0;
    double m_dFurther2 = 30.0;
};
