#pragma once

#include <QDialog>

class QTextBrowser;

// The operator's guide, in the interface language, in a window of its own beside the main one.
class HelpWindow : public QDialog
{
    Q_OBJECT
public:
    // The guide for the interface language of `catalogue` (the Language setting).
    explicit HelpWindow(const QString &catalogue, QWidget *parent = nullptr);

    // Shows the guide of `parent`, opening it the first time.
    static void showGuide(QWidget *parent, const QString &catalogue);
    // The guide's resource for a catalogue; Chinese for none or an unknown one.
    static QString guidePath(const QString &catalogue);

private:
    QTextBrowser *m_browser;
};
