#include "operatordialogs.h"

#include <QFileDialog>
#include <QList>
#include <QMessageBox>

namespace {

struct Presets
{
    bool hasFileName = false;
    QString fileName;
    QList<QMessageBox::StandardButton> answers;
    QString lastText;
    void (*beforeShowing)() = nullptr;
};

Presets &presets()
{
    static Presets instance;
    return instance;
}

bool takeFileName(QString *fileName)
{
    Presets &p = presets();
    if (!p.hasFileName)
        return false;
    *fileName = p.fileName;
    p.hasFileName = false;
    return true;
}

void beforeShowing()
{
    if (presets().beforeShowing)
        presets().beforeShowing();
}

} // namespace

QString FileChooser::openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                  const QString &filter)
{
    QString fileName;
    if (takeFileName(&fileName))
        return fileName;
    beforeShowing();
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString FileChooser::saveFileName(QWidget *parent, const QString &caption, const QString &proposed,
                                  const QString &filter)
{
    QString fileName;
    if (takeFileName(&fileName))
        return fileName;
    beforeShowing();
    return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
}

void FileChooser::setNextFileName(const QString &fileName)
{
    presets().hasFileName = true;
    presets().fileName = fileName;
}

void FileChooser::setBeforeShowing(void (*hook)())
{
    presets().beforeShowing = hook;
}

QMessageBox::StandardButton Asker::question(QWidget *parent, const QString &title,
                                            const QString &text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton)
{
    Presets &p = presets();
    p.lastText = text;
    if (!p.answers.isEmpty())
        return p.answers.takeFirst();
    beforeShowing();
    return QMessageBox::question(parent, title, text, buttons, defaultButton);
}

void Asker::warning(QWidget *parent, const QString &title, const QString &text)
{
    Presets &p = presets();
    p.lastText = text;
    if (!p.answers.isEmpty()) {
        p.answers.removeFirst();
        return;
    }
    beforeShowing();
    QMessageBox::warning(parent, title, text);
}

void Asker::setNextAnswer(QMessageBox::StandardButton answer)
{
    presets().answers.append(answer);
}

int Asker::pendingAnswers()
{
    return presets().answers.size();
}

void Asker::clearAnswers()
{
    presets().answers.clear();
}

QString Asker::lastText()
{
    return presets().lastText;
}
