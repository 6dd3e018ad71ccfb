#pragma once

#include "monochrome.h"

#include <QDialog>
#include <QImage>

namespace Ui {
class PictureImportDialog;
}

// Asks how a picture that is not purely black and white comes into a page, showing the dots
// the printer would make of it with the choice made.
class PictureImportDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PictureImportDialog(const QImage &picture, QWidget *parent = nullptr);
    ~PictureImportDialog() override;

    PictureImport choice() const;
    // The picture as it would enter the page with the current choice.
    QImage converted() const { return m_converted; }

    // Asks modally; false when the operator cancels.
    static bool choose(const QImage &picture, QWidget *parent, PictureImport *choice);

private:
    void updatePreview();

    Ui::PictureImportDialog *ui;
    QImage m_picture;
    QImage m_converted;
};
