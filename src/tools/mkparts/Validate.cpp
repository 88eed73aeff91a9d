#include "Validate.h"

#include "Cp932.h"
#include "Folders.h"
#include "SourceError.h"

#include <map>
#include <string>

namespace mkparts {

namespace {

// Channels all above this vanish against the white the thumbnails are drawn on.
constexpr int kLightestChannel = 230;
constexpr std::size_t kMaxNameBytes = 200;

std::string What(const Part& part) {
    return "part " + std::to_string(part.code);
}

[[noreturn]] void Fail(const Part& part, const std::string& message) {
    throw SourceError(part.file, part.line, message);
}

bool IsFileNameSafe(std::string_view name) {
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F ||
            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) {
            return false;
        }
    }
    return name != "." && name != "..";
}

void CheckName(const Part& part) {
    if (part.name.empty() || part.name.size() > kMaxNameBytes || !IsFileNameSafe(part.name)) {
        Fail(part, "the name '" + part.name + "' cannot be used as a file name");
    }
    if (!RepresentableInCp932(part.name)) {
        Fail(part, "the name '" + part.name + "' cannot be written in Shift-JIS (CP932)");
    }
}

void CheckPlace(const Part& part) {
    const CategoryFolder* folder = FindCategoryFolder(part.folder);
    if (folder == nullptr) {
        Fail(part, "unknown category folder '" + part.folder + "'");
    }
    if (part.code <= 0 || CategoryOf(part.code) != folder->number) {
        Fail(part, What(part) + " does not belong in " + part.folder + " (codes " +
                       std::to_string(folder->number * 10000) + "-" +
                       std::to_string(folder->number * 10000 + 9999) + ")");
    }
    const bool inCableGroup = folder->number == kCableCategory && part.group == kCableGroup;
    if (IsCable(part.code) && !inCableGroup) {
        Fail(part, "cable " + std::to_string(part.code) + " must be in " + part.folder + "/" +
                       std::string(kCableGroup));
    }
    if (!part.group.empty()) {
        if (!IsFileNameSafe(part.group) || !RepresentableInCp932(part.group)) {
            Fail(part, "the group name '" + part.group + "' cannot be used as a folder name");
        }
        if (GroupNumber(part.group) != GroupOf(part.code)) {
            Fail(part, What(part) + " does not belong in group " + part.group);
        }
    }
}

void CheckDrawing(const Part& part) {
    if (part.records.empty()) {
        Fail(part, What(part) + " draws nothing");
    }
    if (part.records.size() + 1 > kMaxRecords) {
        Fail(part, What(part) + " needs " + std::to_string(part.records.size() + 1) +
                       " records; the program reads at most " + std::to_string(kMaxRecords));
    }
    if (!NeedsClosedOutline(part.code)) {
        return;
    }
    const auto& r = part.records;
    bool chain = r.size() >= 4 && r.front().command == Command::Move && r.back().x == r.front().x &&
                 r.back().y == r.front().y;
    for (std::size_t i = 1; chain && i < r.size(); ++i) {
        chain = r[i].command == Command::Line;
    }
    if (!chain) {
        Fail(part, What(part) + " must be one closed outline: a single move, then lines back "
                                "to where it started");
    }
}

} // namespace

void CheckPart(const Part& part) {
    CheckName(part);
    CheckPlace(part);
    if (part.size <= 0) {
        Fail(part, What(part) + " has no size");
    }
    const Rgb c = part.colour;
    if (c.r >= kLightestChannel && c.g >= kLightestChannel && c.b >= kLightestChannel) {
        Fail(part, "the colour of " + What(part) + " is too light to see on white");
    }
    CheckDrawing(part);
}

void CheckLibrary(const std::vector<Part>& parts) {
    std::map<int, const Part*> byCode;
    for (const Part& part : parts) {
        CheckPart(part);
        const auto [it, added] = byCode.emplace(part.code, &part);
        if (!added) {
            Fail(part, "duplicate parts code " + std::to_string(part.code) + " (first at " +
                           it->second->file + ":" + std::to_string(it->second->line) + ")");
        }
    }
}

} // namespace mkparts
