// Fuzz target of the design-file reader: any bytes as a design file. A read may fail, but it
// must not crash, hang, leak or touch memory it does not own. Its boxes are answered silently.
// The reader reads by path; the bytes lie in an anonymous file in memory, named through
// /proc, so that no input touches a disk.
#include "CBent_HlFile.h"
#include "CScopedMessageBoxAnswerer.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

int g_memoryFile = -1;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_memoryFile = memfd_create("corbel-fuzz-design", MFD_CLOEXEC);
    if (g_memoryFile < 0)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (ftruncate(g_memoryFile, 0) != 0)
        std::abort();
    if (size > 0 && pwrite(g_memoryFile, data, size, 0) != static_cast<ssize_t>(size))
        std::abort();
    static const std::string path = "/proc/self/fd/" + std::to_string(g_memoryFile);

    CScopedMessageBoxAnswerer boxes;
    boxes->SetLog(nullptr);
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    CBent_HlFile file;
    file.SetPath(CString(path.c_str()));
    file.SetPierInfo(&design);
    file.SetBasicGeometry(&geometry);
    file.Read();
    return 0;
}
