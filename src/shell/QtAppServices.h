#pragma once

#include "ExAppServices.h"

class QWidget;

// The application services of the running program: Qt message boxes over the main window and
// the drawing defaults and cable kinds loaded from the settings.
class CQtAppServices final : public CExAppServices {
public:
    ExMessageResult MessageBox(std::string_view text, ExMessageIcon icon,
                               ExMessageButtons buttons) override;
    const ExDrawingDefaults& DrawingDefaults() const override { return m_defaults; }
    const std::vector<tagCABLEINFO>& CableKinds() const override { return m_cableKinds; }

    void SetDrawingDefaults(const ExDrawingDefaults& defaults) { m_defaults = defaults; }
    void SetCableKinds(std::vector<tagCABLEINFO> kinds) { m_cableKinds = std::move(kinds); }
    void SetParentWindow(QWidget* parent) { m_parent = parent; }

private:
    ExDrawingDefaults m_defaults;
    std::vector<tagCABLEINFO> m_cableKinds;
    QWidget* m_parent = nullptr;
};
