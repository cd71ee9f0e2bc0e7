#include "CImageList.h"

#include "CColorConversion.h"
#include "CDC.h"

#include <algorithm>

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int)
{
  if (cx <= 0 || cy <= 0)
    return FALSE;
  m_size = CSize(cx, cy);
  m_masked = (nFlags & ILC_MASK) != 0;
  m_images.clear();
  m_images.reserve(static_cast<size_t>(std::max(0, nInitial)));
  m_created = true;
  return TRUE;
}

int CImageList::Add(const QImage& image, COLORREF crMask)
{
  if (!m_created || image.isNull())
    return -1;
  QImage copy = image.scaled(m_size.cx, m_size.cy).convertToFormat(QImage::Format_ARGB32);
  if (m_masked) {
    const QRgb mask = ToQColor(crMask).rgb();
    for (int y = 0; y < copy.height(); ++y)
      for (int x = 0; x < copy.width(); ++x)
        if ((copy.pixel(x, y) & 0xFFFFFF) == (mask & 0xFFFFFF))
          copy.setPixel(x, y, qRgba(0, 0, 0, 0));
  }
  m_images.push_back(copy);
  return GetImageCount() - 1;
}

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
  if (!pImageInfo || nImage < 0 || nImage >= GetImageCount())
    return FALSE;
  pImageInfo->rcImage = RECT{0, 0, m_size.cx, m_size.cy};
  return TRUE;
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT) const
{
  const QImage* image = GetImage(nImage);
  if (!pDC || !pDC->GetPainter() || !image)
    return FALSE;
  pDC->GetPainter()->drawImage(QPoint(pt.x, pt.y), *image);
  return TRUE;
}

const QImage* CImageList::GetImage(int nImage) const
{
  return nImage >= 0 && nImage < GetImageCount() ? &m_images[static_cast<size_t>(nImage)] : nullptr;
}
