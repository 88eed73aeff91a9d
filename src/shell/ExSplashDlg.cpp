#include "ExSplashDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

namespace {

constexpr QSize kPictureSize(480, 300);

void DrawPlan(QPainter& painter) {
    // Outer walls with a door opening, an inner wall, a desk group and a table.
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 6, Qt::SolidLine, Qt::SquareCap));
    painter.drawPolyline(QPolygon({{260, 40}, {450, 40}, {450, 200}, {330, 200}}));
    painter.drawPolyline(QPolygon({{290, 200}, {260, 200}, {260, 40}}));
    painter.drawLine(360, 40, 360, 130);
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.5));
    painter.drawArc(QRect(290, 160, 80, 80), 0, 90 * 16);
    painter.drawLine(290, 200, 330, 160);

    painter.setPen(QPen(QColor(0x1F, 0x5F, 0xA8), 2));
    for (int i = 0; i < 3; ++i) {
        painter.drawRect(QRect(276, 56 + i * 24, 34, 20));
        painter.drawRect(QRect(312, 56 + i * 24, 34, 20));
    }
    painter.setPen(QPen(QColor(0x2E, 0x8B, 0x57), 2));
    painter.drawEllipse(QPoint(405, 95), 26, 26);
    for (int i = 0; i < 4; ++i) {
        painter.save();
        painter.translate(405, 95);
        painter.rotate(45 + i * 90);
        painter.drawRect(QRect(-7, -44, 14, 10));
        painter.restore();
    }
    painter.setPen(QPen(QColor(0xD0, 0x40, 0x40), 2, Qt::DashLine));
    painter.drawPolyline(QPolygon({{270, 185}, {350, 185}, {350, 150}, {440, 150}}));
}

} // namespace

CExSplashDlg::CExSplashDlg(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(Picture()) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(m_picture.size());
}

CExSplashDlg::~CExSplashDlg() {
    qApp->removeEventFilter(this);
}

QPixmap CExSplashDlg::Picture() {
    QPixmap picture(kPictureSize);
    picture.fill(QColor(0xFA, 0xF7, 0xF0));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // A faint grid like the editor's.
    painter.setPen(QColor(0xDD, 0xDD, 0xDD));
    for (int x = 240; x < kPictureSize.width(); x += 20) {
        for (int y = 20; y < kPictureSize.height() - 60; y += 20) {
            painter.drawLine(x - 2, y, x + 2, y);
            painter.drawLine(x, y - 2, x, y + 2);
        }
    }
    DrawPlan(painter);

    QFont title(QStringLiteral("Noto Sans CJK JP"));
    title.setPixelSize(40);
    title.setWeight(QFont::Bold);
    painter.setFont(title);
    painter.setPen(QColor(0x1F, 0x3A, 0x5F));
    painter.drawText(QRect(24, 60, 230, 60), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("クイルプラン"));
    QFont subtitle(QStringLiteral("Noto Sans CJK JP"));
    subtitle.setPixelSize(18);
    painter.setFont(subtitle);
    painter.setPen(QColor(0x50, 0x50, 0x50));
    painter.drawText(QRect(26, 120, 230, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("QuillPlan"));
    subtitle.setPixelSize(13);
    painter.setFont(subtitle);
    painter.drawText(QRect(26, 150, 230, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("レイアウト作図ソフト"));

    painter.fillRect(QRect(0, kPictureSize.height() - 40, kPictureSize.width(), 40),
                     QColor(0x1F, 0x3A, 0x5F));
    painter.setPen(Qt::white);
    painter.drawText(QRect(24, kPictureSize.height() - 40, 300, 40),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("起動しています…"));
    painter.setPen(QColor(0x30, 0x30, 0x30));
    painter.drawRect(QRect(0, 0, kPictureSize.width() - 1, kPictureSize.height() - 1));
    return picture;
}

QIcon CExSplashDlg::Icon() {
    QIcon icon;
    for (const int size : {16, 32, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 64.0, size / 64.0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x1F, 0x3A, 0x5F));
        painter.drawRoundedRect(QRect(2, 2, 60, 60), 10, 10);
        painter.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::SquareCap));
        painter.drawPolyline(
            QPolygon({{28, 52}, {12, 52}, {12, 12}, {52, 12}, {52, 52}, {44, 52}}));
        painter.setPen(QPen(QColor(0x9F, 0xD0, 0xFF), 3));
        painter.drawRect(QRect(22, 22, 20, 12));
        painter.drawArc(QRect(28, 36, 32, 32), 90 * 16, 90 * 16);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void CExSplashDlg::Start() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    qApp->installEventFilter(this);
    show();
    raise();
    QTimer::singleShot(kShowMilliseconds, this, &QWidget::close);
}

bool CExSplashDlg::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        if (isVisible()) {
            close();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void CExSplashDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void CExSplashDlg::closeEvent(QCloseEvent* event) {
    qApp->removeEventFilter(this);
    event->accept();
    emit closed();
}
