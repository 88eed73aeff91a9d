#include "Thinning.h"

#include "Neighbourhood.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <vector>

namespace mkvecfont {

namespace {

bool Bit(std::uint8_t code, int k) {
    return (code >> k & 1) != 0;
}

// Zhang-Suen's deletion rule for each of its two sub-iterations.
const std::array<std::array<bool, 256>, 2> kPeelable = [] {
    std::array<std::array<bool, 256>, 2> table{};
    for (int c = 0; c < 256; ++c) {
        const auto code = static_cast<std::uint8_t>(c);
        const int count = std::popcount(code);
        int rises = 0;
        for (int k = 0; k < 8; ++k) {
            rises += !Bit(code, k) && Bit(code, (k + 1) % 8) ? 1 : 0;
        }
        const bool n = Bit(code, 0);
        const bool e = Bit(code, 2);
        const bool s = Bit(code, 4);
        const bool w = Bit(code, 6);
        const bool candidate = count >= 2 && count <= 6 && rises == 1;
        table[0][c] = candidate && !(n && e && s) && !(e && s && w);
        table[1][c] = candidate && !(n && e && w) && !(n && s && w);
    }
    return table;
}();

// A pixel whose removal keeps its neighbours connected and opens no hole.
bool Redundant(std::uint8_t code) {
    const bool openSide = !Bit(code, 0) || !Bit(code, 2) || !Bit(code, 4) || !Bit(code, 6);
    return std::popcount(code) >= 2 && openSide && NeighbourGroups(code) == 1;
}

// Works on a copy framed by one blank pixel, so neighbours never need bounds checks.
class Thinner {
public:
    explicit Thinner(const Bitmap& ink)
        : width_(ink.Width() + 2), pixels_(static_cast<std::size_t>(width_) * (ink.Height() + 2)) {
        for (int y = 0; y < ink.Height(); ++y) {
            for (int x = 0; x < ink.Width(); ++x) {
                pixels_[At(x, y)] = ink(x, y) != 0 ? kInk : kBlank;
            }
        }
        for (int k = 0; k < 8; ++k) {
            step_[k] = kNeighbourDy[k] * width_ + kNeighbourDx[k];
        }
    }

    Bitmap Run() {
        Peel();
        StripStaircases();
        Bitmap thin(width_ - 2, static_cast<int>(pixels_.size()) / width_ - 2);
        for (int y = 0; y < thin.Height(); ++y) {
            for (int x = 0; x < thin.Width(); ++x) {
                thin(x, y) = pixels_[At(x, y)] != kBlank ? 1 : 0;
            }
        }
        return thin;
    }

private:
    static constexpr unsigned char kBlank = 0;
    static constexpr unsigned char kInk = 1;
    // Ink marked for deletion in the current sub-iteration; still ink to its neighbours.
    static constexpr unsigned char kDoomed = 2;

    int At(int x, int y) const { return (y + 1) * width_ + x + 1; }

    // The neighbourhood code of pixel i (bit order as in Neighbourhood.h), spelled out: this
    // is the innermost loop of the whole font build.
    std::uint8_t Code(int i) const {
        const unsigned char* p = pixels_.data() + i;
        const int w = width_;
        const unsigned c = (p[w] != 0 ? 1u : 0u) | (p[w + 1] != 0 ? 2u : 0u) |
                           (p[1] != 0 ? 4u : 0u) | (p[1 - w] != 0 ? 8u : 0u) |
                           (p[-w] != 0 ? 16u : 0u) | (p[-w - 1] != 0 ? 32u : 0u) |
                           (p[-1] != 0 ? 64u : 0u) | (p[w - 1] != 0 ? 128u : 0u);
        return static_cast<std::uint8_t>(c);
    }

    bool TouchesSurvivor(int i) const {
        for (int k = 0; k < 8; ++k) {
            if (pixels_[i + step_[k]] == kInk) {
                return true;
            }
        }
        return false;
    }

