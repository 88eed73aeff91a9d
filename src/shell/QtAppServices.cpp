#include "QtAppServices.h"

#include <QMessageBox>
#include <QString>

ExMessageResult CQtAppServices::MessageBox(std::string_view text, ExMessageIcon icon,
                                           ExMessageButtons buttons) {
    QMessageBox box(m_parent);
    box.setWindowTitle(QString::fromUtf8(exmsg::kAppName));
    // Messages name files, and a file name may look like markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    switch (icon) {
    case ExMessageIcon::Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    case ExMessageIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case ExMessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case ExMessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    if (buttons == ExMessageButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Ok ? ExMessageResult::Ok : ExMessageResult::Cancel;
}
