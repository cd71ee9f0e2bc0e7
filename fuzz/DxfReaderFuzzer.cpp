// Fuzz target of the DXF reader, which reads any drawing a user opens (cadhost --open): any
// bytes as DXF text. A read may fail, but it must not crash, hang, leak or touch memory it
// does not own.
#include "AcDbDatabase.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    AcDbDatabase db(false, true);
    db.dxfInText(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
