#include "MainFrame.h"

#include <QPalette>
#include <QWidget>

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("クイルプラン"));
    auto* drawing = new QWidget(this);
    drawing->setAutoFillBackground(true);
    QPalette palette = drawing->palette();
    palette.setColor(QPalette::Window, Qt::white);
    drawing->setPalette(palette);
    setCentralWidget(drawing);
    resize(1024, 768);
}
