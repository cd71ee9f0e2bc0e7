// Saving and reading drawings. A save writes a temporary file in the target's folder, checks
// every write, flushes it to the disk and only then renames it over the target, so a failed
// save leaves the old file as it was. File failures return eInvalidInput.
#include "CodePage.h"
#include "AcDbDatabase.h"

#include "AcDbDimension.h"
#include "AcDbDxfReader.h"
#include "AcDbDxfWriter.h"
#include "AcDbStub.h"
#include "CString.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writes all bytes or fails; a short write is retried, an error ends the save.
bool writeAll(int fd, const std::string& data)
{
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string nativePath(const ACHAR* fileName)
{
    std::wstring name(fileName);
    for (wchar_t& c : name)
        if (c == L'\\')
            c = L'/';
    return WideToUtf8Lossy(name);
}

} // namespace

void AcDbDatabase::updateDimensionBlocks() const
{
    std::vector<AcDbDimension*> dimensions;
    for (const auto& stub : mStubs)
        if (auto* dim = AcDbDimension::cast(stub->object()); dim != nullptr && !dim->isErased())
            dimensions.push_back(dim);
    // A style's data is made once for all its dimensions; a rebuilt block may change what a
    // style writes (the blocks it names), so each rebuild forgets what was made.
    std::map<AcDbObjectId, std::string> styles;
    for (AcDbDimension* dim : dimensions) {
        auto style = styles.find(dim->dimensionStyle());
        if (style == styles.end())
            style = styles.emplace(dim->dimensionStyle(), AcDbDimension::styleData(dim->database(), dim->dimensionStyle())).first;
        if (dim->isBlockUpToDate(style->second))
            continue;
        dim->recomputeDimensionBlock();
        styles.clear();
    }
}

std::string AcDbDatabase::dxfText() const
{
    // The file carries what the dimensions show.
    updateDimensionBlocks();
    AcDbDxfWriter writer(const_cast<AcDbDatabase*>(this));
    return writer.write();
}

Acad::ErrorStatus AcDbDatabase::dxfInText(const std::string& text)
{
    AcDbDxfReader reader(this);
    return reader.read(text);
}

Acad::ErrorStatus AcDbDatabase::dxfOut(const ACHAR* fileName, int, AcDb::DwgVersion)
{
    if (fileName == nullptr || fileName[0] == 0)
        return Acad::eInvalidInput;
    const std::filesystem::path target(nativePath(fileName));
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    std::string hidden = ".";
    hidden += target.filename().string();
    hidden += ".XXXXXX";
    std::string pattern = (folder / hidden).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return Acad::eInvalidInput;
    const std::string text = dxfText();
    bool ok = writeAll(fd, text) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::chmod(pattern.c_str(), 0644) == 0;
    ok = ok && std::rename(pattern.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(pattern.c_str());
        return Acad::eInvalidInput;
    }
    // The rename itself reaches the disk with the folder's entry.
    if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::saveAs(const ACHAR* fileName)
{
    const Acad::ErrorStatus es = dxfOut(fileName);
    if (es == Acad::eOk)
        mFileName = fileName;
    return es;
}

Acad::ErrorStatus AcDbDatabase::readDwgFile(const ACHAR* fileName, int, bool, const wchar_t*)
{
    if (fileName == nullptr || fileName[0] == 0)
        return Acad::eInvalidInput;
    std::ifstream in(nativePath(fileName), std::ios::binary);
    if (!in)
        return Acad::eInvalidInput;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        return Acad::eInvalidInput;
    const Acad::ErrorStatus es = dxfInText(buffer.str());
    if (es == Acad::eOk)
        mFileName = fileName;
    return es;
}
