// The shared check before a drawing is laid out.
#include "CGLGZ_Share.h"

int CGLGZ_Share::CheckGL() { return 1; }
