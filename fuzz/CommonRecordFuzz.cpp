#include "ExArchive.h"
#include "ExException.h"
#include "ExParts.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Reads arbitrary bytes as an element's common record: it must fail cleanly or succeed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CExArchive ar(std::string_view(reinterpret_cast<const char*>(data), size));
    CExParts part;
    try {
        part.Serialize(ar);
        part.UpdateParts();
        part.RecalcParts();
    } catch (const CExException&) {
    }
    return 0;
}
