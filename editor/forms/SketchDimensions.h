// The dimension routines the sketches share: a dimension line with a tick at each end and its
// text beside it, horizontal when y1 = y2, else vertical. The side flag 1 puts the line 10
// pixels above (left of) the points given, 0 as far below (right of) them.
#pragma once

#include "CDC.h"
#include "CString.h"

// Texts in the font selected, boxes 80 pixels wide (horizontal) or 16 wide (vertical).
void DrawDimension(CDC* pDC, int x1, int y1, int x2, int y2, const CString& text, int side);
// The same for a sketch whose upright font is selected: horizontal text boxes 40 pixels wide,
// vertical texts turned to read upwards, centred along the line just left of it.
void DrawDimensionUpright(CDC* pDC, int x1, int y1, int x2, int y2, const CString& text, int side);
// Writes a text in the selected upright font centred on (cx, cy).
void DrawUprightText(CDC* pDC, const CString& text, int cx, int cy);
// A value as the sketches write it: up to seven decimals, trailing zeros and point removed.
CString FormatSketchValue(double value);
