#pragma once

#include "DrawSettingPage.h"

#include <array>

class QButtonGroup;
class QStackedWidget;

// "グリッド粒度設定": the grid of each of the view's two zoom bands. A radio button picks the
// band whose four fields are shown; leaving a band requires its fields to be valid.
class CExDrawGridUnitTab final : public CExDrawSettingPage {
    Q_OBJECT

public:
    // The bands, as the radio buttons' ids: zoom 1/1 to 1/129 (cm), and 1/130 on (m).
    static constexpr int kBigBand = 0;
    static constexpr int kSmallBand = 1;

    explicit CExDrawGridUnitTab(const ExDrawingDefaults& defaults, QWidget* parent = nullptr);

    void Store(ExDrawingDefaults& defaults) const override;
    int ShownBand() const;

protected:
    std::vector<CRangeSpinBox*> CheckingOrder() const override;
    void Reveal(CRangeSpinBox* field) override;

private:
    // Interval X, interval Y, large lattice X, large lattice Y.
    using Band = std::array<CRangeSpinBox*, 4>;

    QWidget* BuildBand(const Band& band, const QString& unit);
    void OnBandClicked(int band);
    void ShowBand(int band);

    std::array<Band, 2> m_bands{};
    QButtonGroup* m_pBandButtons;
    QStackedWidget* m_pStack;
};
