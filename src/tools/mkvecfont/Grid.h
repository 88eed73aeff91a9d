#pragma once

#include <cstddef>
#include <vector>

namespace mkvecfont {

// A raster with y pointing up; reads outside the raster give the default value, so
// neighbourhood code needs no edge cases.
template <typename T> class Grid {
public:
    Grid() = default;
    Grid(int width, int height, T fill = T{})
        : width_(width), height_(height), cells_(static_cast<std::size_t>(width) * height, fill) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    T At(int x, int y) const { return Contains(x, y) ? cells_[Index(x, y)] : T{}; }
    T& operator()(int x, int y) { return cells_[Index(x, y)]; }
    T operator()(int x, int y) const { return cells_[Index(x, y)]; }
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<T> cells_;
};

using Bitmap = Grid<unsigned char>;

} // namespace mkvecfont
