// The design file: opening, version dispatch, the version table and the record sequence.
#include "CBent_HlFile.h"

#include "CFile.h"
#include "WinUser.h"

#include <cmath>

namespace {

const wchar_t* const kErrorCaption = L"文件操作时出现错误";

} // namespace

CBent_HlFile::CBent_HlFile(HWND* owner) : m_pPierInfo(nullptr), m_pBasicGeometry(nullptr)
{
    m_version = 4.3;
    m_path = L"c:\\1.Glt";
    if (owner != nullptr && *owner != nullptr)
        SetOwner(*owner);
}

CBent_HlFile::~CBent_HlFile() = default;

int CBent_HlFile::Read()
{
    m_pPartialDesign.reset();
    m_pPartialGeometry.reset();
    if (m_pPierInfo == nullptr || m_pBasicGeometry == nullptr)
        return 0;

    // 1. Open the file; a design that cannot be opened is not read.
    if (!Open(1))
        return ReportOpenFailure();

    int result = 0;
    try {
        // 2. The version line (its own messages; an empty file fails without one).
        if (ReadVersion()) {
            // 3. The version key: the version times ten, truncated toward zero. The comparison
            // runs on the real so that no version, however large, is cast out of the int range.
            const double scaled = std::trunc(GetVersion() * 10.0);
            const VersionFeatures* features =
                scaled >= 10.0 && scaled <= 43.0 ? FindVersion(static_cast<int>(scaled)) : nullptr;
            // 4. The reader of that version; it assigns the targets only when the whole file was read.
            result = features != nullptr ? ReadVersionByKey(features->key) : ReportUnknownVersion(scaled);
        }
    } catch (const CFileException& e) {
        // A line that is no text of the code page (or that the disk would not give) ends the
        // read like a bad record; the box names the line that could not be read.
        ++m_lineNumber;
        result = Fail(L"文件中有不能识别的文字，不是有效的盖梁文件！",
                      e.m_strReason.IsEmpty() ? e.GetErrorMessage() : e.m_strReason);
    }
    Close();
    return result;
}

int CBent_HlFile::ReadVersionByKey(int key)
{
    switch (key) {
    case 10: return ReadVersion10();
    case 20: return ReadVersion20();
    case 30: return ReadVersion30();
    case 31: return ReadVersion31();
    case 32: return ReadVersion32();
    case 33: return ReadVersion33();
    case 40: return ReadVersion40();
    case 41: return ReadVersion41();
    case 42: return ReadVersion42();
    case 43: return ReadVersion43();
    default: return 0;
    }
}

int CBent_HlFile::ReadVersion10() { return ReadDesign(*FindVersion(10)); }
int CBent_HlFile::ReadVersion20() { return ReadDesign(*FindVersion(20)); }
int CBent_HlFile::ReadVersion30() { return ReadDesign(*FindVersion(30)); }
int CBent_HlFile::ReadVersion31() { return ReadDesign(*FindVersion(31)); }
int CBent_HlFile::ReadVersion32() { return ReadDesign(*FindVersion(32)); }
int CBent_HlFile::ReadVersion33() { return ReadDesign(*FindVersion(33)); }
int CBent_HlFile::ReadVersion40() { return ReadDesign(*FindVersion(40)); }
int CBent_HlFile::ReadVersion41() { return ReadDesign(*FindVersion(41)); }
int CBent_HlFile::ReadVersion42() { return ReadDesign(*FindVersion(42)); }
int CBent_HlFile::ReadVersion43() { return ReadDesign(*FindVersion(43)); }

// Each version adds to the one before it; 1.0 and 2.0 carry the same records.
const CBent_HlFile::VersionFeatures* CBent_HlFile::FindVersion(int key)
{
    //                                        draw  add    sym    skel   weld   seis   seven  bend   resize side   str    own    decr  ends mark
    static const VersionFeatures kVersions[] = {
        {10, false, false, false, false, false, false, false, false, false, false, false, false, false, 1, false},
        {20, false, false, false, false, false, false, false, false, false, false, false, false, false, 1, false},
        {30, false, false, false, true, false, false, false, false, false, false, false, false, false, 1, false},
        {31, false, false, false, true, false, false, false, false, false, false, true, true, false, 1, true},
        {32, false, false, false, true, false, false, false, false, true, true, true, false, false, 1, true},
        {33, false, false, false, true, false, false, false, false, true, true, true, false, false, 2, true},
        {40, true, false, true, true, true, false, false, false, true, true, true, false, true, 0, false},
        {41, true, false, true, true, true, true, false, true, true, true, true, false, true, 0, false},
        {42, true, false, true, true, true, true, true, true, true, true, true, false, true, 0, false},
        {43, true, true, true, true, true, true, true, true, true, true, true, false, true, 0, false},
    };
    for (const VersionFeatures& v : kVersions)
        if (v.key == key)
            return &v;
    return nullptr;
}

