#include "CGdiObject.h"

BOOL CGdiObject::DeleteObject()
{
  const BOOL was = m_created;
  m_created = false;
  return was;
}
