#include "COleDataObject.h"

#include "CodePage.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include <algorithm>

BOOL COleDataObject::AttachClipboard()
{
  Attach(QApplication::clipboard()->mimeData());
  return TRUE;
}

void COleDataObject::Attach(const QMimeData* data)
{
  m_hasText = data && data->hasText();
  m_text = m_hasText ? data->text() : QString();
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat) const { return cfFormat == CF_TEXT && m_hasText; }

std::vector<char> COleDataObject::GetGlobalData(CLIPFORMAT cfFormat) const
{
  if (!IsDataAvailable(cfFormat))
    return {};
  const std::wstring wide = m_text.toStdWString();
  const int size = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::vector<char> block(static_cast<size_t>(std::max(size, 1)), '\0');
  if (size > 0)
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, block.data(), size, nullptr, nullptr);
  return block;
}
