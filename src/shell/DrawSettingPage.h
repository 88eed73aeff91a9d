#pragma once

#include <QWidget>

#include <vector>

class CRangeSpinBox;
class QGridLayout;
struct ExDrawingDefaults;
struct ExIntRange;

// One page of the drawing environment settings. A page edits copies of the values; its
// whole-number fields are kept so that OK can check them all before anything is stored.
class CExDrawSettingPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Every field holds a whole number within its range. Shows nothing.
    bool IsValid() const;
    // Checks the fields in order; the first out of range is brought into view, its range message
    // is shown and it takes the focus.
    bool Validate();
    // Writes the page's values into the defaults; only once IsValid holds.
    virtual void Store(ExDrawingDefaults& defaults) const = 0;

protected:
    CRangeSpinBox* AddField(const ExIntRange& range, int value, const QString& name);
    // A "label field unit" row starting at the given column; an empty label or unit leaves its
    // cell empty.
    void AddRow(QGridLayout* grid, int row, int column, const QString& label, CRangeSpinBox* field,
                const QString& unit = {});
    // The order Validate checks the fields in; by default the order they were added.
    virtual std::vector<CRangeSpinBox*> CheckingOrder() const { return m_lstFields; }
    // Makes a field the user must correct visible on the page.
    virtual void Reveal(CRangeSpinBox*) {}

private:
    std::vector<CRangeSpinBox*> m_lstFields;
};
