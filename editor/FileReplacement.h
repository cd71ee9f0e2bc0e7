// Replacing a file whole: the new content goes into a file of its own beside the old one, which
// a rename then puts in its place, so that the old file is either left as it was or replaced by
// a complete new one, never by one half written.
#pragma once

#include "CString.h"
#include "WinDef.h"

// The file that a write to path lands in: path itself, or the file its links lead to.
CString ResolveFileLinks(const CString& path);
// Creates a new empty file in the folder of path, under a name no file there has. Its path, or
// empty when none can be made or the file at path may not be written.
CString CreateFileBeside(const CString& path);
// Gives replacement the permissions of the file at path, when there is one, renames it over
// path and puts the rename on the disk. FALSE when the rename failed.
BOOL ReplaceFileWith(const CString& path, const CString& replacement);
void RemoveFile(const CString& path);
