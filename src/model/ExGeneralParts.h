#pragma once

#include "ExParts.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

// A piece of furniture or equipment from the parts library: the base element's behaviour with
// a shape read from a shape file.
class CExGeneralParts : public CExParts {
public:
    static constexpr const char* kClassName = "CExGeneralParts";

    const char* GetRuntimeClassName() const override { return kClassName; }
    // Record: class name, int32 version (100), common record.
    void Serialize(CExArchive& ar) override;

    // A new part for a library item dropped at a drawing point: the item's code, name, size
    // (when it has one), colour and shape, flagged for redraw.
    static std::unique_ptr<CExGeneralParts> CreateFromLibrary(const CExParts& item,
                                                              ExPoint position);
};

// Reads a parts shape file into a part: 1 on success, 0 when the file cannot be opened, is not
// a shape file, or ends before its shape records could all be read.
//   byte 0 format (16), int32 parts code, byte unused, bytes red, green, blue,
//   int32 size (width and height), then 6-byte shape records to the end of the file.
int LoadShapeFile(CExParts& part, const std::filesystem::path& fileName);
// The same for the bytes of a shape file already in memory.
int LoadShapeBytes(CExParts& part, std::string_view bytes);

// Whether a file name ends in ".qvf", in any letter case.
bool IsShapeFileName(std::string_view fileName);
// The name the library shows: without the 6-byte code prefix and without the extension.
std::string ShapeFileDisplayName(std::string_view fileName);
