#include "FontBuilder.h"

#include "BoxDrawing.h"
#include "Composed.h"
#include "GlyphEncoder.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

namespace mkvecfont {

namespace {

// Keeps strokes off the cell edge so neighbouring characters never touch.
constexpr int kLowestStep = 2;
constexpr int kHighestStep = 253;

bool PrivateUse(char32_t ch) {
    return ch >= 0xE000 && ch <= 0xF8FF;
}

} // namespace

std::optional<char32_t> SlotCharacter(const Cp932& cp932, Kuten kuten) {
    const std::optional<char32_t> ch = cp932.Decode(KutenToSjis(kuten));
    if (!ch || PrivateUse(*ch)) {
        return std::nullopt;
    }
    return ch;
}

Glyph BuildGlyph(const OutlineFont& font, char32_t ch, const StrokeOptions& options) {
    if (const auto ruled = BoxDrawingStrokes(ch)) {
        return EncodeStrokes(*ruled, 0, 255);
    }
    if (const auto composed = ComposedStrokes(font, ch, options)) {
        return EncodeStrokes(*composed, kLowestStep, kHighestStep);
    }
    const std::vector<Polyline> strokes = OutlineStrokes(font, ch, options);
    return EncodeStrokes(strokes, kLowestStep, kHighestStep);
}

std::vector<Glyph> BuildFont(const FontSource& source, const StrokeOptions& options,
                             unsigned threads) {
    std::vector<Glyph> slots(kSlotCount);
    std::atomic<int> next{0};
    auto work = [&]() {
        const OutlineFont font(source.path, source.family);
        const Cp932 cp932;
        for (int i = next++; i < kSlotCount; i = next++) {
            if (const std::optional<char32_t> ch = SlotCharacter(cp932, SlotKuten(i))) {
                slots[i] = BuildGlyph(font, *ch, options);
            }
        }
    };
    std::vector<std::exception_ptr> failures(std::max(1u, threads));
    std::vector<std::thread> workers;
    for (std::exception_ptr& failure : failures) {
        workers.emplace_back([&work, &failure, &next]() {
            try {
                work();
            } catch (...) {
                failure = std::current_exception();
                next = kSlotCount; // no point in the others carrying on
            }
        });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    for (const std::exception_ptr& failure : failures) {
        if (failure) {
            std::rethrow_exception(failure);
        }
    }
    return slots;
}

} // namespace mkvecfont
