// Texts across the boundary between the class library (CString, wide) and Qt (QString).
#pragma once

#include "CString.h"

#include <QString>

inline QString ToQString(LPCTSTR text)
{
  return text ? QString::fromWCharArray(text) : QString();
}

inline CString FromQString(const QString& text)
{
  return CString(text.toStdWString());
}
