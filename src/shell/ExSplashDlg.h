#pragma once

#include <QIcon>
#include <QPixmap>
#include <QWidget>

// The picture shown while the program starts: centred, above the other windows, gone after two
// seconds or at the first key or mouse button press, which it swallows.
class CExSplashDlg final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kShowMilliseconds = 2000;

    explicit CExSplashDlg(QWidget* parent = nullptr);
    ~CExSplashDlg() override;

    // Shows the picture centred on the primary screen and starts the timer.
    void Start();

    // The picture: a plan being furnished, with the program's name.
    static QPixmap Picture();
    // The program's window icon: the plan's walls, door and a desk.
    static QIcon Icon();

signals:
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPixmap m_picture;
};
