// Plot settings are written at their defaults: nothing here plots through a layout.
#include "AcDbLayout.h"

#include "AcDbDxfFiler.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbLayout, AcDbObject, L"LAYOUT")

Acad::ErrorStatus AcDbLayout::setBlockTableRecordId(AcDbObjectId id)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mBlock = id;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLayout::getLayoutName(const ACHAR*& layoutName) const
{
    layoutName = mName.c_str();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLayout::setLayoutName(const ACHAR* layoutName)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mName = layoutName ? layoutName : L"";
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLayout::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbObject::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbPlotSettings");
    filer->writeString(1, L"");
    filer->writeString(4, L"");
    filer->writeString(6, L"");
    filer->writeDouble(40, 0.0);
    filer->writeDouble(41, 0.0);
    filer->writeDouble(42, 0.0);
    filer->writeDouble(43, 0.0);
    filer->writeDouble(44, 0.0);
    filer->writeDouble(45, 0.0);
    filer->writeDouble(46, 0.0);
    filer->writeDouble(47, 0.0);
    filer->writeDouble(48, 0.0);
    filer->writeDouble(49, 0.0);
    filer->writeDouble(140, 0.0);
    filer->writeDouble(141, 0.0);
    filer->writeDouble(142, 1.0);
    filer->writeDouble(143, 1.0);
    filer->writeInt16(70, 688);
    filer->writeInt16(72, 0);
    filer->writeInt16(73, 0);
    filer->writeInt16(74, 5);
    filer->writeString(7, L"");
    filer->writeInt16(75, 16);
    filer->writeInt16(76, 0);
    filer->writeInt16(77, 2);
    filer->writeInt16(78, 300);
    filer->writeDouble(147, 1.0);
    filer->writeDouble(148, 0.0);
    filer->writeDouble(149, 0.0);
    filer->writeSubclass(L"AcDbLayout");
    filer->writeString(1, mName);
    filer->writeInt16(70, 1);
    filer->writeInt16(71, mTabOrder);
    filer->writePoint2d(10, AcGePoint2d(0.0, 0.0));
    filer->writePoint2d(11, AcGePoint2d(420.0, 297.0));
    filer->writePoint3d(12, AcGePoint3d(0.0, 0.0, 0.0));
    filer->writePoint3d(14, AcGePoint3d(0.0, 0.0, 0.0));
    filer->writePoint3d(15, AcGePoint3d(0.0, 0.0, 0.0));
    filer->writeDouble(146, 0.0);
    filer->writePoint3d(13, AcGePoint3d(0.0, 0.0, 0.0));
    filer->writePoint3d(16, AcGePoint3d(1.0, 0.0, 0.0));
    filer->writePoint3d(17, AcGePoint3d(0.0, 1.0, 0.0));
    filer->writeInt16(76, 0);
    filer->writeObjectId(330, mBlock);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLayout::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbObject::dxfInFields(filer);
    if (filer->atSubclassData(L"AcDbPlotSettings"))
        filer->readSubclass([](const AcDbDxfGroup&) {});
    filer->atSubclassData(L"AcDbLayout");
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 1:
            mName = g.asString();
            break;
        case 71:
            mTabOrder = g.asInt();
            break;
        case 330:
            mBlock = filer->readObjectId(g);
            break;
        default:
            break;
        }
    });
    return Acad::eOk;
}
