#include "MainFrame.h"
#include "ProgramFolders.h"

#include <QDir>
#include <QTest>

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void mainWindowCarriesTheProgramName() {
        CMainFrame frame;
        QCOMPARE(frame.windowTitle(), QStringLiteral("クイルプラン"));
        QVERIFY(frame.centralWidget() != nullptr);
    }

    void logFolderIsWritable() {
        const QString folder = LogFolder();
        QVERIFY(QDir(folder).exists());
        QVERIFY(QFileInfo(folder).isWritable());
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
