#include "ExGeneralParts.h"

#include "ExArchive.h"
#include "ExException.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

constexpr int kRecordVersion = 100;
constexpr unsigned char kShapeFileFormat = 16;
constexpr std::size_t kHeaderSize = 13;
constexpr std::size_t kPrefixBytes = 6;
constexpr std::size_t kExtensionChars = 4;
// A shape holds at most this many records; anything beyond is never read.
constexpr std::uintmax_t kMaxShapeBytes = CExParts::kMaxShapeRecords * 6;

std::int32_t Int32At(const unsigned char* bytes) {
    std::int32_t value;
    std::memcpy(&value, bytes, 4);
    return value;
}

} // namespace

void CExGeneralParts::Serialize(CExArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteString(kClassName);
        ar.WriteInt32(kRecordVersion);
    } else {
        ar.ReadInt32();
    }
    CExParts::Serialize(ar);
}

int LoadShapeFile(CExParts& part, const std::filesystem::path& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file) {
        return 0;
    }
    unsigned char header[kHeaderSize];
    if (!file.read(reinterpret_cast<char*>(header), 1) || header[0] != kShapeFileFormat) {
        return 0;
    }
    if (!file.read(reinterpret_cast<char*>(header) + 1, kHeaderSize - 1)) {
        return 0;
    }
    try {
        part.SetPartsCode(Int32At(header + 1));
        part.SetColor(ExRgb(header[6], header[7], header[8]));
        const std::int32_t size = Int32At(header + 9);
        part.SetWidth(size);
        part.SetHeight(size);

        std::error_code error;
        const std::uintmax_t fileSize = std::filesystem::file_size(fileName, error);
        if (error || fileSize < kHeaderSize) {
            return 0;
        }
        // Records beyond the reader's limit would be ignored anyway: do not load them.
        const std::size_t rest =
            static_cast<std::size_t>(std::min(fileSize - kHeaderSize, kMaxShapeBytes));
        std::vector<char> records(rest);
        if (!file.read(records.data(), static_cast<std::streamsize>(rest))) {
            return 0;
        }
        part.LoadShape(records.data(), static_cast<unsigned>(records.size()));
    } catch (...) {
        ReportCaughtException();
    }
    return 1;
}

bool IsShapeFileName(std::string_view fileName) {
    if (fileName.size() < kExtensionChars) {
        return false;
    }
    const std::string_view extension = fileName.substr(fileName.size() - kExtensionChars);
    return std::equal(extension.begin(), extension.end(), ".qvf", [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

std::string ShapeFileDisplayName(std::string_view fileName) {
    if (fileName.size() < kPrefixBytes + kExtensionChars) {
        return {};
    }
    return std::string(
        fileName.substr(kPrefixBytes, fileName.size() - kPrefixBytes - kExtensionChars));
}
