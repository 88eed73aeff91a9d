#pragma once

#include <QDialog>

class QCheckBox;

// The notice shown before an area measurement starts: pillars wholly inside the area are
// subtracted from it, pillars reaching out of it are not. Its box turns the notice off.
class CExAreaAttentionDialog final : public QDialog {
    Q_OBJECT

public:
    explicit CExAreaAttentionDialog(QWidget* parent = nullptr);

    // Whether the notice is to be shown again next time (the box left unchecked).
    bool ShowAgain() const;

private:
    QCheckBox* m_pDontShow;
};
