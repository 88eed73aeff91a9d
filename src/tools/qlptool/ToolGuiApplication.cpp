#include "ToolGuiApplication.h"

#include <QByteArray>
#include <QMessageLogContext>
#include <QString>

#include <iostream>

namespace {

// Qt's own notes about the session (no runtime folder, no display) are not the tool's business:
// what goes wrong is reported once, by the tool.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << "qlptool: " << message.toStdString() << '\n';
    }
}

int& OffscreenArgc(int& argc) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    return argc;
}

} // namespace

CToolGuiApplication::CToolGuiApplication() : m_application(OffscreenArgc(m_nArgc), m_argv) {}
