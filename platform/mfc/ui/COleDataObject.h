// Data received from the clipboard or from a drop, read by clipboard format. Plain text of
// other programs reads as CF_TEXT in GBK, with a closing NUL.
#pragma once

#include "OleDataExchange.h"

#include <QString>

#include <vector>

class QMimeData;

class COleDataObject {
public:
  // Takes what the clipboard holds now.
  BOOL AttachClipboard();
  // Takes the data of a drag (copied).
  void Attach(const QMimeData* data);
  BOOL IsDataAvailable(CLIPFORMAT cfFormat) const;
  // The block of the format; empty when the data does not offer it.
  std::vector<char> GetGlobalData(CLIPFORMAT cfFormat) const;

private:
  bool m_hasText = false;
  QString m_text;
};
