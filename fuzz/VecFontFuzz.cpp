#include "ExHeadlessView.h"
#include "ExStringParts.h"
#include "ExVecFont.h"
#include "support/RecordingDC.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// A character from each region of the font: full-width space (the one glyph of a type 3 font),
// Latin letters and digits, kana, a half-width kana, the first kanji, a user-defined character,
// the last cell of the last row, and a lead byte left alone at the end.
const std::string kText = "\x81\x40"
                          "A9\x83\x41\xb1\x88\x9f\xf0\x40\xf9\xfc\x81";

} // namespace

// Reads arbitrary bytes as a vector font file, then lays out and draws a text with it, straight
// and turned: glyph tables and strokes must never be read beyond the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CExVecFont font;
    if (!font.LoadVecFontBytes(std::string_view(reinterpret_cast<const char*>(data), size))) {
        return 0;
    }
    const CExVecFont* previous = SetVecFont(&font);
    CExHeadlessView view(100, 25, 25, 96);
    ExActiveViewScope active(&view);
    for (const int angle : {0, 30}) {
        CExStringParts text;
        text.SetPosition(1000000, 1000000);
        text.SetAngle(angle);
        text.InsertString(kText, -1);
        text.UpdateParts();
        text.RecalcParts();
        RecordingDC dc;
        text.DrawParts(&dc);
    }
    SetVecFont(previous);
    return 0;
}
