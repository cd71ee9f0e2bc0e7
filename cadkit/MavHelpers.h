// Helpers of the library that the library alone uses: the current document's database and
// the draw-order table and switch. They are not exported.
#pragma once

#include "AcArray.h"
#include "AcGePoint3d.h"

class AcDbCurve;
class AcDbDatabase;
class AcDbEntity;
class AcDbRasterImage;
class AcDbSortentsTable;

AcDbDatabase* GetCurrentDocDatabase();
AcDbSortentsTable* GetOrCreateSortentsTable(AcDbEntity* pEnt);
int SetSortentsVar(short value);
// A new instance of the host's wipeout class, or null when the host has no wipeout support.
AcDbRasterImage* NewWipeout();
// The vertex points of one of the library's five curve kinds, as the scans list them (a line's
// and an arc's two ends), appended; nothing for another curve.
void AppendVertexPoints(const AcDbCurve* pCurve, AcArray<AcGePoint3d>& points);
