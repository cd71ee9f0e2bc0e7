// A list of equally sized images, each drawn by its index; a masked list leaves the pixels of
// its mask colour undrawn.
#pragma once

#include "WinGdi.h"
#include "WinGeometry.h"
#include "CSize.h"

#include <QImage>

#include <vector>

class CDC;

#define ILC_MASK 0x0001U
#define ILD_NORMAL 0x0000U
#define ILD_TRANSPARENT 0x0001U

struct IMAGEINFO {
  RECT rcImage;
};

class CImageList {
public:
  BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
  // The index of the new image, -1 when the list is not created. Pixels of the mask colour are
  // left transparent in a masked list.
  int Add(const QImage& image, COLORREF crMask);
  int GetImageCount() const { return static_cast<int>(m_images.size()); }
  BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
  BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) const;
  const QImage* GetImage(int nImage) const;

private:
  bool m_created = false;
  bool m_masked = false;
  CSize m_size;
  std::vector<QImage> m_images;
};
