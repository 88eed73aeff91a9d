#pragma once

#include <QWidget>

class QButtonGroup;
class QRadioButton;

// The page of the print settings dialog that chooses what is printed: the whole drawing (form 0),
// the layout without cables (form 1) or the cables alone (form 2).
class CPrintFormDlg final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWhole = 0;
    static constexpr int kLayoutOnly = 1;
    static constexpr int kWiringOnly = 2;

    explicit CPrintFormDlg(QWidget* parent = nullptr);

    // The form of the checked button.
    int Form() const;
    // A form outside 0..2 checks the whole drawing, so that OK always has a form to give.
    void SetForm(int form);
    QRadioButton* FormButton(int form) const;

private:
    QButtonGroup* m_pGroup;
};
