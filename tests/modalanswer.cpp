#include "modalanswer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include <memory>

void pickInNextFileDialog(QObject *owner, const QString &path, bool *answered, int deadlineMs)
{
    *answered = false;
    auto *poll = new QTimer(owner);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    // `answered` is written only while the dialog is up, when its caller is still waiting.
    auto accepted = std::make_shared<bool>(false);
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog && *accepted) {
            poll->deleteLater();
            return;
        }
        if (clock->elapsed() > deadlineMs) {
            poll->deleteLater();
            if (dialog)
                dialog->reject();
            return;
        }
        if (!dialog || !dialog->isVisible() || *accepted)
            return;
        if (auto *nameField = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))) {
            nameField->setText(path);
            *accepted = true;
            *answered = true;
            // A dialog that refuses the name stays up and is rejected at the deadline.
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        }
    });
    poll->start(20);
}
