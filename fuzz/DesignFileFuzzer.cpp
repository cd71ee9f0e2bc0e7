// Fuzz target of the design-file reader: any bytes as a design file. A read may fail, but it
// must not crash, hang, leak or touch memory it does not own. Its boxes are answered silently.
#include "CBent_HlFile.h"
#include "CScopedMessageBoxAnswerer.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// The reader reads by path: one scratch file per fuzzing process, removed when it exits.
const std::string& ScratchPath()
{
    static const std::string path = [] {
        char name[] = "/tmp/corbel-fuzz-XXXXXX";
        int fd = mkstemp(name);
        if (fd < 0)
            std::abort();
        close(fd);
        return std::string(name);
    }();
    return path;
}

void RemoveScratch() { std::remove(ScratchPath().c_str()); }

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ScratchPath();
    std::atexit(RemoveScratch);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::FILE* out = std::fopen(ScratchPath().c_str(), "wb");
    if (out == nullptr)
        std::abort();
    if (size > 0 && std::fwrite(data, 1, size, out) != size)
        std::abort();
    std::fclose(out);

    CScopedMessageBoxAnswerer boxes;
    boxes->SetLog(nullptr);
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    CBent_HlFile file;
    file.SetPath(CString(ScratchPath().c_str()));
    file.SetPierInfo(&design);
    file.SetBasicGeometry(&geometry);
    file.Read();
    return 0;
}
