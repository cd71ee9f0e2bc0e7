// Base of the drawing objects a device context selects: pens, brushes and fonts.
#pragma once

#include "WinDef.h"

class CGdiObject {
public:
  virtual ~CGdiObject() = default;
  BOOL DeleteObject();
  BOOL IsCreated() const { return m_created; }

protected:
  bool m_created = false;
};
