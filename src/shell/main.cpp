#include "ExErrorLog.h"
#include "MainFrame.h"
#include "ProgramFolders.h"
#include "QtAppServices.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("KARDO WORKS"));
    QApplication::setApplicationName(QStringLiteral("QUILLPLAN"));
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK JP"), 10));

    exlog::Start(LogFolder().toStdString(), exlog::kLogName, exlog::kTitle);

    CQtAppServices services;
    SetAppServices(&services);

    CMainFrame frame;
    services.SetParentWindow(&frame);
    frame.show();
    const int result = QApplication::exec();
    SetAppServices(nullptr);
    return result;
}
