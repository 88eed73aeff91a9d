#include "ExGeneralParts.h"

#include "ExArchive.h"
#include "ExException.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <fstream>

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

std::unique_ptr<CExGeneralParts> CExGeneralParts::CreateFromLibrary(const CExParts& item,
                                                                    ExPoint position) {
    auto part = std::make_unique<CExGeneralParts>();
    part->TakeLibraryItem(item, position);
    part->AddDrawLinesOf(item);
    return part;
}

void CExGeneralParts::Serialize(CExArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteString(kClassName);
        ar.WriteInt32(kRecordVersion);
    } else {
        ar.ReadInt32();
    }
    CExParts::Serialize(ar);
}

int LoadShapeBytes(CExParts& part, std::string_view bytes) {
    if (bytes.empty() || static_cast<unsigned char>(bytes[0]) != kShapeFileFormat ||
        bytes.size() < kHeaderSize) {
        return 0;
    }
    try {
        const auto* header = reinterpret_cast<const unsigned char*>(bytes.data());
        part.SetPartsCode(Int32At(header + 1));
        part.SetColor(ExRgb(header[6], header[7], header[8]));
        const std::int32_t size = Int32At(header + 9);
        part.SetWidth(size);
        part.SetHeight(size);
        const std::string_view records =
            bytes.substr(kHeaderSize, static_cast<std::size_t>(kMaxShapeBytes));
        part.LoadShape(records.data(), static_cast<unsigned>(records.size()));
    } catch (...) {
        ReportCaughtException();
    }
    return 1;
}

int LoadShapeFile(CExParts& part, const std::filesystem::path& fileName) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error)) {
        return 0;
    }
    std::ifstream file(fileName, std::ios::binary);
    if (!file) {
        return 0;
    }
    // Records beyond the reader's limit would be ignored anyway: they are not even read.
    std::string bytes(kHeaderSize + static_cast<std::size_t>(kMaxShapeBytes), '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.bad()) {
        return 0;
    }
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return LoadShapeBytes(part, bytes);
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
