#include "operatordialogs.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QList>
#include <QMessageBox>
#include <QPointer>

#include <functional>

namespace {

struct Presets
{
    bool hasFileName = false;
    QString fileName;
    QList<QMessageBox::StandardButton> answers;
    QList<QString> texts;
    QString lastText;
    QPointer<QMessageBox> shownQuestion;
};

Presets &presets()
{
    static Presets instance;
    return instance;
}

// The preset name if there is one, else what the operator picks in `dialog`.
QString chooseFile(const std::function<QString()> &dialog)
{
    Presets &p = presets();
    if (!p.hasFileName)
        return dialog();
    p.hasFileName = false;
    return p.fileName;
}

} // namespace

QString FileChooser::openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                  const QString &filter)
{
    return chooseFile(
        [&] { return QFileDialog::getOpenFileName(parent, caption, folder, filter); });
}

QString FileChooser::saveFileName(QWidget *parent, const QString &caption, const QString &proposed,
                                  const QString &filter)
{
    return chooseFile(
        [&] { return QFileDialog::getSaveFileName(parent, caption, proposed, filter); });
}

void FileChooser::setNextFileName(const QString &fileName)
{
    presets().hasFileName = true;
    presets().fileName = fileName;
}

void giveButtonsMnemonics(QMessageBox &box)
{
    const struct
    {
        QMessageBox::StandardButton button;
        const char *text;
    } names[] = {{QMessageBox::Save, QT_TRANSLATE_NOOP("Asker", "保存(&S)")},
                 {QMessageBox::Discard, QT_TRANSLATE_NOOP("Asker", "不保存(&D)")},
                 {QMessageBox::Yes, QT_TRANSLATE_NOOP("Asker", "是(&Y)")},
                 {QMessageBox::No, QT_TRANSLATE_NOOP("Asker", "否(&N)")}};
    for (const auto &name : names) {
        if (QAbstractButton *button = box.button(name.button))
            button->setText(QCoreApplication::translate("Asker", name.text));
    }
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
    QMessageBox box(QMessageBox::Question, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    giveButtonsMnemonics(box);
    p.shownQuestion = &box;
    box.exec();
    p.shownQuestion = nullptr;
    // Withdrawn: what it asked about has settled itself, which the caller takes as a plain no.
    if (!box.clickedButton())
        return QMessageBox::NoButton;
    const QMessageBox::StandardButton answer = box.standardButton(box.clickedButton());
    // Closed without a choice: the same as Escape.
    return answer == QMessageBox::NoButton ? box.standardButton(box.escapeButton()) : answer;
}

void Asker::withdrawQuestion()
{
    if (presets().shownQuestion)
        presets().shownQuestion->done(QMessageBox::NoButton);
}

void Asker::warning(QWidget *parent, const QString &title, const QString &text)
{
    Presets &p = presets();
    p.lastText = text;
    if (!p.answers.isEmpty()) {
        p.answers.removeFirst();
        return;
    }
    QMessageBox::warning(parent, title, text);
}

QString Asker::text(QWidget *parent, const QString &title, const QString &label,
                    const QString &current)
{
    Presets &p = presets();
    p.lastText = label;
    if (!p.texts.isEmpty())
        return p.texts.takeFirst();
    bool ok = false;
    const QString typed =
        QInputDialog::getText(parent, title, label, QLineEdit::Normal, current, &ok);
    return ok ? typed : QString();
}

void Asker::setNextText(const QString &text)
{
    presets().texts.append(text);
}

void Asker::setNextAnswer(QMessageBox::StandardButton answer)
{
    presets().answers.append(answer);
}

int Asker::pendingAnswers()
{
    return presets().answers.size() + presets().texts.size();
}

void Asker::clearAnswers()
{
    presets().answers.clear();
    presets().texts.clear();
}

QString Asker::lastText()
{
    return presets().lastText;
}
