// The batch commands on design files on disk: copying data groups of one source file into many
// files, and re-mapping the per-column codes of many files by one column mapping. Each file is
// read, changed and written back in turn in the file's own unit; a file that cannot be read or
// written is reported and skipped, and the files already written stay written.
#pragma once

#include "CBatchColumnMap.h"
#include "CBatchCopySource.h"
#include "CBatchFileList.h"
#include "CDesignCommandHost.h"

#include <set>

// The property sheet "批量复制": the page "文件", then the page "复制". TRUE on OK.
class CBatchCopySheet {
public:
    virtual ~CBatchCopySheet() = default;
    virtual BOOL Run(CBatchFileList& files, CBatchCopySource& source) = 0;
};

// The property sheet "批量调列": the page "文件", then the page "调列". TRUE on OK.
class CBatchAdjustSheet {
public:
    virtual ~CBatchAdjustSheet() = default;
    virtual BOOL Run(CBatchFileList& files, CBatchColumnMap& columns) = 0;
};

// Copies the groups of the source file into every target that fits them and writes it back;
// ends with the box of how many files were written. The result is that count.
int BatchCopyFiles(const CString& sourcePath, const CStringArray& targets, const std::set<int>& groups);
// New column j of every target takes the code of old column mapping[j]; ends with the box of
// how many files were written. The result is that count.
int BatchAdjustColumns(const CStringArray& targets, const CArray<int, const int&>& mapping);

// The whole commands: the advice to back up, the sheet, and the run over the listed files. The
// open design is not touched.
void RunBatchCopyCommand(CDesignCommandHost& host, CBatchCopySheet& sheet);
void RunBatchAdjustColumnsCommand(CDesignCommandHost& host, CBatchAdjustSheet& sheet);
