#include "COleDataSource.h"

#include "CodePage.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QMimeData>

#include <cstring>
#include <string>

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, const std::vector<char>& block)
{
  m_blocks[cfFormat] = block;
}

QMimeData* COleDataSource::MakeMimeData() const
{
  auto* data = new QMimeData;
  if (auto text = m_blocks.find(CF_TEXT); text != m_blocks.end()) {
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
