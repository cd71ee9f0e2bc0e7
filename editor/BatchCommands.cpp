// The batch copy and the batch column adjustment.
#include "BatchCommands.h"

#include "CapCopyGroups.h"
#include "DesignFileAccess.h"
#include "EditorMessageBoxes.h"

namespace {

constexpr const wchar_t* kSkipCaption = L"跳过文件";

void Skip(const wchar_t* format, const CString& path)
{
    CString message;
    message.Format(format, path);
    ShowInformation(message, kSkipCaption);
}

// The codes of the new columns taken from their old columns. A mapping that does not fit the
// file gives the box's text, and the codes stay.
CString RemapCodes(CBent_PierInfo& design, const CArray<int, const int&>& mapping, const CString& path)
{
    CBent_ExtendSteel& steel = design.GetExtendSteel();
    const int n = steel.GetCodeCount();
    const int m = static_cast<int>(mapping.GetSize());
    CString refusal;
    if (m < n) {
        refusal.Format(L"以下文件骨架列数与列调整设置不匹配(列个数大于%d)，没有进行调列操作！\n%s", m, path);
        return refusal;
    }
    for (int j = 0; j < n; ++j)
        if (mapping[j] < 0 || mapping[j] >= n) {
            refusal.Format(L"以下文件骨架列数与列调整设置不匹配(第%d列指向第%d列)，没有进行调列操作！\n%s", j + 1,
                           mapping[j] + 1, path);
            return refusal;
        }
    const CArray<int, const int&> old(steel.GetCodes());
    for (int j = 0; j < n; ++j)
        steel.SetCodeAt(j, old[mapping[j]]);
    // With a symmetric layout the right half follows the left half.
    if (design.GetSkeletonArrangementSymmetric() != 0)
        steel.MirrorCodes();
    return refusal;
}

} // namespace

int BatchCopyFiles(const CString& sourcePath, const CStringArray& targets, const std::set<int>& groups)
{
    CBent_PierInfo source;
    CBent_BasicGeometry sourceGeometry;
    if (!ReadDesignFile(sourcePath, source, sourceGeometry)) {
        ShowInformation(L"复制来源文件无法打开，所有复制均失败！", L"文件错误");
        return 0;
    }
    int written = 0;
    for (INT_PTR i = 0; i < targets.GetSize(); ++i) {
        const CString& path = targets[i];
        if (CBatchFileList::IsSamePath(path, sourcePath)) {
            Skip(L"粘贴操作文件与复制文件相同，本文件被跳过！\n%s", sourcePath);
            continue;
        }
        CBent_PierInfo design;
        CBent_BasicGeometry geometry;
        if (!ReadDesignFile(path, design, geometry)) {
            Skip(L"以下文件无法打开，没有进行粘贴操作！\n%s", path);
            continue;
        }
        // A group that needs equal counts is left out where they differ.
        for (int group : kCapCopyOrder)
            if (groups.count(group) && IsCapCopyAllowed(group, source, design))
                CopyCapGroup(group, source, sourceGeometry, design, geometry);
        if (WriteDesignFile(path, design, geometry))
            ++written;
    }
    CString result;
    result.Format(L"成功复制文件%d个", written);
    ShowInformation(result, L"复制结果");
    return written;
}

int BatchAdjustColumns(const CStringArray& targets, const CArray<int, const int&>& mapping)
{
    int written = 0;
    for (INT_PTR i = 0; i < targets.GetSize(); ++i) {
        const CString& path = targets[i];
        CBent_PierInfo design;
        CBent_BasicGeometry geometry;
        if (!ReadDesignFile(path, design, geometry)) {
            Skip(L"以下文件无法打开，没有进行调列操作！\n%s", path);
            continue;
        }
        const CString refusal = RemapCodes(design, mapping, path);
        if (!refusal.IsEmpty()) {
            ShowInformation(refusal, kSkipCaption);
            continue;
        }
        if (WriteDesignFile(path, design, geometry))
            ++written;
    }
    CString result;
    result.Format(L"成功调列文件%d个", written);
    ShowInformation(result, L"调列结果");
    return written;
}

void RunBatchCopyCommand(CDesignCommandHost& host, CBatchCopySheet& sheet)
{
    ShowInformation(L"批量复制具有很强的不可预见性，复制前强烈建议先备份数据文件！", L"建议备份");
    CBatchFileList files(host.GetPathName());
    CBatchCopySource source;
    if (!sheet.Run(files, source))
        return;
    BatchCopyFiles(source.GetPath(), files.GetPaths(), source.GetCheckedGroups());
}

void RunBatchAdjustColumnsCommand(CDesignCommandHost& host, CBatchAdjustSheet& sheet)
{
    ShowInformation(L"批量调列具有很强的不可预见性，调列前强烈建议先备份数据文件！", L"建议备份");
    CBatchFileList files(host.GetPathName());
    CBatchColumnMap columns;
    if (!sheet.Run(files, columns))
        return;
    BatchAdjustColumns(files.GetPaths(), columns.GetMapping());
}
