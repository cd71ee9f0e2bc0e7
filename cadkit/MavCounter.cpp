// The geometry calculations' class: no data to set up, copy or release.
#include "MavCounter.h"

MavCounter::MavCounter() = default;

MavCounter::MavCounter(const MavCounter&) { }

MavCounter::~MavCounter() = default;
