// The readers of the layer-settings and drawing-parameter files.
#include "CTov_FileLyr.h"
#include "CTov_FilePre.h"

#include "CLocale.h"
#include "aced.h"

#include <cmath>
#include <cwchar>
#include <cstdlib>

namespace {

constexpr double kSupportedVersion = 3.0;

enum class Record { kRead, kMissing, kBad };

// The next record with the signature: read, missing (the file ended) or bad.
Record readRecord(CIbFileText& file, const CString& signature, CString& token)
{
    CString line;
    if (!file.ReadLine(line))
        return Record::kMissing;
    CStringArray tokens;
    if (file.CheckSignature(tokens, line, signature) <= 0)
        return Record::kBad;
    token = tokens[0];
    return Record::kRead;
}

} // namespace

CTov_FileLyr::CTov_FileLyr()
    : m_pSettings(&m_ownSettings)
{
    m_version = kSupportedVersion;
}

int CTov_FileLyr::Read()
{
    // 1. Open.
    if (!Open(1))
        return 0;
    // 2. The version header.
    if (!ReadVersion()) {
        Close();
        return 0;
    }
    // 3. A newer file.
    const double version = m_version;
    if (version > kSupportedVersion + 0.000001) {
        Close();
        acutPrintf(L"\n***图层设置文件版本高于当前系统能够读取版本,采用缺省图层参数***\n");
        return 0;
    }
    int result = 0;
    if (std::fabs(version - kSupportedVersion) <= 0.000001) {
        // 4. One colour per layer; a colour out of range or a bad record is 7. A file that ends
        // early leaves the layers it does not list at the caller's colours.
        for (int i = 1; i <= 14; ++i) {
            CString token;
            const Record record = readRecord(*this, L"I", token);
            if (record == Record::kMissing)
                break;
            const long v = record == Record::kRead ? std::wcstol(token.GetString(), nullptr, 10) : 0;
            m_pSettings->m_colors[i] = v >= 1 && v <= 256 ? static_cast<std::int32_t>(v) : 7;
        }
        result = 1;
    } else {
        // 5. An older file.
        ReportError(L"图层设置文件版本低于当前系统能够读取版本，采用缺省图层参数！", L"");
    }
    // 6. Close.
    Close();
    return result;
}

CTov_FilePre::CTov_FilePre()
    : m_pSettings(&m_ownSettings)
{
    m_version = kSupportedVersion;
}

int CTov_FilePre::Read()
{
    // 1. Open.
    if (!Open(1))
        return 0;
    // 2. No valid header, or a newer file (refused without a word).
    if (!ReadVersion() || m_version > kSupportedVersion + 0.000001) {
        Close();
        return 0;
    }
    int result = 0;
    if (std::fabs(m_version - kSupportedVersion) <= 0.000001) {
        // 3. Seven reals; the first two fill the parameters in the opposite order.
        static constexpr int kParameterOfRecord[7] = { 1, 0, 2, 3, 4, 5, 6 };
        for (int parameter : kParameterOfRecord) {
            CString token;
            if (readRecord(*this, L"D", token) != Record::kRead)
                continue;
            const double v = wcstod_l(token.GetString(), nullptr, corbel::CLocale());
            if (v > 0.0)
                m_pSettings->m_params[parameter] = v;
        }
        result = 1;
    } else {
        // 4. An older file.
        ReportError(L"绘图参数文件版本低于当前系统能够读取版本，采用缺省绘图参数！", L"");
    }
    // 5. Close.
    Close();
    return result;
}
