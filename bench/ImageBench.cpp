#include "ExDibRotate.h"
#include "ExDibStretch.h"
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

// The photo as a 10 m × 7.5 m element turned by 30° at 1/50: 200 mm × 150 mm on a 96-dpi
// screen, 756 × 567 pixels.
class PhotoElement {
public:
    PhotoElement() : m_image(1000000, 1000000) {
        SetImageDisplay({96, 1920, 1040});
        m_image.MakeStoredImage(PhotoPixels());
        m_image.SetWidth(1000000);
        m_image.SetHeight(750000);
        m_image.SetAngle(30);
        m_image.UpdateParts();
    }
    CExImageParts& Image() { return m_image; }
    CExHeadlessView& View() { return m_view; }

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

// The element's own work at every zoom: the area-averaging stretch of the stored photo.
void BM_ZoomedCopyOfAPhotoAtOneFiftieth(benchmark::State& state) {
    PhotoElement photo;
    const CExImageParts& image = photo.Image();
    for (auto _ : state) {
        const CExDib16 zoomed = StretchDib16(image.StoredImage(), image.GetScaledPixelWidth(),
                                             image.GetScaledPixelHeight());
        benchmark::DoNotOptimize(zoomed.Row(0));
    }
    state.counters["pixels"] = image.GetScaledPixelWidth() * image.GetScaledPixelHeight();
}
BENCHMARK(BM_ZoomedCopyOfAPhotoAtOneFiftieth)->Unit(benchmark::kMillisecond);

// ... and at every turn: the inverse mapping of the zoomed copy.
void BM_RotatedCopyOfAPhotoAtThirtyDegrees(benchmark::State& state) {
    PhotoElement photo;
    const CExImageParts& image = photo.Image();
    for (auto _ : state) {
        const CExDib16 turned = RotateDib16(image.ScaledImage(), image.Rotation(), 0x7FFF);
        benchmark::DoNotOptimize(turned.Row(0));
    }
    state.counters["pixels"] = image.GetRotPixelWidth() * image.GetRotPixelHeight();
}
BENCHMARK(BM_RotatedCopyOfAPhotoAtThirtyDegrees)->Unit(benchmark::kMillisecond);

// A zoom step (1/50 and 1/51 in turn) remakes both copies.
void BM_UpdatePartsOfAPhotoAfterAZoom(benchmark::State& state) {
    PhotoElement photo;
    int scale = 50;
    for (auto _ : state) {
        scale = scale == 50 ? 51 : 50;
        photo.View().SetViewScale(scale);
        photo.Image().UpdateParts();
        photo.Image().RecalcParts();
        benchmark::DoNotOptimize(photo.Image().GetUpdateRect());
    }
}
BENCHMARK(BM_UpdatePartsOfAPhotoAfterAZoom)->Unit(benchmark::kMillisecond);

// A move keeps both copies.
void BM_UpdatePartsOfAPhotoAfterAMove(benchmark::State& state) {
    PhotoElement photo;
    int x = 1000000;
    for (auto _ : state) {
        x = x == 1000000 ? 1000500 : 1000000;
        photo.Image().SetPosition(x, 1000000);
        photo.Image().UpdateParts();
        photo.Image().RecalcParts();
        benchmark::DoNotOptimize(photo.Image().GetUpdateRect());
    }
}
BENCHMARK(BM_UpdatePartsOfAPhotoAfterAMove)->Unit(benchmark::kMicrosecond);

} // namespace
