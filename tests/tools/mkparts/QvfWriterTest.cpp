#include "QvfWriter.h"

#include <gtest/gtest.h>

namespace mkparts {
namespace {

TEST(QvfWriter, WritesHeaderRecordsAndEndMarker) {
    Part part;
    part.code = 50102;
    part.colour = {0x50, 0x50, 0xFF};
    part.size = 50000;
    part.records = {{Command::Move, -256, 0}, {Command::Line, 256, -2}};
    const std::vector<std::uint8_t> expected = {
        0x10,                               // format
        0xB6, 0xC3, 0x00, 0x00,             // code 50102
        0x00,                               // unused
        0x50, 0x50, 0xFF,                   // colour
        0x50, 0xC3, 0x00, 0x00,             // size 50000
        0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, // move -256 0
        0x01, 0x00, 0x00, 0x01, 0xFE, 0xFF, // line 256 -2
        0x07, 0x00, 0x00, 0x00, 0x00, 0x00, // end
    };
    EXPECT_EQ(EncodeQvf(part), expected);
}

} // namespace
} // namespace mkparts
