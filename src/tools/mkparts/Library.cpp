#include "Library.h"

#include "Folders.h"
#include "QvfWriter.h"

#include <fstream>
#include <stdexcept>
#include <string>

namespace mkparts {

namespace {

std::string PaddedCode(int code) {
    std::string digits = std::to_string(code);
    return std::string(digits.size() < 6 ? 6 - digits.size() : 0, '0') + digits;
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace

std::filesystem::path PartPath(const Part& part) {
    std::filesystem::path path = std::filesystem::path(kLibraryFolder) / part.folder;
    if (!part.group.empty()) {
        path /= part.group;
    }
    return path / (PaddedCode(part.code) + part.name + ".qvf");
}

void WriteLibrary(const std::filesystem::path& outputDir, const std::vector<Part>& parts) {
    std::filesystem::remove_all(outputDir / kLibraryFolder);
    for (const Part& part : parts) {
        const std::filesystem::path path = outputDir / PartPath(part);
        std::filesystem::create_directories(path.parent_path());
        WriteFile(path, EncodeQvf(part));
    }
}

} // namespace mkparts
