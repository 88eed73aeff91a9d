#pragma once

#include "ExTypes.h"

#include <cstdint>
#include <string>

// The scale bar printed above the sheet: the bar and its label ("5m", "50cm").
struct ExPrintScaleBar {
    int length = 0; // drawing units
    std::string label;
};

// The bar of a sheet of the given width in whole metres: longer bars for wider sheets.
ExPrintScaleBar PrintScaleBarFor(int mapWidthM);

// The print form proposed for a drawing: its layout view prints the layout only, its wiring view
// the wiring only; another mode keeps the current form (0 whole, 1 layout, 2 wiring).
int PreselectedPrintForm(int viewMode, int currentForm);

// What a print puts on which page. Paper lengths are view units (0.01 mm), the sheet is in
// drawing units; a page's origin is the view point shown at the top-left of its printable area.
// A print at the fitted divisor is one page with the sheet and its scale bar centred; a print
// at a chosen divisor covers the sheet with whole pages, left to right and rows from the bottom
// of the sheet upwards, so that the first page shows the sheet's bottom-left corner.
class CExPrintLayout {
public:
    static constexpr int kMinScale = 10;
    static constexpr int kMaxScale = 5000;
    // More pages than this is a divisor typed by mistake, not a plan anyone tapes together.
    static constexpr int kMaxPages = 1000;
    // The blank border a fitted print keeps inside the printable area: the width of the
    // screen's ruler bars, so that a fitted print shows what the window shows.
    static constexpr int kFitMargin = 529;

    // The smallest divisor, within kMinScale..kMaxScale, at which the sheet, its scale bar and
    // the border fit the page.
    static int FittedScale(int mapWidthM, int mapHeightM, ExPoint page);
    // The pages of a print at 1/scale, or at the fitted divisor on one page when scale is 0.
    static CExPrintLayout Make(int mapWidthM, int mapHeightM, ExPoint page, int scale);

    int Scale() const { return m_nScale; }
    bool IsFitted() const { return m_bFitted; }
    int PagesAcross() const { return static_cast<int>(m_nPagesAcross); }
    int PagesDown() const { return static_cast<int>(m_nPagesDown); }
    std::int64_t PageCount() const { return m_nPagesAcross * m_nPagesDown; }
    bool HasTooManyPages() const { return PageCount() > kMaxPages; }
    ExPoint Page() const { return m_ptPage; }
    // The sheet in view units at the print divisor.
    ExPoint SheetView() const { return m_ptSheet; }
    const ExPrintScaleBar& ScaleBar() const { return m_scaleBar; }
    int ScaleBarViewLength() const { return m_scaleBar.length / m_nScale; }

    // Pages are counted from 0; columns from the left, rows from the bottom.
    int Column(int page) const { return page % PagesAcross(); }
    int Row(int page) const { return page / PagesAcross(); }
    ExPoint PageOrigin(int page) const;
    // The page's place in the grid, column then row counted from 1 ("2-1"), and the scale
    // ("1/50"), for the margin of a print of several pages.
    std::string PageMark(int page) const;
    std::string ScaleMark() const;

private:
    int m_nScale = 100;
    bool m_bFitted = false;
    std::int64_t m_nPagesAcross = 1;
    std::int64_t m_nPagesDown = 1;
    ExPoint m_ptPage;
    ExPoint m_ptSheet;
    ExPoint m_ptFittedOrigin;
    ExPrintScaleBar m_scaleBar;
};
