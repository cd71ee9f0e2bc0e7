// The curve converter: database curves to the geometry library's curves and back. A converter
// holds no data; it is made for one call and deleted after use.
#pragma once

#include "CorbelkitExport.h"

class CORBELKIT_API MavGeDbCurve {
public:
    MavGeDbCurve();
    virtual ~MavGeDbCurve();
};
