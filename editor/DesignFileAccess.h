// Reading a whole design file into fresh records, as the copy commands do, and writing records
// back, the file's own errors reported by the reader and the writer in their boxes.
#pragma once

#include "CBent_BasicGeometry.h"
#include "CBent_PierInfo.h"
#include "WinDef.h"

// Reads the file into design and geometry (fresh records expected). 1 on success; 0 after the
// reader's box, the records unchanged. owner: address of the handle of the window that owns
// the boxes; null for the main window.
int ReadDesignFile(const CString& path, CBent_PierInfo& design, CBent_BasicGeometry& geometry, HWND* owner = nullptr);
// Writes a version 4.3 file in place of the one at path; 1 when written.
int WriteDesignFile(const CString& path, CBent_PierInfo& design, CBent_BasicGeometry& geometry, HWND* owner = nullptr);

// The eleven lengths of the geometry times factor; angles and integers stay.
void ScaleGeometryLengths(CBent_BasicGeometry& geometry, double factor);
