// Helpers of the library that the library alone uses: the current document's database and
// the draw-order table and switch. They are not exported.
#pragma once

class AcDbDatabase;
class AcDbEntity;
class AcDbRasterImage;
class AcDbSortentsTable;

AcDbDatabase* GetCurrentDocDatabase();
AcDbSortentsTable* GetOrCreateSortentsTable(AcDbEntity* pEnt);
int SetSortentsVar(short value);
// A new instance of the host's wipeout class, or null when the host has no wipeout support.
AcDbRasterImage* NewWipeout();
