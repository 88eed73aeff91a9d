#pragma once

#include "ExPropertyValues.h"

#include <QDialog>

#include <initializer_list>
#include <string>
#include <vector>

class CRangeSpinBox;
class QButtonGroup;
class QGridLayout;
class QGroupBox;
class QVBoxLayout;

// What the property dialogs of the placed parts share: the part's name and category shown at
// the top, whole-number fields that OK checks in the order they were added (the first outside
// its range shows the range message, takes the focus and keeps the dialog open; a field the
// dialog does not offer is not checked), and OK and Cancel at the bottom.
class CExPropertyBox : public QDialog {
    Q_OBJECT

public slots:
    void accept() override;

protected:
    // The largest size a part's dialog takes as typed (a kilometre); it is cut to the sheet.
    static constexpr int kMaxTypedSizeCm = 100000;

    struct Choice {
        const char* text;
        int value;
        const char* name;
    };

    CExPropertyBox(const QString& title, QWidget* parent);

    // The layout the dialog's rows go into, above the buttons.
    QVBoxLayout* Body() const { return m_pBody; }

    // "部品名 :" and "カテゴリ名 :" with their code page 932 texts, shown only.
    void AddHeader(const std::string& name, const std::string& category);
    // A checked whole-number field; maxDigits > 0 limits how much may be typed.
    CRangeSpinBox* AddField(int minimum, int maximum, int value, const char* name,
                            int maxDigits = 0);
    // A "label field unit" row on a grid.
    void AddRow(QGridLayout* grid, int row, const QString& label, CRangeSpinBox* field,
                const QString& unit);
    // "回転角度:" … "度": a typed angle 0..360, at most three digits, without arrows.
    void AddAngleRow(int angle);
    // The groups "中心座標" (X, Y) and "長さ" (横, 縦) side by side. The centre takes any
    // value from 0 and is cut to the sheet later; the size is checked from 1 up to its
    // maximum. The arrows of both stay on the sheet.
    void AddPlacementGroups(const ExPlacementValues& values, ExSheetSize sheet, int widthMaximum,
                            int heightMaximum);
    // The placement fields as typed; only once they have been checked.
    void CollectPlacement(ExPlacementValues& values) const;
    // A group of radio buttons with each choice's value as its id; the one whose value is
    // checked is pressed (none when no choice has it).
    QButtonGroup* AddChoiceGroup(const QString& title, std::initializer_list<Choice> choices,
                                 int checked, QGroupBox** box = nullptr);
    // The value of the pressed button, or fallback when none is.
    static int CheckedChoice(const QButtonGroup* group, int fallback);

    // Takes the values once every field holds a whole number in range; false keeps the dialog
    // open (after the subclass has said why).
    virtual bool Collect() = 0;

private:
    QVBoxLayout* m_pBody;
    std::vector<CRangeSpinBox*> m_lstFields;
    CRangeSpinBox* m_pAngle = nullptr;
    CRangeSpinBox* m_pCentreX = nullptr;
    CRangeSpinBox* m_pCentreY = nullptr;
    CRangeSpinBox* m_pWidth = nullptr;
    CRangeSpinBox* m_pHeight = nullptr;
};
