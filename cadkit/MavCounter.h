// The library's geometry calculations: static members on points, curves, intersections,
// lengths and angles, in a class that holds no data.
#pragma once

#include "CorbelkitExport.h"

class CORBELKIT_API MavCounter {
public:
    MavCounter();
    MavCounter(const MavCounter& other);
    virtual ~MavCounter();
};
