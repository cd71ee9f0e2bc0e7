// Filling and stamping the drawing side's lists of bar records from the design's lists.
#pragma once

#include "CArray.h"
#include "RecordListHelpers.h"

// Empties the drawing-side list; then, for each design record in order, a fresh record (reset
// values) receives the design fields by its AssignFrom and a copy of it is appended.
template <class DRAWN, class DESIGN>
void AssignRecordList(CArray<DRAWN, const DRAWN&>& to, const CArray<DESIGN, const DESIGN&>& from)
{
    to.RemoveAll();
    for (INT_PTR i = 0; i < from.GetSize(); ++i) {
        DRAWN record;
        record.AssignFrom(from[i]);
        to.Add(record);
    }
}
