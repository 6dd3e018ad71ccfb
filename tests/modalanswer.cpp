#include "modalanswer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

void answerWhenShown(QObject *owner, std::function<bool()> handler)
{
    auto *timer = new QTimer(owner);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, handler] {
        if (handler()) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

void answerNextFileDialog(QObject *owner, std::function<void(QFileDialog *)> answer)
{
    auto *poll = new QTimer(owner);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        // Stopped before answering: the answer may run an event loop of its own.
        poll->stop();
        poll->deleteLater();
        answer(dialog);
    });
    poll->start(20);
}

void answerNextMessageBox(QObject *owner, int button)
{
    auto *poll = new QTimer(owner);
    auto *clock = new QElapsedTimer;
    clock->start();
    QObject::connect(poll, &QTimer::destroyed, [clock] { delete clock; });
    QObject::connect(poll, &QTimer::timeout, poll, [poll, clock, button] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        // A box that does not come is no box: the poll must not answer a later one.
        if (clock->elapsed() > 5000) {
            poll->stop();
            poll->deleteLater();
            return;
        }
        QAbstractButton *answer =
            box && box->isVisible() ? box->button(QMessageBox::StandardButton(button)) : nullptr;
        // A box without this button is another question, for another answer.
        if (!answer)
            return;
        poll->stop();
        poll->deleteLater();
        answer->click();
    });
    poll->start(20);
}

void pickInNextFileDialog(QObject *owner, const QString &path)
{
    answerNextFileDialog(owner, [path](QFileDialog *dialog) {
        auto *nameField = dialog->findChild<QLineEdit *>("fileNameEdit");
        if (!nameField) {
            dialog->reject();
            QFAIL("the file dialog has no name field");
        }
        nameField->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    });
}
