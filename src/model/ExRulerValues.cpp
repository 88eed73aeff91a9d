// The distance ruler's dialog values: its arrows' steps, the typed length and the write-back.

#include "ExMeasure.h"
#include "ExPropertyValues.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

// Lengths in drawing units: 1 mm = 100, 1 m = 100000.
constexpr std::int64_t kMm = 100;
constexpr std::int64_t kM = 100000;
// The smallest length the arrows offer (1 mm); going below it would only offer a length the
// dialog refuses.
constexpr std::int64_t kSmallest = kMm;
constexpr std::size_t kCheckedCharacters = 15;
constexpr int kMetreDecimals = 5; // drawing units are 0.00001 m

std::int64_t RoundUp(std::int64_t value, std::int64_t unit) {
    return (value + unit - 1) / unit * unit;
}

std::int64_t RoundDown(std::int64_t value, std::int64_t unit) {
    return value / unit * unit;
}

// In millimetres the arrows move by whole millimetres, centimetres and decimetres, and the
// larger steps first catch up with their multiple.
std::int64_t MillimetreStep(std::int64_t length, int step) {
    switch (step) {
    case 1:
        return length + kMm;
    case 5:
        return length + (length % (10 * kMm) != 0 ? kMm : 10 * kMm);
    case 20:
        return length + (length % (100 * kMm) != 0 ? 10 * kMm : 100 * kMm);
    case -1:
        return length < 2 * kMm ? length : length - kMm;
    case -5:
        if (length <= 10 * kMm) {
            return kSmallest;
        }
        return length - (length % (10 * kMm) != 0 ? kMm : 10 * kMm);
    case -20:
        if (length <= 100 * kMm) {
            return kSmallest;
        }
        return length - (length % (100 * kMm) != 0 ? 10 * kMm : 100 * kMm);
    default:
        return length;
    }
}

// In metres the arrows move by 1 m, and the larger steps to the next multiple of 10 m and
// 100 m.
std::int64_t MetreStep(std::int64_t length, int step) {
    switch (step) {
    case 1:
        return length + kM;
    case 5:
        return RoundUp(length, 10 * kM) + 10 * kM;
    case 20:
        return RoundUp(length, 100 * kM) + 100 * kM;
    case -1:
        return length >= kM ? length - kM : kSmallest;
    case -5:
        return length > 10 * kM ? RoundDown(length, 10 * kM) - 10 * kM : kSmallest;
    case -20:
        return length > 100 * kM ? RoundDown(length, 100 * kM) - 100 * kM : kSmallest;
    default:
        return length;
    }
}

} // namespace

int StepRulerLength(int length, int unit, int step) {
    const std::int64_t next =
        unit == CExMeasure::kUnitMetre ? MetreStep(length, step) : MillimetreStep(length, step);
    // The arrows stop at their maximum, but never shorten a longer ruler on the way up, and
    // on the way down never go below the smallest length they offer.
    const std::int64_t ceiling = std::max<std::int64_t>(length, kRulerStepMaximum);
    if (step > 0) {
        return static_cast<int>(std::min(next, ceiling));
    }
    return static_cast<int>(std::clamp(next, std::min<std::int64_t>(length, kSmallest), ceiling));
}

std::optional<int> ParseRulerLength(std::string_view text, int unit) {
    text = text.substr(0, std::min(text.size(), kCheckedCharacters));
    const bool metres = unit == CExMeasure::kUnitMetre;
    // Decimal digits are taken exactly: 2.3 m is 230000 units, not one less through a double.
    std::int64_t whole = 0;
    std::int64_t fraction = 0;
    int decimals = -1; // digits after the point; -1 before it
    bool anyDigit = false;
    for (const char c : text) {
        if (c == '.') {
            if (!metres || decimals >= 0) {
                return std::nullopt;
            }
            decimals = 0;
            continue;
        }
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        anyDigit = true;
        if (decimals < 0) {
            whole = whole * 10 + (c - '0');
            if (whole > std::numeric_limits<std::int32_t>::max()) {
                return std::nullopt;
            }
        } else if (decimals < kMetreDecimals) {
            fraction = fraction * 10 + (c - '0');
            ++decimals;
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    std::int64_t length = whole * kMm;
    if (metres) {
        for (int d = std::max(decimals, 0); d < kMetreDecimals; ++d) {
            fraction *= 10;
        }
        length = whole * kM + fraction;
    }
    if (length <= 0 || length > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(length);
}

ExRulerValues ExRulerValues::FromPart(const CExMeasure& ruler) {
    return {ruler.GetStyle(), ruler.GetUnit(), ruler.GetLength()};
}

bool ExRulerValues::ApplyTo(CExMeasure& ruler, const std::vector<CExParts*>& elements) const {
    const ExRulerValues before = FromPart(ruler);
    ruler.SetStyle(style);
    ruler.SetUnit(unit);
    // Setting a length pushes the second end a little beyond it, so a ruler whose length was
    // not changed keeps its ends where they are.
    if (length != before.length) {
        ruler.SetLength(length);
        if (!ruler.ApplyRulerLength(elements)) {
            ruler.SetStyle(before.style);
            ruler.SetUnit(before.unit);
            ruler.SetLength(before.length);
            return false;
        }
    }
    ruler.SetRedrawFlag(1);
    ruler.UpdateParts();
    ruler.RecalcParts();
    return true;
}
