// An object with no data, standing as a dictionary entry (the plot style "Normal").
#pragma once

#include "AcDbObject.h"

class AcDbPlaceHolder : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbPlaceHolder);
};