    // Zhang-Suen, in two alternating sub-iterations. A pixel's verdict only changes when a
    // neighbour goes, so only pixels next to a deletion are looked at again.
    void Peel() {
        constexpr unsigned char kBothPasses = 3;
        std::vector<unsigned char> pending(pixels_.size(), 0);
        std::vector<int> candidates;
        for (int i = 0; i < static_cast<int>(pixels_.size()); ++i) {
            if (pixels_[i] != kBlank && Code(i) != 0xFF) {
                pending[i] = kBothPasses;
                candidates.push_back(i);
            }
        }
        std::vector<int> doomed;
        for (int idle = 0, pass = 0; idle < 2; pass ^= 1) {
            doomed.clear();
            const unsigned char bit = pass == 0 ? 1 : 2;
            for (int i : candidates) {
                if ((pending[i] & bit) != 0) {
                    pending[i] &= static_cast<unsigned char>(~bit);
                    if (kPeelable[pass][Code(i)]) {
                        doomed.push_back(i);
                    }
                }
            }
            for (int i : doomed) {
                pixels_[i] = kDoomed;
            }
            SpareVanishingBlobs(doomed);
            idle = std::any_of(doomed.begin(), doomed.end(),
                               [this](int i) { return pixels_[i] == kDoomed; })
                       ? 0
                       : idle + 1;
            for (int i : doomed) {
                if (pixels_[i] != kDoomed) {
                    continue;
                }
                pixels_[i] = kBlank;
                pending[i] = 0;
                for (int k = 0; k < 8; ++k) {
                    const int n = i + step_[k];
                    if (pixels_[n] != kBlank && pixels_[n] != kDoomed) {
                        if (pending[n] == 0) {
                            candidates.push_back(n);
                        }
                        pending[n] = kBothPasses;
                    }
                }
            }
            std::erase_if(candidates, [&pending](int i) { return pending[i] == 0; });
        }
    }

    // Zhang-Suen deletes some small blobs whole (every pixel of a 2 x 2 square is
    // deletable at once); keep the pixel nearest the middle of any blob about to vanish.
    void SpareVanishingBlobs(const std::vector<int>& doomed) {
        std::vector<int> blob;
        for (int start : doomed) {
            if (pixels_[start] != kDoomed || TouchesSurvivor(start)) {
                continue;
            }
            blob.assign({start});
            bool vanishing = true;
            for (std::size_t b = 0; b < blob.size() && vanishing; ++b) {
                vanishing = !TouchesSurvivor(blob[b]);
                for (int k = 0; k < 8; ++k) {
                    const int n = blob[b] + step_[k];
                    if (pixels_[n] == kDoomed &&
                        std::find(blob.begin(), blob.end(), n) == blob.end()) {
                        blob.push_back(n);
                    }
                }
            }
            if (vanishing) {
                pixels_[MiddleOf(blob)] = kInk;
            }
        }
    }

    int MiddleOf(const std::vector<int>& blob) const {
        const auto n = static_cast<long>(blob.size());
        long sumX = 0;
        long sumY = 0;
        for (int i : blob) {
            sumX += i % width_;
            sumY += i / width_;
        }
        auto offCentre = [&](int i) {
            return std::abs(i % width_ * n - sumX) + std::abs(i / width_ * n - sumY);
        };
        return *std::min_element(blob.begin(), blob.end(),
                                 [&](int a, int b) { return offCentre(a) < offCentre(b); });
    }

    // Zhang-Suen leaves staircase corners; removing them gives every centre line pixel
    // exactly its path neighbours.
    void StripStaircases() {
        std::vector<int> thin;
        for (int i = 0; i < static_cast<int>(pixels_.size()); ++i) {
            if (pixels_[i] != kBlank) {
                thin.push_back(i);
            }
        }
        for (bool changed = true; changed;) {
            changed = false;
            for (int i : thin) {
                if (pixels_[i] != kBlank && Redundant(Code(i))) {
                    pixels_[i] = kBlank;
                    changed = true;
                }
            }
        }
    }

    int width_;
    std::vector<unsigned char> pixels_;
    std::array<int, 8> step_{};
};

} // namespace

Grid<float> InkDepth(const Bitmap& ink) {
    // Chamfer distance with weights 3 (edge) and 4 (corner), two raster passes over a copy
    // framed by background.
    constexpr int kFar = 1 << 20;
    const int w = ink.Width() + 2;
    const int h = ink.Height() + 2;
    std::vector<int> d(static_cast<std::size_t>(w) * h, 0);
    for (int y = 0; y < ink.Height(); ++y) {
        for (int x = 0; x < ink.Width(); ++x) {
            d[(y + 1) * w + x + 1] = ink(x, y) != 0 ? kFar : 0;
        }
    }
    for (int i = w + 1; i < w * (h - 1) - 1; ++i) {
        if (d[i] != 0) {
            d[i] = std::min({d[i], d[i - 1] + 3, d[i - w - 1] + 4, d[i - w] + 3, d[i - w + 1] + 4});
        }
    }
    for (int i = w * (h - 1) - 2; i > w; --i) {
        if (d[i] != 0) {
            d[i] = std::min({d[i], d[i + 1] + 3, d[i + w + 1] + 4, d[i + w] + 3, d[i + w - 1] + 4});
        }
    }
    Grid<float> depth(ink.Width(), ink.Height());
    for (int y = 0; y < ink.Height(); ++y) {
        for (int x = 0; x < ink.Width(); ++x) {
            depth(x, y) = static_cast<float>(d[(y + 1) * w + x + 1]) / 3.0f;
        }
    }
    return depth;
}

Bitmap Skeletonize(const Bitmap& ink) {
    return Thinner(ink).Run();
}

} // namespace mkvecfont
