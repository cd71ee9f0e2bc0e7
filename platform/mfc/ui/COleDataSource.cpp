#include "COleDataSource.h"

#include "CodePage.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QMimeData>

#include <cstring>
#include <cwchar>
#include <string>

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, const std::vector<char>& block)
{
  m_blocks[cfFormat] = block;
}

void COleDataSource::CacheText(const CString& text)
{
  const auto* bytes = reinterpret_cast<const char*>(text.GetString());
  m_blocks[CF_UNICODETEXT].assign(bytes, bytes + (text.GetLength() + 1) * sizeof(wchar_t));
}

QMimeData* COleDataSource::MakeMimeData() const
{
  auto* data = new QMimeData;
  if (auto wide = m_blocks.find(CF_UNICODETEXT); wide != m_blocks.end()) {
    std::wstring text(wide->second.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), wide->second.data(), text.size() * sizeof(wchar_t));
    text.resize(std::wcslen(text.c_str()));
    data->setText(QString::fromStdWString(text));
  } else if (auto text = m_blocks.find(CF_TEXT); text != m_blocks.end()) {
    const std::vector<char>& block = text->second;
    const std::string bytes(block.data(), strnlen(block.data(), block.size()));
    std::wstring wide;
    if (!AnsiToWide(bytes, wide))
      wide = Utf8ToWideLossy(bytes);
    data->setText(QString::fromStdWString(wide));
  }
  return data;
}

void COleDataSource::SetClipboard()
{
  QApplication::clipboard()->setMimeData(MakeMimeData());
  delete this;
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects)
{
  auto* drag = new QDrag(QApplication::instance());
  drag->setMimeData(MakeMimeData());
  Qt::DropActions actions;
  if (dwEffects & DROPEFFECT_COPY)
    actions |= Qt::CopyAction;
  if (dwEffects & DROPEFFECT_MOVE)
    actions |= Qt::MoveAction;
  if (dwEffects & DROPEFFECT_LINK)
    actions |= Qt::LinkAction;
  switch (drag->exec(actions)) {
  case Qt::CopyAction: return DROPEFFECT_COPY;
  case Qt::MoveAction: return DROPEFFECT_MOVE;
  case Qt::LinkAction: return DROPEFFECT_LINK;
  default: return DROPEFFECT_NONE;
  }
}
