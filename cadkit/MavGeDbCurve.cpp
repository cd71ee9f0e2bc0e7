// The curve converter's class: nothing to set up or release.
#include "MavGeDbCurve.h"

MavGeDbCurve::MavGeDbCurve() = default;

MavGeDbCurve::~MavGeDbCurve() = default;
