// The design file written: a version 4.3 file in the editor's code page, lines ended by CR LF.
#include "CBent_HlFile.h"

#include "CDesignFileWriter.h"
#include "FileReplacement.h"
#include "WinUser.h"

namespace {

const wchar_t* const kSaveCaption = L"无法保存";

} // namespace

int CBent_HlFile::Save() { return Write(); }

int CBent_HlFile::Write()
{
    // 1. Without a design there is nothing to write.
    if (m_pPierInfo == nullptr || m_pBasicGeometry == nullptr)
        return 0;

    // 2. Open a new file beside the design file; the old one stays as it is until the new one
    //    is complete.
    const CString path = m_path;
    const CString target = ResolveFileLinks(path);
    const CString temporary = CreateFileBeside(target);
    m_path = temporary;
    const int opened = !temporary.IsEmpty() && Open(0);
    m_path = path;
    if (!opened) {
        if (!temporary.IsEmpty())
            RemoveFile(temporary);
        MessageBox(m_owner, L"文件可能正在被使用，无法更新，请稍后重试！", kSaveCaption, MB_OK | MB_ICONINFORMATION);
        return 0;
    }

    // 3. The version line, then 4. every line of the design.
    CDesignFileWriter writer(*this, *m_pPierInfo, *m_pBasicGeometry);
    int written = WriteVersion();
    written = writer.WriteDesign() && written;

    // 5. Everything on the disk, then the new file in place of the old. A design the file
    //    cannot carry, or any failed write, leaves the old file untouched.
    written = CloseWritten() && written;
    if (!writer.GetRefusal().IsEmpty()) {
        RemoveFile(temporary);
        MessageBox(m_owner, writer.GetRefusal(), kSaveCaption, MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    if (!written || !ReplaceFileWith(target, temporary)) {
        RemoveFile(temporary);
        MessageBox(m_owner, L"文件可能正在被使用，无法更新，请稍后重试！", kSaveCaption, MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    return 1;
}
