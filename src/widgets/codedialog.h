#pragma once

#include "ticketcode.h"

#include <QDialog>

namespace Ui {
class CodeDialog;
}

// Sets up a QR code or barcode for a page, showing the dots it prints as, or why the settings
// cannot make one.
class CodeDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CodeDialog(const TicketCode &code, QWidget *parent = nullptr);
    ~CodeDialog() override;

    TicketCode code() const;
    // The code's picture as set up now; null while the settings are refused.
    QImage picture() const { return m_picture.image; }

    // Asks modally, starting from `code`; false when the operator cancels.
    static bool edit(QWidget *parent, TicketCode *code, bool existing = false);

private:
    void updatePreview();

    Ui::CodeDialog *ui;
    CodePicture m_picture;
};
