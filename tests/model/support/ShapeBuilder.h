#pragma once

#include <cstdint>
#include <string>

// Builds shape records (6 bytes each: command, unused, x and y as little-endian int16).
class ShapeBuilder {
public:
    ShapeBuilder& Move(int x, int y) { return Record(0, x, y); }
    ShapeBuilder& Line(int x, int y) { return Record(1, x, y); }
    ShapeBuilder& End() { return Record(7, 0, 0); }
    ShapeBuilder& Record(int command, int x, int y) {
        m_bytes += static_cast<char>(command);
        m_bytes += '\0';
        AppendInt16(x);
        AppendInt16(y);
        return *this;
    }
    // The square spanning the whole element, traced counter-clockwise from the bottom left.
    ShapeBuilder& FullSquare() {
        return Move(-256, -256).Line(256, -256).Line(256, 256).Line(-256, 256).Line(-256, -256);
    }
    const std::string& Bytes() const { return m_bytes; }

private:
    void AppendInt16(int value) {
        const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
        m_bytes += static_cast<char>(v & 0xFF);
        m_bytes += static_cast<char>(v >> 8);
    }
    std::string m_bytes;
};

// A shape file's header: format 16, code, unused, red, green, blue, size.
inline std::string ShapeFileHeader(int code, unsigned char r, unsigned char g, unsigned char b,
                                   int size, char format = 16) {
    std::string header(1, format);
    header.append(reinterpret_cast<const char*>(&code), 4);
    header += '\0';
    header += static_cast<char>(r);
    header += static_cast<char>(g);
    header += static_cast<char>(b);
    header.append(reinterpret_cast<const char*>(&size), 4);
    return header;
}
