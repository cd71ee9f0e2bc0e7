// The fixed pictures of the forms, drawn as the editor's own small sketches of what the fields
// beside them mean: the covers (136), the bars and their grades (139), the bend-down modes and
// the bar columns (140), the side bars and their spacings (146), and the note sign of the
// skeleton arrangement (1125). The control's id names the picture.
#pragma once

#include "CStatic.h"

class CBentCapFormPicture : public CStatic {
public:
    void OnPaint() override;
};
