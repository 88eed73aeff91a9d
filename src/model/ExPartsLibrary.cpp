#include "ExPartsLibrary.h"

#include "Cp932.h"
#include "ExAppServices.h"
#include "ExGeneralParts.h"
#include "ExOuterWallParts.h"
#include "ExPillarParts.h"
#include "ExRoomParts.h"
#include "ExWiringParts.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The entries of a folder sorted by name, split into folders and shape files. A folder that
// cannot be read gives nothing.
void ReadFolder(const fs::path& folder, std::vector<fs::path>* folders,
                std::vector<fs::path>* shapeFiles) {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code kindError;
        if (it->is_directory(kindError)) {
            if (folders) {
                folders->push_back(it->path());
            }
        } else if (shapeFiles && IsShapeFileName(it->path().filename().string())) {
            shapeFiles->push_back(it->path());
        }
    }
    if (folders) {
        std::sort(folders->begin(), folders->end());
    }
    if (shapeFiles) {
        std::sort(shapeFiles->begin(), shapeFiles->end());
    }
}

std::vector<ExCategoryNode> ReadGroups(const fs::path& folder, int depth) {
    std::vector<ExCategoryNode> nodes;
    if (depth > exlibrary::kMaxDepth) {
        return nodes;
    }
    std::vector<fs::path> folders;
    ReadFolder(folder, &folders, nullptr);
    for (const fs::path& child : folders) {
        nodes.push_back({child.filename().string(), ReadGroups(child, depth + 1)});
    }
    return nodes;
}

void CollectShapeFiles(const fs::path& folder, int depth, std::vector<fs::path>& files) {
    if (depth > exlibrary::kMaxDepth) {
        return;
    }
    std::vector<fs::path> folders;
    std::vector<fs::path> shapeFiles;
    ReadFolder(folder, &folders, &shapeFiles);
    for (const fs::path& child : folders) {
        CollectShapeFiles(child, depth + 1, files);
    }
    files.insert(files.end(), shapeFiles.begin(), shapeFiles.end());
}

bool IsRoomCode(int code) {
    constexpr int kFirstRoom = 30101;
    constexpr int kLastRoom = 30206;
    // Closets, alcoves and the like sit among the rooms but are placed as ordinary parts.
    constexpr int kOrdinaryParts[] = {30103, 30105, 30201};
    return code >= kFirstRoom && code <= kLastRoom &&
           std::find(std::begin(kOrdinaryParts), std::end(kOrdinaryParts), code) ==
               std::end(kOrdinaryParts);
}

} // namespace

std::optional<std::vector<ExCategoryNode>> ReadCategoryTree(const fs::path& library) {
    std::vector<ExCategoryNode> categories = ReadGroups(library, 0);
    const auto outerWalls =
        std::find_if(categories.begin(), categories.end(), [](const ExCategoryNode& node) {
            return node.name == exlibrary::kOuterWallFolder;
        });
    if (outerWalls == categories.end()) {
        return std::nullopt;
    }
    categories.erase(outerWalls);
    return categories;
}

std::vector<fs::path> ListShapeFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    CollectShapeFiles(folder, 0, files);
    return files;
}

std::unique_ptr<CExParts> LoadLibraryPart(const fs::path& shapeFile) {
    auto part = std::make_unique<CExParts>();
    if (LoadShapeFile(*part, shapeFile) != 1) {
        return nullptr;
    }
    const std::string name = ShapeFileDisplayName(shapeFile.filename().string());
    part->SetPartsName(cp932::FromUtf8(name).value_or(std::string()));
    return part;
}

ExKind KindOfPartsCode(int partsCode) {
    if (partsCode >= 10000 && partsCode <= 19999) {
        return ExKind::OuterWall;
    }
    if (partsCode >= 20000 && partsCode <= 29999) {
        return ExKind::Pillar;
    }
    if (IsRoomCode(partsCode)) {
        return ExKind::Room;
    }
    if (partsCode / 100 == excode::kCableGroup) {
        return ExKind::Wiring;
    }
    return ExKind::General;
}

std::unique_ptr<CExParts> CreateLibraryElement(const CExParts& item, ExPoint position) {
    switch (KindOfPartsCode(item.GetPartsCode())) {
    case ExKind::OuterWall:
        return CExOuterWallParts::CreateFromLibrary(item, position);
    case ExKind::Room:
        return CExRoomParts::CreateFromLibrary(item, position);
    case ExKind::Pillar:
        return CExPillarParts::CreateFromLibrary(item, position);
    case ExKind::Wiring:
        return nullptr;
    default:
        return CExGeneralParts::CreateFromLibrary(item, position);
    }
}

std::unique_ptr<CExWiringParts> StartLibraryCable(const CExParts& item, ExPoint position) {
    auto cable = std::make_unique<CExWiringParts>();
    cable->SetPartsCode(item.GetPartsCode());
    cable->SetPartsName(item.GetPartsName());
    cable->SetColor(item.GetColor());
    const CExAppServices& services = AppServices();
    cable->StartCable(0, position, services.CableKinds(),
                      services.DrawingDefaults().cableHeightCorrectionCm);
    return cable;
}
