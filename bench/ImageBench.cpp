#include "ExHeadlessView.h"
#include "ExImageParts.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

constexpr int kPhotoWidth = 4000;
constexpr int kPhotoHeight = 3000;

// A photo-sized picture with smooth gradients and fine detail, so that averaging has work to do.
const std::vector<std::uint32_t>& Photo() {
    static const std::vector<std::uint32_t> pixels = [] {
        std::vector<std::uint32_t> p(std::size_t(kPhotoWidth) * kPhotoHeight);
        for (int y = 0; y < kPhotoHeight; ++y) {
            for (int x = 0; x < kPhotoWidth; ++x) {
                const std::uint32_t r = std::uint32_t(x * 255 / kPhotoWidth);
                const std::uint32_t g = std::uint32_t(y * 255 / kPhotoHeight);
                const std::uint32_t b = std::uint32_t((x ^ y) & 0xFF);
                p[std::size_t(y) * kPhotoWidth + std::size_t(x)] =
                    0xFF000000 | (r << 16) | (g << 8) | b;
            }
        }
        return p;
    }();
    return pixels;
}

ExImagePixels PhotoPixels() {
    return {kPhotoWidth, kPhotoHeight, Photo().data(), kPhotoWidth};
}

// The photo as a 10 m × 7.5 m element at 1/50: 200 mm × 150 mm on a 96-dpi screen, 756 × 567
// pixels.
class PhotoElement {
public:
    explicit PhotoElement(int angle) : m_image(1000000, 1000000) {
        SetImageDisplay({96, 1920, 1040});
        m_image.MakeStoredImage(PhotoPixels());
        m_image.SetWidth(1000000);
        m_image.SetHeight(750000);
        m_image.SetAngle(angle);
        m_image.UpdateParts();
    }
    CExImageParts& Image() { return m_image; }

private:
    CExHeadlessView m_view{50, 25, 25, 96};
    ExActiveViewScope m_active{&m_view};
    CExImageParts m_image;
};

void BM_MakeStoredImageOfAPhoto(benchmark::State& state) {
    CExImageParts image;
    for (auto _ : state) {
        benchmark::DoNotOptimize(image.MakeStoredImage(PhotoPixels()));
    }
}
BENCHMARK(BM_MakeStoredImageOfAPhoto)->Unit(benchmark::kMillisecond);

void BM_ZoomedCopyOfAPhotoAtOneFiftieth(benchmark::State& state) {
    PhotoElement photo(30);
    for (auto _ : state) {
        benchmark::DoNotOptimize(photo.Image().MakeScaledImage());
    }
    state.counters["pixels"] =
        photo.Image().GetScaledPixelWidth() * photo.Image().GetScaledPixelHeight();
}
BENCHMARK(BM_ZoomedCopyOfAPhotoAtOneFiftieth)->Unit(benchmark::kMillisecond);

void BM_RotatedCopyOfAPhotoAtThirtyDegrees(benchmark::State& state) {
    PhotoElement photo(30);
    for (auto _ : state) {
        // The zoomed copy is made once above; each turn starts from it.
        photo.Image().RotateDrawLines();
        benchmark::DoNotOptimize(photo.Image().RotatedImage().Width());
    }
    state.counters["pixels"] = photo.Image().GetRotPixelWidth() * photo.Image().GetRotPixelHeight();
}
BENCHMARK(BM_RotatedCopyOfAPhotoAtThirtyDegrees)->Unit(benchmark::kMillisecond);

void BM_UpdatePartsOfAPhotoAtOneFiftiethAndThirtyDegrees(benchmark::State& state) {
    PhotoElement photo(30);
    for (auto _ : state) {
        photo.Image().UpdateParts();
        photo.Image().RecalcParts();
        benchmark::DoNotOptimize(photo.Image().GetUpdateRect());
    }
}
BENCHMARK(BM_UpdatePartsOfAPhotoAtOneFiftiethAndThirtyDegrees)->Unit(benchmark::kMillisecond);

} // namespace
