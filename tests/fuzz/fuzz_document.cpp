// Feeds arbitrary bytes to the document reader; a document that reads must write and read back
// to the same bytes.
#include "DocumentFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TDuvDocument doc;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (DocumentFile::Parse(bytes, doc))
        return 0;
    const std::string written = DocumentFile::Serialize(doc);
    TDuvDocument again;
    if (DocumentFile::Parse(written, again) || DocumentFile::Serialize(again) != written)
        std::abort();
    return 0;
}
