// Data offered to the clipboard or to a drag: blocks of bytes, one per clipboard format. Text
// (CF_TEXT) is held as GBK bytes, wide text (CF_UNICODETEXT) as wide characters; either is
// offered to other programs as plain text, the wide one first.
#pragma once

#include "CString.h"
#include "OleDataExchange.h"

#include <map>
#include <vector>

class QMimeData;

class COleDataSource {
public:
  // The block is copied; it is read up to its first NUL.
  void CacheGlobalData(CLIPFORMAT cfFormat, const std::vector<char>& block);
  // A wide text as a CF_UNICODETEXT block, its NUL included.
  void CacheText(const CString& text);
  BOOL HasData(CLIPFORMAT cfFormat) const { return m_blocks.count(cfFormat) != 0; }
  // Puts the data on the clipboard, which takes the source over: a source made with new is
  // deleted here, as the clipboard releases it.
  void SetClipboard();
  // Runs a drag of the data; the effect the drop target chose (DROPEFFECT_NONE when the drag
  // was cancelled or nothing took it).
  DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK);
  // The data as Qt passes it between programs; the caller owns the result.
  QMimeData* MakeMimeData() const;

private:
  std::map<CLIPFORMAT, std::vector<char>> m_blocks;
};
