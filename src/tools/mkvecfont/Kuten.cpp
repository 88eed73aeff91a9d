#include "Kuten.h"

#include "ExCodeConvert.h"

namespace mkvecfont {

Kuten SjisToKuten(std::uint16_t code) {
    const int kuten = DoubleByteToKuten(code);
    return {kuten / 100, kuten % 100};
}

std::uint16_t KutenToSjis(Kuten kuten) {
    const int hi = kuten.row + 0x20;
    const int lo = kuten.cell + 0x20;
    // Two rows share a lead byte; the lead byte range skips 0xA0..0xDF (single-byte kana).
    int lead = ((hi - 1) >> 1) + 0x71;
    if (lead > 0x9F) {
        lead += 0xB1 - 0x71;
    }
    int trail = 0;
    if (hi % 2 == 1) {
        trail = lo + 0x1F;
        if (trail >= 0x7F) {
            ++trail; // 0x7F is never a trail byte
        }
    } else {
        trail = lo + 0x7D + 1;
    }
    return static_cast<std::uint16_t>(lead << 8 | trail);
}

int SlotIndex(Kuten kuten) {
    return (kuten.row - 1) * kCellCount + (kuten.cell - 1);
}

Kuten SlotKuten(int index) {
    return {index / kCellCount + 1, index % kCellCount + 1};
}

} // namespace mkvecfont
