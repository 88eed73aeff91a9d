#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <vector>

// Answers the modal windows a test brings up, the way a user would: each question box gets the
// next of the preset buttons (Cancel once they run out), each file dialog the next preset file
// name (cancelled when there is none). What the boxes said is kept, in order.
class ModalAnswerer {
public:
    ModalAnswerer() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { AnswerActive(); });
        m_timer.start(20);
    }

    ModalAnswerer& Buttons(std::initializer_list<QMessageBox::StandardButton> buttons) {
        m_buttons.assign(buttons);
        return *this;
    }
    ModalAnswerer& Files(const QStringList& files) {
        m_files = files;
        return *this;
    }
    // Runs before each question box is answered, while the box is up.
    ModalAnswerer& OnQuestion(std::function<void()> check) {
        m_onQuestion = std::move(check);
        return *this;
    }

    const QStringList& Texts() const { return m_texts; }
    int FileDialogs() const { return m_nFileDialogs; }

private:
    // Each window is answered once, after the timer's turn is over: an answer that brings up
    // the next window must leave the timer free to answer that one too.
    void AnswerActive() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || m_answered.contains(modal)) {
            return;
        }
        m_answered.append(modal);
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            m_texts.append(box->text());
            if (m_onQuestion) {
                m_onQuestion();
            }
            const QMessageBox::StandardButton answer =
                m_buttons.empty() ? QMessageBox::Cancel : m_buttons.front();
            if (!m_buttons.empty()) {
                m_buttons.erase(m_buttons.begin());
            }
            Later(box, [box, answer] {
                if (QAbstractButton* button = box->button(answer)) {
                    button->click();
                } else {
                    box->reject();
                }
            });
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            ++m_nFileDialogs;
            if (m_files.isEmpty()) {
                Later(dialog, [dialog] { dialog->reject(); });
                return;
            }
            // Typed as a user types it: the dialog leaves alone a name field that has the focus.
            // Accepted as its own button does: a name already taken is asked about first.
            Later(dialog, [dialog, file = m_files.takeFirst()] {
                if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                    name->setText(file);
                    static_cast<QDialog*>(dialog)->accept();
                } else {
                    dialog->reject();
                }
            });
        }
    }

    template <typename Answer> static void Later(QWidget* modal, Answer answer) {
        QMetaObject::invokeMethod(modal, answer, Qt::QueuedConnection);
    }

    QTimer m_timer;
    QList<QPointer<QWidget>> m_answered;
    std::vector<QMessageBox::StandardButton> m_buttons;
    QStringList m_files;
    std::function<void()> m_onQuestion;
    QStringList m_texts;
    int m_nFileDialogs = 0;
};
