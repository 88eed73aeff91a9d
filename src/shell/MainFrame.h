#pragma once

#include <QMainWindow>

// The main window of the program.
class CMainFrame final : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(QWidget* parent = nullptr);
};
