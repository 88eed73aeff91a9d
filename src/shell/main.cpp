#include "KORVANEXApp.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK JP"), 10));
    CKORVANEXApp program;
    if (!program.InitInstance(QApplication::arguments())) {
        return 1;
    }
    return QApplication::exec();
}
