#include "KORVANEXApp.h"
#include "MainFrame.h"

#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

// This test runs from a folder without the program's data, as a program installed without its
// font would.
class MissingFontTest : public QObject {
    Q_OBJECT

private slots:
    void withoutItsFontTheProgramSaysSoAndDoesNotStart() {
        QStandardPaths::setTestModeEnabled(true);
        QString shown;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        answer.start(20);
        CKORVANEXApp program;
        QVERIFY(!program.InitInstance({QStringLiteral("quillplan")}, false));
        QCOMPARE(shown, QStringLiteral("フォントの読み込みに失敗しました。"));
        QCOMPARE(program.MainFrame(), nullptr);
    }
};

QTEST_MAIN(MissingFontTest)
#include "MissingFontTest.moc"
