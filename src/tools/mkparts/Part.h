#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mkparts {

enum class Command : std::uint8_t { Move = 0, Line = 1, End = 7 };

// One 6-byte shape record; coordinates are in the normalised -256..256 box, y up.
struct Record {
    Command command = Command::Move;
    std::int16_t x = 0;
    std::int16_t y = 0;

    friend bool operator==(const Record&, const Record&) = default;
};

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The program reads no more records than this, the end marker included.
constexpr std::size_t kMaxRecords = 10000;
constexpr int kShapeLimit = 256;

struct Part {
    int code = 0;
    std::string name;
    Rgb colour;
    bool hasColour = false;
    std::int32_t size = 0;
    std::vector<Record> records; // drawing records; the end marker is added when written
    std::string folder;          // category folder below 部品, e.g. "04建具"
    std::string group;           // optional subfolder of the category folder
    std::string file;            // where the part was declared, for messages
    int line = 0;
};

} // namespace mkparts
