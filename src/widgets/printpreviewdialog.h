#pragma once

#include "ticketpreview.h"

#include <QDialog>
#include <QList>
#include <QRect>
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

    // One tab per page, titled in order. `cutPictures` holds, per page, the parts of its
    // pictures beyond the paper's edge (cutPictureParts); the shown page marks where they go.
    void setPages(const QList<TicketPreview> &pages, const QStringList &titles,
                  const QList<QList<QRect>> &cutPictures = {});
    // What the operator should know before printing (checkDesign); none hides the list.
    void setNotices(const QStringList &notices);

private slots:
    void on_cbZoom_toggled(bool checked);
    void showFacts(int index);

private:
    void showImages();

    Ui::PrintPreviewDialog *ui;
    QList<TicketPreview> m_pages;
    QList<QList<QRect>> m_cutPictures;
};
