// The main window's title for the current file, and the path the drawing plug-in is handed
// for it: a file name and its folder for a path with a folder part, the path as it stands
// otherwise; "*" after the name marks a modified design.
#pragma once

#include "CString.h"

// The title; registryPath receives the full path, or empty for an untitled design and for a
// path without a folder part. Folders are separated by '\' or '/'.
CString FormatFrameTitle(const CString& path, int modified, CString& registryPath);
