#include "ExPrintLayout.h"

#include "ExViewSettings.h"
#include "KORVANEXDoc.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::int64_t kUnitsPerMetre = 100000;
constexpr std::int64_t kUnitsPerCentimetre = 1000;

struct ScaleBarRow {
    int sheetWidthM; // the sheet at least this wide
    int lengthCm;
};

constexpr std::array<ScaleBarRow, 11> kScaleBars = {{{860, 15000},
                                                     {660, 12500},
                                                     {510, 10000},
                                                     {390, 7500},
                                                     {222, 5000},
                                                     {60, 2500},
                                                     {40, 1000},
                                                     {17, 500},
                                                     {5, 100},
                                                     {2, 50},
                                                     {1, 25}}};

std::int64_t CeilDiv(std::int64_t value, std::int64_t divisor) {
    return (value + divisor - 1) / divisor;
}

std::int64_t SheetUnits(int metres) {
    return std::int64_t(std::clamp(metres, kMinMapMetres, kMaxMapMetres)) * kUnitsPerMetre;
}

// A page's length with the fit border taken off, never below one unit.
std::int64_t Usable(int pageLength) {
    return std::max<std::int64_t>(1, std::int64_t(pageLength) - CExPrintLayout::kFitMargin);
}

} // namespace

ExPrintScaleBar PrintScaleBarFor(int mapWidthM) {
    // The narrowest sheets take the last row, whatever their width.
    const ScaleBarRow& row =
        *std::find_if(kScaleBars.begin(), kScaleBars.end() - 1,
                      [&](const ScaleBarRow& r) { return r.sheetWidthM <= mapWidthM; });
    ExPrintScaleBar bar;
    bar.length = static_cast<int>(row.lengthCm * kUnitsPerCentimetre);
    const bool inMetres = row.lengthCm % 100 == 0 && row.lengthCm >= 100;
    bar.label =
        inMetres ? std::to_string(row.lengthCm / 100) + "m" : std::to_string(row.lengthCm) + "cm";
    return bar;
}

int PreselectedPrintForm(int viewMode, int currentForm) {
    if (viewMode == excommand::kLayoutView) {
        return 1;
    }
    if (viewMode == excommand::kWiringView) {
        return 2;
    }
    return currentForm;
}

int CExPrintLayout::FittedScale(int mapWidthM, int mapHeightM, ExPoint page) {
    const std::int64_t width = SheetUnits(mapWidthM);
    // The scale bar stands a fifth of its length above the sheet.
    const std::int64_t height = SheetUnits(mapHeightM) + PrintScaleBarFor(mapWidthM).length / 5;
    const std::int64_t scale =
        std::max(CeilDiv(width, Usable(page.x)), CeilDiv(height, Usable(page.y)));
    return static_cast<int>(std::clamp<std::int64_t>(scale, kMinScale, kMaxScale));
}

CExPrintLayout CExPrintLayout::Make(int mapWidthM, int mapHeightM, ExPoint page, int scale) {
    CExPrintLayout layout;
    layout.m_ptPage = {std::max(page.x, 1), std::max(page.y, 1)};
    layout.m_bFitted = scale == 0;
    layout.m_nScale = layout.m_bFitted ? FittedScale(mapWidthM, mapHeightM, layout.m_ptPage)
                                       : std::clamp(scale, kMinScale, kMaxScale);
    layout.m_scaleBar = PrintScaleBarFor(mapWidthM);
    const std::int64_t sheetX = SheetUnits(mapWidthM);
    const std::int64_t sheetY = SheetUnits(mapHeightM);
    layout.m_ptSheet = {static_cast<int>(sheetX / layout.m_nScale),
                        static_cast<int>(sheetY / layout.m_nScale)};
    if (layout.m_bFitted) {
        // The sheet with its scale bar above it, centred on the page.
        const int block = layout.m_ptSheet.y + layout.ScaleBarViewLength() / 5;
        layout.m_ptFittedOrigin = {-(layout.m_ptPage.x - layout.m_ptSheet.x) / 2,
                                   layout.m_ptPage.y - (layout.m_ptPage.y - block) / 2};
        return layout;
    }
    layout.m_nPagesAcross = CeilDiv(layout.m_ptSheet.x, layout.m_ptPage.x);
    layout.m_nPagesDown = CeilDiv(layout.m_ptSheet.y, layout.m_ptPage.y);
    return layout;
}

ExPoint CExPrintLayout::PageOrigin(int page) const {
    if (m_bFitted) {
        return m_ptFittedOrigin;
    }
    return {WrapToInt32(std::int64_t(Column(page)) * m_ptPage.x),
            WrapToInt32(std::int64_t(Row(page) + 1) * m_ptPage.y)};
}

std::string CExPrintLayout::PageMark(int page) const {
    return std::to_string(Column(page) + 1) + "-" + std::to_string(Row(page) + 1);
}

std::string CExPrintLayout::ScaleMark() const {
    return "1/" + std::to_string(m_nScale);
}
