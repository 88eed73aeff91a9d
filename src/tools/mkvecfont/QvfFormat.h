#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace mkvecfont {

enum class Op : std::uint8_t { MoveTo = 0, LineTo = 1, End = 7 };

// One pen command on the 0..255 grid of a full-width cell, Y pointing up.
struct Command {
    Op op = Op::End;
    std::uint8_t x = 0;
    std::uint8_t y = 0;

    friend bool operator==(const Command&, const Command&) = default;
};

// A glyph's pen commands without the closing End; empty means "no glyph".
using Glyph = std::vector<Command>;

inline constexpr std::uint8_t kFontType = 1;
inline constexpr std::size_t kHeaderSize = 5;
// The reader gives up on a glyph after this many commands.
inline constexpr std::size_t kReaderCommandLimit = 2000;

// Serialises one glyph per slot (see kuten.hpp) into a type 1 font file.
std::vector<std::uint8_t> EncodeFont(std::span<const Glyph> slots);

// Reads a type 1 font file back the way the editor does; nothing if the file is malformed.
std::optional<std::vector<Glyph>> DecodeFont(std::span<const std::uint8_t> bytes);

} // namespace mkvecfont
