#include "OutlineFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>
#include <stdexcept>
#include <vector>

namespace mkvecfont {

namespace {

constexpr int kInkThreshold = 128;
constexpr int kCurveSteps = 8;
// Where the ideographic em square sits below the baseline when the font doesn't say.
constexpr double kDefaultEmBottom = -0.12;
// Capital height above the baseline when the font doesn't say.
constexpr double kDefaultCapHeight = 0.7;

void Check(FT_Error error, const std::string& what) {
    if (error != 0) {
        throw std::runtime_error(what + " (FreeType error " + std::to_string(error) + ")");
    }
}

int Side(const EmPlacement& placement) {
    return static_cast<int>(std::lround((256 + 2 * placement.border) * placement.pixelsPerStep));
}

Point FromFt(const FT_Vector* v) {
    return {v->x / 64.0, v->y / 64.0};
}

struct Flattener {
    std::vector<Polyline> contours;

    static Flattener& Of(void* user) { return *static_cast<Flattener*>(user); }
    Point Last() const { return contours.back().back(); }

    static int MoveTo(const FT_Vector* to, void* user) {
        Of(user).contours.push_back({FromFt(to)});
        return 0;
    }
    static int LineTo(const FT_Vector* to, void* user) {
        Of(user).contours.back().push_back(FromFt(to));
        return 0;
    }
    static int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
        Flattener& f = Of(user);
        const Point p0 = f.Last();
        const Point p1 = FromFt(control);
        const Point p2 = FromFt(to);
        for (int i = 1; i <= kCurveSteps; ++i) {
            const double t = static_cast<double>(i) / kCurveSteps;
            const double u = 1 - t;
            f.contours.back().push_back(p0 * (u * u) + p1 * (2 * u * t) + p2 * (t * t));
        }
        return 0;
    }
    static int CubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
        Flattener& f = Of(user);
        const Point p0 = f.Last();
        const Point p1 = FromFt(c1);
        const Point p2 = FromFt(c2);
        const Point p3 = FromFt(to);
        for (int i = 1; i <= kCurveSteps; ++i) {
            const double t = static_cast<double>(i) / kCurveSteps;
            const double u = 1 - t;
            f.contours.back().push_back(p0 * (u * u * u) + p1 * (3 * u * u * t) +
                                        p2 * (3 * u * t * t) + p3 * (t * t * t));
        }
        return 0;
    }
};

} // namespace

struct OutlineFont::Impl {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    // Baseline height above the bottom of the em square, in em.
    double baseline = -kDefaultEmBottom;
    // Capital height above the baseline, in em.
    double capHeight = kDefaultCapHeight;

    // Loads `ch` scaled and moved to its place in the bitmap; null if the font lacks it.
    FT_Outline* Place(char32_t ch, const EmPlacement& placement) const {
        const FT_UInt index = FT_Get_Char_Index(face, ch);
        if (index == 0) {
            return nullptr;
        }
        const double pps = placement.pixelsPerStep;
        const double emPixels = placement.size * pps;
        Check(FT_Set_Char_Size(face, 0, std::lround(emPixels * 64), 72, 72), "cannot scale font");
        Check(FT_Load_Glyph(face, index, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP),
              "cannot load glyph");
        FT_GlyphSlot slot = face->glyph;
        if (slot->format != FT_GLYPH_FORMAT_OUTLINE) {
            return nullptr;
        }
        // Narrower-than-em glyphs (Greek, Cyrillic) are centred in the cell.
        const double advance = slot->linearHoriAdvance / 65536.0;
        const double dx = (placement.left + placement.border) * pps + (emPixels - advance) / 2;
        const double dy = (placement.bottom + placement.border) * pps + baseline * emPixels;
        FT_Outline_Translate(&slot->outline, std::lround(dx * 64), std::lround(dy * 64));
        return &slot->outline;
    }

    ~Impl() {
        if (face != nullptr) {
            FT_Done_Face(face);
        }
        if (library != nullptr) {
            FT_Done_FreeType(library);
        }
    }
};

