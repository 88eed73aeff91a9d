#pragma once

#include <QGuiApplication>

// Pictures, PDF pages and their fonts need a GUI application, never a display. Made only once
// the drawing has loaded, so that a bad file is reported without starting Qt.
class CToolGuiApplication {
public:
    CToolGuiApplication();
    CToolGuiApplication(const CToolGuiApplication&) = delete;
    CToolGuiApplication& operator=(const CToolGuiApplication&) = delete;

private:
    int m_nArgc = 1;
    char m_szName[8] = "qlptool";
    char* m_argv[2] = {m_szName, nullptr};
    QGuiApplication m_application;
};
