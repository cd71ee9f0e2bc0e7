// A layout: the tab that shows model space or a paper space, tied to its block.
#pragma once

#include "AcDbObject.h"

#include <string>

class AcDbLayout : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbLayout);

    AcDbObjectId getBlockTableRecordId() const { return mBlock; }
    Acad::ErrorStatus setBlockTableRecordId(AcDbObjectId id);
    Acad::ErrorStatus getLayoutName(const ACHAR*& layoutName) const;
    Acad::ErrorStatus setLayoutName(const ACHAR* layoutName);
    int getTabOrder() const { return mTabOrder; }
    void setTabOrder(int order) { mTabOrder = order; }

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
    AcDbObjectId mBlock;
    std::wstring mName;
    int mTabOrder = 0;
};
