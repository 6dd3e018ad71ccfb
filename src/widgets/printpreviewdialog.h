#pragma once

#include "ticketpreview.h"

#include <QDialog>
#include <QList>
#include <QStringList>

namespace Ui {
class PrintPreviewDialog;
}

// Shows each page of the design as the dispenser would print it, dot for dot, with the dots
// that only print because their pixel was grey or coloured marked in a second colour.
class PrintPreviewDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PrintPreviewDialog(QWidget *parent = nullptr);
    ~PrintPreviewDialog() override;

    // One tab per page, titled in order.
    void setPages(const QList<TicketPreview> &pages, const QStringList &titles);

private slots:
    void on_cbZoom_toggled(bool checked);
    void showFacts(int index);

private:
    void showImages();

    Ui::PrintPreviewDialog *ui;
    QList<TicketPreview> m_pages;
};
