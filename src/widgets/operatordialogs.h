#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// Every file dialog the program shows goes through here. A test names the file the operator
// would pick instead of driving a modal dialog, whose event loop it could never leave for sure.
class FileChooser
{
public:
    // An existing file to read; empty when the operator cancels.
    static QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                const QString &filter);
    // A file to write, starting from `proposed` (a folder or a full name); empty when cancelled.
    // The dialog itself asks before an existing file is replaced.
    static QString saveFileName(QWidget *parent, const QString &caption, const QString &proposed,
                                const QString &filter);

    // The next dialog is not shown: it returns `fileName` (empty: as if cancelled).
    static void setNextFileName(const QString &fileName);
};

// Names the box's Save, Discard, Yes and No buttons with mnemonics in the interface language,
// which Qt's own texts lack in some languages.
void giveButtonsMnemonics(QMessageBox &box);

// Every question and warning the program puts to the operator goes through here, for the same
// reason; a test presets the answers in the order the questions come.
class Asker
{
public:
    static QMessageBox::StandardButton question(QWidget *parent, const QString &title,
                                                const QString &text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton);
    static void warning(QWidget *parent, const QString &title, const QString &text);
    // A line of text, starting from `current`; a null string when the operator cancels.
    static QString text(QWidget *parent, const QString &title, const QString &label,
                        const QString &current);
    // Closes the question being shown, which then answers NoButton: what it asked about has
    // settled itself.
    static void withdrawQuestion();

    // The next question or warning is not shown: it returns `answer`.
    static void setNextAnswer(QMessageBox::StandardButton answer);
    // The next text asked for is not asked: it is `text` (null: as if cancelled).
    static void setNextText(const QString &text);
    // Answers preset and not yet taken; a test checks that every one it expected was asked.
    static int pendingAnswers();
    // Forgets the answers not taken, so they cannot answer a later, unrelated question.
    static void clearAnswers();
    // The text of the last question or warning, shown or answered in advance.
    static QString lastText();
};
