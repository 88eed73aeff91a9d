#pragma once

// The parts library as it lies on disk: the folder "部品" beside the program, whose direct
// subfolders are the categories; a category may hold group folders to any depth, and shape
// files lie in any of them. Names on disk are UTF-8; names given to elements are code page 932.

#include "ExKindIndex.h"
#include "ExTypes.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CExParts;
class CExWiringParts;

namespace exlibrary {
inline constexpr const char* kFolderName = "部品";
// The outer walls' category: required, and never shown among the categories.
inline constexpr const char* kOuterWallFolder = "01外壁";
// Folders nested deeper than this are not visited, so that a link looping back to its own
// folder cannot recurse without end.
inline constexpr int kMaxDepth = 16;
} // namespace exlibrary

// One category or group folder and the folders inside it.
struct ExCategoryNode {
    std::string name; // the folder's name on disk (UTF-8)
    std::vector<ExCategoryNode> children;
};

// The category tree of a library folder, sorted by name, without the outer walls' folder.
// Nothing when the library folder or the outer walls' folder is missing.
std::optional<std::vector<ExCategoryNode>> ReadCategoryTree(const std::filesystem::path& library);

// Every shape file of a category folder: the files of its group folders first (recursively),
// then its own files, each level sorted by name.
std::vector<std::filesystem::path> ListShapeFiles(const std::filesystem::path& folder);

// A library prototype read from a shape file, named by the file's name without its code
// prefix and extension; null when the file is not a shape file.
std::unique_ptr<CExParts> LoadLibraryPart(const std::filesystem::path& shapeFile);

// The kind of element a library part becomes, by its parts code.
ExKind KindOfPartsCode(int partsCode);

// A new element for a library part dropped at a drawing point: an outer wall, room, pillar or
// general part taking the part's code, name, size, colour and shape with the drawing defaults.
// Null for a cable, which is laid point by point instead.
std::unique_ptr<CExParts> CreateLibraryElement(const CExParts& item, ExPoint position);

// A cable dropped from the library starts where it was dropped: two vertices at the point, the
// part's code, name and colour, the pen of its cable kind and the drawing's height correction.
std::unique_ptr<CExWiringParts> StartLibraryCable(const CExParts& item, ExPoint position);