OutlineFont::OutlineFont(const std::string& path, const std::string& family)
    : impl_(std::make_unique<Impl>()) {
    Check(FT_Init_FreeType(&impl_->library), "cannot start FreeType");
    FT_Face probe = nullptr;
    Check(FT_New_Face(impl_->library, path.c_str(), -1, &probe), "cannot open " + path);
    const FT_Long faceCount = probe->num_faces;
    FT_Done_Face(probe);
    for (FT_Long i = 0; i < faceCount && impl_->face == nullptr; ++i) {
        FT_Face face = nullptr;
        Check(FT_New_Face(impl_->library, path.c_str(), i, &face), "cannot open " + path);
        if (face->family_name != nullptr && family == face->family_name && FT_IS_SCALABLE(face)) {
            impl_->face = face;
        } else {
            FT_Done_Face(face);
        }
    }
    if (impl_->face == nullptr) {
        throw std::runtime_error(path + " has no scalable face of the family \"" + family + "\"");
    }
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(impl_->face, FT_SFNT_OS2));
    const double unitsPerEm = impl_->face->units_per_EM;
    // Fonts made for Japanese put the em square in the typographic ascender/descender.
    if (os2 != nullptr && std::abs(os2->sTypoAscender - os2->sTypoDescender - unitsPerEm) < 2) {
        impl_->baseline = -os2->sTypoDescender / unitsPerEm;
    }
    if (os2 != nullptr && os2->version >= 2 && os2->sCapHeight > 0) {
        impl_->capHeight = os2->sCapHeight / unitsPerEm;
    }
}

OutlineFont::~OutlineFont() = default;

std::string OutlineFont::FamilyName() const {
    return impl_->face->family_name;
}

double OutlineFont::Baseline() const {
    return impl_->baseline;
}

double OutlineFont::CapHeight() const {
    return impl_->baseline + impl_->capHeight;
}

bool OutlineFont::HasGlyph(char32_t ch) const {
    return FT_Get_Char_Index(impl_->face, ch) != 0;
}

Bitmap OutlineFont::Render(char32_t ch, const EmPlacement& placement) const {
    const int size = Side(placement);
    Bitmap result(size, size);
    FT_Outline* outline = impl_->Place(ch, placement);
    if (outline == nullptr) {
        return result;
    }
    std::vector<unsigned char> gray(static_cast<std::size_t>(size) * size, 0);
    FT_Bitmap target{};
    target.rows = static_cast<unsigned>(size);
    target.width = static_cast<unsigned>(size);
    target.pitch = size;
    target.buffer = gray.data();
    target.num_grays = 256;
    target.pixel_mode = FT_PIXEL_MODE_GRAY;
    Check(FT_Outline_Get_Bitmap(impl_->library, outline, &target), "cannot rasterise");
    for (int row = 0; row < size; ++row) {
        for (int x = 0; x < size; ++x) {
            if (gray[static_cast<std::size_t>(row) * size + x] >= kInkThreshold) {
                result(x, size - 1 - row) = 1;
            }
        }
    }
    return result;
}

std::vector<Polyline> OutlineFont::Contours(char32_t ch, const EmPlacement& placement) const {
    FT_Outline* outline = impl_->Place(ch, placement);
    if (outline == nullptr) {
        return {};
    }
    FT_Outline_Funcs funcs{};
    funcs.move_to = &Flattener::MoveTo;
    funcs.line_to = &Flattener::LineTo;
    funcs.conic_to = &Flattener::ConicTo;
    funcs.cubic_to = &Flattener::CubicTo;
    Flattener flattener;
    Check(FT_Outline_Decompose(outline, &funcs, &flattener), "cannot read outline");
    for (Polyline& contour : flattener.contours) {
        if (!(contour.front() == contour.back())) {
            contour.push_back(contour.front());
        }
    }
    return std::move(flattener.contours);
}

} // namespace mkvecfont
