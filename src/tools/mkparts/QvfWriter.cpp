#include "QvfWriter.h"

namespace mkparts {

namespace {

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void PutRecord(std::vector<std::uint8_t>& out, const Record& record) {
    out.push_back(static_cast<std::uint8_t>(record.command));
    out.push_back(0);
    PutLittleEndian(out, static_cast<std::uint16_t>(record.x), 2);
    PutLittleEndian(out, static_cast<std::uint16_t>(record.y), 2);
}

} // namespace

std::vector<std::uint8_t> EncodeQvf(const Part& part) {
    std::vector<std::uint8_t> out;
    out.reserve(13 + 6 * (part.records.size() + 1));
    out.push_back(kQvfFormat);
    PutLittleEndian(out, static_cast<std::uint32_t>(part.code), 4);
    out.push_back(0);
    out.push_back(part.colour.r);
    out.push_back(part.colour.g);
    out.push_back(part.colour.b);
    PutLittleEndian(out, static_cast<std::uint32_t>(part.size), 4);
    for (const Record& record : part.records) {
        PutRecord(out, record);
    }
    PutRecord(out, {Command::End, 0, 0});
    return out;
}

} // namespace mkparts
