// Extents grow point by point; glyph cells count with their four corners.
#include "DisplayList.h"

#include <algorithm>
#include <cmath>

void DisplayList::grow(const QPointF& p)
{
    if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
        return;
    if (!mHasExtents) {
        mExtents = QRectF(p, p);
        mHasExtents = true;
        return;
    }
    mExtents.setLeft(std::min(mExtents.left(), p.x()));
    mExtents.setRight(std::max(mExtents.right(), p.x()));
    mExtents.setTop(std::min(mExtents.top(), p.y()));
    mExtents.setBottom(std::max(mExtents.bottom(), p.y()));
}

void DisplayList::add(DisplayItem item)
{
    switch (item.kind) {
    case DisplayItem::Kind::Stroke:
    case DisplayItem::Kind::PointMark:
        for (const QPointF& p : item.points)
            grow(p);
        break;
    case DisplayItem::Kind::Fill:
    case DisplayItem::Kind::Pattern: {
        const QRectF r = item.area.boundingRect();
        grow(r.topLeft());
        grow(r.bottomRight());
        break;
    }
    case DisplayItem::Kind::Glyph:
        for (const QPointF& corner : {QPointF(0, 0), QPointF(1, 0), QPointF(0, 1), QPointF(1, 1)})
            grow(item.cell.map(corner));
        break;
    case DisplayItem::Kind::InfiniteLine: break;
    }
    mItems.push_back(std::move(item));
}
