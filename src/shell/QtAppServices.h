#pragma once

#include "ExAppServices.h"

class QWidget;

// The application services of the running program: Qt message boxes over the main window and
// the drawing defaults loaded from the settings.
class CQtAppServices final : public CExAppServices {
public:
    ExMessageResult MessageBox(std::string_view text, ExMessageIcon icon,
                               ExMessageButtons buttons) override;
    const ExDrawingDefaults& DrawingDefaults() const override { return m_defaults; }

    void SetDrawingDefaults(const ExDrawingDefaults& defaults) { m_defaults = defaults; }
    void SetParentWindow(QWidget* parent) { m_parent = parent; }

private:
    ExDrawingDefaults m_defaults;
    QWidget* m_parent = nullptr;
};
