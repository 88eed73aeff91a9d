#include "KORVANEXApp.h"
#include "KORVNEXDocMgr.h"
#include "MainFrame.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK JP"), 10));
    // The toolkit's own buttons and dialogs speak the program's language.
    QTranslator toolkit;
    if (toolkit.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&toolkit);
    }
    CSingleInstance instance(CSingleInstance::DefaultKey());
    if (instance.SendToRunning(FileArguments(QApplication::arguments()))) {
        return 0;
    }
    CKORVANEXApp program;
    if (!program.InitInstance(QApplication::arguments())) {
        return 1;
    }
    instance.Listen();
    QObject::connect(&instance, &CSingleInstance::filesReceived, program.MainFrame(),
                     &CMainFrame::OpenLaunchedFiles);
    // What a crash left unsaved is offered once the window is up.
    QTimer::singleShot(0, program.MainFrame(), &CMainFrame::OfferRecovery);
    return QApplication::exec();
}
