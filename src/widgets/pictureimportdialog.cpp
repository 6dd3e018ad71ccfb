#include "pictureimportdialog.h"

#include "monochrome.h"
#include "pagepixels.h"
#include "ui_pictureimportdialog.h"

#include <QPixmap>

PictureImportDialog::PictureImportDialog(const QImage &picture, QWidget *parent)
    : QDialog(parent), ui(new Ui::PictureImportDialog), m_picture(picture)
{
    ui->setupUi(this);
    // Between the margins a page holds less than the paper's width; wider prints cut.
    const bool tooWide = picture.width() > kPageContentWidth;
    ui->cbScale->setVisible(tooWide);
    ui->cbScale->setText(tr("图片宽 %1 点，超过页面内容宽度：缩放到 %2 点宽（保持宽高比）")
                             .arg(picture.width())
                             .arg(kPageContentWidth));
    // A black-and-white picture is asked about only for its width; scaled, its dots stay sharp
    // when cut at half grey.
    if (isPureBlackAndWhite(picture)) {
        ui->labIntro->setText(tr("这张图片比页面内容宽，右边缘不会打印。请选择导入方式："));
        ui->rbThreshold->setChecked(true);
    }
    ui->scrollPreview->setBackgroundRole(QPalette::Dark);
    // A change of mode unchecks one button and checks another; convert once, for the new one.
    for (QRadioButton *button : {ui->rbDither, ui->rbThreshold, ui->rbAsIs}) {
        connect(button, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                updatePreview();
        });
    }
    connect(ui->cbScale, &QCheckBox::toggled, this, &PictureImportDialog::updatePreview);
    updatePreview();
}

PictureImportDialog::~PictureImportDialog()
{
    delete ui;
}

PictureImport PictureImportDialog::choice() const
{
    PictureImport choice;
    if (ui->rbThreshold->isChecked())
        choice.mode = PictureConversion::Threshold;
    else if (ui->rbAsIs->isChecked())
        choice.mode = PictureConversion::AsIs;
    else
        choice.mode = PictureConversion::Dither;
    choice.scaleToPaper = ui->cbScale->isChecked();
    return choice;
}

bool PictureImportDialog::choose(const QImage &picture, QWidget *parent, PictureImport *choice)
{
    PictureImportDialog dialog(picture, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *choice = dialog.choice();
    return true;
}

void PictureImportDialog::updatePreview()
{
    const PictureImport current = choice();
    m_converted = convertForPaper(m_picture, current.mode, current.scaleToPaper);

    // What the printer makes of it: whole dots, and nothing beyond the paper's edge.
    const QImage dots = printedDots(m_converted);
    const QImage onPaper = dots.copy(0, 0, qMin(dots.width(), kPaperDots), dots.height());
    QPixmap pixmap = QPixmap::fromImage(onPaper);
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    ui->labPreview->setPixmap(pixmap);
    ui->labPreview->adjustSize();

    if (m_converted.width() > kPageContentWidth)
        ui->labResult->setText(
            tr("导入后的大小：%1 × %2 点，比页面内容宽度 %3 点宽，右边缘可能被纸边截去")
                .arg(m_converted.width())
                .arg(m_converted.height())
                .arg(kPageContentWidth));
    else
        ui->labResult->setText(
            tr("导入后的大小：%1 × %2 点").arg(m_converted.width()).arg(m_converted.height()));
}
