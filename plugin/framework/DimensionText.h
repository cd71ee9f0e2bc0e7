// Edits and measurements of the texts of the drawing's dimensions and single-line texts: the
// framework narrows, measures and moves dimension texts so that chains of short dimensions
// stay readable.
#pragma once

#include "AcDbExtents.h"
#include "AcDbObjectId.h"

class AcDbObject;
class AcDbText;

int SetDimensionOblique(AcDbObjectId id, double angle);
int SuppressExtensionLines(AcDbObjectId id, int suppressFirst, int suppressSecond);
int NarrowDimensionText(AcDbObjectId id);
// Width of the dimension's text as drawn; span := the larger of the horizontal and vertical
// distance between its extension-line points. 0 when the dimension cannot be opened.
double MeasureDimensionText(AcDbObjectId id, double& span);
// Mode 0 moves the text of any dimension by (dx, dy); mode 1 moves the text of an aligned
// dimension clear of its extension lines on the sides the signs of dx and dy name, where it
// does not fit between them. 0 when the dimension cannot be opened.
int MoveDimensionText(AcDbObjectId id, double dx, double dy, int mode);
void GetTrueTextExtents(const AcDbText* pText, AcDbExtents& extents);
int GetFontFaceNameLength(AcDbObjectId textStyleId);
AcDbText* CastToText(AcDbObject* pObject);
