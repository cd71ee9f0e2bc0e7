// Stepping back from the first item ends the walk, as stepping past the last does.
#include "AcDbObjectIterator.h"

void AcDbObjectIterator::step(bool backwards, bool skipErased)
{
    do {
        if (done())
            return;
        if (backwards && mPos == 0)
            mPos = mItems.size();
        else
            mPos += backwards ? static_cast<std::size_t>(-1) : 1;
    } while (skipErased && !done() && mItems[mPos].first.isErased());
}
