// The drawings of the forms' fixed pictures (CBentCapFormPicture), by picture id: 136 covers,
// 139 bar grades, 140 bend-down modes and bar columns, 146 side bars, 1125 note sign.
#pragma once

#include "CDC.h"

void PaintFormPicture(CDC& dc, const CRect& client, UINT nPicture);