// Reads the records of one version in file order into a fresh design and a copy of the
// caller's geometry, and hands both over only when every record was read.
int CBent_HlFile::ReadDesign(const VersionFeatures& features)
{
    static const RecordReader kRecords[] = {
        &CBent_HlFile::ReadDrawingSettings,  &CBent_HlFile::ReadAddInfo,
        &CBent_HlFile::ReadSymmetryAndAbutment, &CBent_HlFile::ReadSectionForm,
        &CBent_HlFile::ReadMainDimensions,   &CBent_HlFile::ReadEndDimensions,
        &CBent_HlFile::ReadLDimensions,      &CBent_HlFile::ReadSkeletonTypeCount,
        &CBent_HlFile::ReadMoreInfo,         &CBent_HlFile::ReadBarParameters,
        &CBent_HlFile::ReadSupports,         &CBent_HlFile::ReadColumnCounts,
        &CBent_HlFile::ReadSkeletonSpacings, &CBent_HlFile::ReadBendAndStirrupSpacing,
        &CBent_HlFile::ReadBarCounts,        &CBent_HlFile::ReadElevationBars,
        &CBent_HlFile::ReadSkeletonData,     &CBent_HlFile::ReadStirrups,
        &CBent_HlFile::ReadSideBars,         &CBent_HlFile::ReadSections,
        &CBent_HlFile::ReadPrestress,        &CBent_HlFile::ReadStrengthening,
        &CBent_HlFile::Complete,
    };
    if (m_pPierInfo == nullptr || m_pBasicGeometry == nullptr)
        return 0;
    ReadState s{features, CBent_PierInfo(), *m_pBasicGeometry};
    try {
        for (RecordReader read : kRecords) {
            if (!(this->*read)(s)) {
                KeepPartialRead(s);
                return 0;
            }
        }
    } catch (...) {
        KeepPartialRead(s);
        throw;
    }

    // Every bar of the main face carries the column text of its top-plate bars.
    CBent_FaceInfo& main = s.design.GetMainFace();
    main.SetColumnText(main.GetLTLSteel().GetColumnText());

    *m_pPierInfo = s.design;
    *m_pBasicGeometry = s.geometry;
    return 1;
}

void CBent_HlFile::KeepPartialRead(const ReadState& s)
{
    m_pPartialDesign = std::make_unique<CBent_PierInfo>(s.design);
    m_pPartialGeometry = std::make_unique<CBent_BasicGeometry>(s.geometry);
}

int CBent_HlFile::TakePartialRead()
{
    if (!m_pPartialDesign || m_pPierInfo == nullptr || m_pBasicGeometry == nullptr)
        return 0;
    *m_pPierInfo = *m_pPartialDesign;
    *m_pBasicGeometry = *m_pPartialGeometry;
    return 1;
}

int CBent_HlFile::Fail(const CString& message, const CString& text)
{
    ReportError(message, text);
    return 0;
}

int CBent_HlFile::ReadRecord(CStringArray& tokens, const CString& signature, const CString& message)
{
    if (ReadTypedRecord(tokens, signature) < 1)
        return Fail(message);
    return 1;
}

int CBent_HlFile::ReadTextRecord(CString& text, const CString& message)
{
    if (!ReadLine(text))
        return Fail(message);
    return 1;
}

// Every counted item takes at least one line of a character and a line end.
int CBent_HlFile::FileCanHold(int count) const
{
    return count >= 0 && static_cast<std::uint64_t>(count) <= m_length / 2 ? 1 : 0;
}

int CBent_HlFile::ReportOpenFailure()
{
    CFile probe;
    CFileException error;
    CString reason = L"未知原因";
    if (!probe.Open(m_path, CFile::modeRead | CFile::typeBinary, &error) && !error.m_strReason.IsEmpty())
        reason = error.m_strReason;
    CString message;
    message.Format(L"盖梁文件无法打开，无法读取文件！\n\n文件名称：%s\n错误原因：%s", m_path, reason);
    MessageBox(m_owner, message, kErrorCaption, MB_OK | MB_ICONINFORMATION);
    return 0;
}

// Versions past the newest one name themselves; an unknown older or malformed version
// number is not called higher, since no newer program would read it either.
int CBent_HlFile::ReportUnknownVersion(double scaled)
{
    if (scaled > 43.0)
        return Fail(L"盖梁文件版本高于当前系统能够读取版本，无法读取文件！");
    return Fail(L"盖梁文件版本不是当前系统能够读取的版本，无法读取文件！");
}
