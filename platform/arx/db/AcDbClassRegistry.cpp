// A class's descriptor is made on its first use; this makes all of them at once.
#include "AcDbClassRegistry.h"

#include "AcDb2LineAngularDimension.h"
#include "AcDb2dPolyline.h"
#include "AcDb2dVertex.h"
#include "AcDb3PointAngularDimension.h"
#include "AcDb3dPolyline.h"
#include "AcDb3dPolylineVertex.h"
#include "AcDbAlignedDimension.h"
#include "AcDbArc.h"
#include "AcDbBlockReference.h"
#include "AcDbBlockTable.h"
#include "AcDbCircle.h"
#include "AcDbDiametricDimension.h"
#include "AcDbDictionary.h"
#include "AcDbDictionaryWithDefault.h"
#include "AcDbDimStyleTable.h"
#include "AcDbEllipse.h"
#include "AcDbGroup.h"
#include "AcDbHatch.h"
#include "AcDbLayerTable.h"
#include "AcDbLayout.h"
#include "AcDbLine.h"
#include "AcDbLinetypeTable.h"
#include "AcDbMText.h"
#include "AcDbPlaceHolder.h"
#include "AcDbPoint.h"
#include "AcDbPolyline.h"
#include "AcDbRadialDimension.h"
#include "AcDbRay.h"
#include "AcDbRegAppTable.h"
#include "AcDbRegion.h"
#include "AcDbRotatedDimension.h"
#include "AcDbSolid.h"
#include "AcDbSortentsTable.h"
#include "AcDbSpline.h"
#include "AcDbText.h"
#include "AcDbTextStyleTable.h"
#include "AcDbUCSTable.h"
#include "AcDbViewTable.h"
#include "AcDbViewportTable.h"
#include "AcDbWipeout.h"
#include "AcDbWipeoutVariables.h"
#include "AcDbXline.h"

void acdbRegisterDatabaseClasses()
{
    static const AcRxClass* const kClasses[] = {
        AcDbObject::desc(),
        AcDbEntity::desc(),
        AcDbCurve::desc(),
        AcDbDictionary::desc(),
        AcDbGroup::desc(),
        AcDbSortentsTable::desc(),
        AcDbLayout::desc(),
        AcDbPlaceHolder::desc(),
        AcDbWipeoutVariables::desc(),
        AcDbSymbolTable::desc(),
        AcDbSymbolTableRecord::desc(),
        AcDbBlockTable::desc(),
        AcDbLayerTable::desc(),
        AcDbLinetypeTable::desc(),
        AcDbTextStyleTable::desc(),
        AcDbDimStyleTable::desc(),
        AcDbRegAppTable::desc(),
        AcDbUCSTable::desc(),
        AcDbViewTable::desc(),
        AcDbViewportTable::desc(),
        AcDbBlockTableRecord::desc(),
        AcDbLayerTableRecord::desc(),
        AcDbLinetypeTableRecord::desc(),
        AcDbTextStyleTableRecord::desc(),
        AcDbDimStyleTableRecord::desc(),
        AcDbRegAppTableRecord::desc(),
        AcDbUCSTableRecord::desc(),
        AcDbViewTableRecord::desc(),
        AcDbViewportTableRecord::desc(),
        AcDbLine::desc(),
        AcDbArc::desc(),
        AcDbCircle::desc(),
        AcDbEllipse::desc(),
        AcDbSpline::desc(),
        AcDbXline::desc(),
        AcDbRay::desc(),
        AcDbPoint::desc(),
        AcDbPolyline::desc(),
        AcDb2dPolyline::desc(),
        AcDb3dPolyline::desc(),
        AcDbVertex::desc(),
        AcDb2dVertex::desc(),
        AcDb3dPolylineVertex::desc(),
        AcDbSolid::desc(),
        AcDbText::desc(),
        AcDbMText::desc(),
        AcDbHatch::desc(),
        AcDbRasterImage::desc(),
        AcDbWipeout::desc(),
        AcDbBlockReference::desc(),
        AcDbRegion::desc(),
        AcDbDimension::desc(),
        AcDbRotatedDimension::desc(),
        AcDbAlignedDimension::desc(),
        AcDbDiametricDimension::desc(),
        AcDbRadialDimension::desc(),
        AcDb2LineAngularDimension::desc(),
        AcDb3PointAngularDimension::desc(),
    };
    (void)kClasses;
}
