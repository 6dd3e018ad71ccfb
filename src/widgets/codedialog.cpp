#include "codedialog.h"

#include "papergeometry.h"
#include "ui_codedialog.h"

#include <QPushButton>

CodeDialog::CodeDialog(const TicketCode &code, QWidget *parent)
    : QDialog(parent), ui(new Ui::CodeDialog)
{
    ui->setupUi(this);
    // The symbologies' own names, the same in every language.
    for (const char *name : {"QR Code", "Code 128", "EAN-13", "Data Matrix", "PDF417"})
        ui->cmbSymbology->addItem(QString::fromLatin1(name));
    for (const char *level : {"L  (7%)", "M  (15%)", "Q  (25%)", "H  (30%)"})
        ui->cmbQrLevel->addItem(QString::fromLatin1(level));
    ui->cmbSymbology->setCurrentIndex(int(code.symbology));
    ui->editContent->setText(code.content);
    ui->spbModule->setRange(minimumModuleDots(code.symbology), kMaxModuleDots);
    ui->spbModule->setValue(code.moduleDots);
    ui->cmbQrLevel->setCurrentIndex(int(code.qrLevel));
    ui->cbReadable->setChecked(code.humanReadable);
    ui->scrollPreview->setBackgroundRole(QPalette::Dark);
    // The content is what the operator comes to type.
    ui->editContent->setFocus();

    connect(ui->cmbSymbology, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] {
        // Smaller modules than this would not scan from paper, so they cannot be chosen.
        ui->spbModule->setMinimum(minimumModuleDots(this->code().symbology));
        updatePreview();
    });
    connect(ui->editContent, &QLineEdit::textChanged, this, &CodeDialog::updatePreview);
    connect(ui->spbModule, qOverload<int>(&QSpinBox::valueChanged), this,
            &CodeDialog::updatePreview);
    connect(ui->cmbQrLevel, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CodeDialog::updatePreview);
    connect(ui->cbReadable, &QCheckBox::toggled, this, &CodeDialog::updatePreview);
    updatePreview();
}

CodeDialog::~CodeDialog()
{
    delete ui;
}

TicketCode CodeDialog::code() const
{
    TicketCode code;
    code.symbology = CodeSymbology(ui->cmbSymbology->currentIndex());
    code.content = ui->editContent->text();
    code.moduleDots = ui->spbModule->value();
    code.qrLevel = QrLevel(ui->cmbQrLevel->currentIndex());
    code.humanReadable = ui->cbReadable->isChecked();
    return code;
}

bool CodeDialog::edit(QWidget *parent, TicketCode *code, bool existing)
{
    CodeDialog dialog(*code, parent);
    // The title says what OK will do: a new code goes in, or the one on the page changes.
    if (existing)
        dialog.setWindowTitle(tr("编辑二维码或条码"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *code = dialog.code();
    return true;
}

void CodeDialog::updatePreview()
{
    const TicketCode current = code();
    ui->cmbQrLevel->setEnabled(current.symbology == CodeSymbology::Qr);
    ui->labQrLevel->setEnabled(current.symbology == CodeSymbology::Qr);
    m_picture = makeCodePicture(current);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(!m_picture.image.isNull());

    if (m_picture.image.isNull()) {
        ui->labPreview->clear();
        ui->labPreview->adjustSize();
        ui->labResult->setStyleSheet(QStringLiteral("color: #b00000;"));
        ui->labResult->setText(m_picture.error);
        return;
    }
    // One screen pixel for each printer dot, as the page editor shows the page.
    QPixmap pixmap = QPixmap::fromImage(m_picture.image);
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    ui->labPreview->setPixmap(pixmap);
    ui->labPreview->adjustSize();
    const QSize size = m_picture.image.size();
    const double millimetresPerDot = 1.0 / kDotsPerMm;
    ui->labResult->setStyleSheet(QString());
    ui->labResult->setText(tr("%1 × %2 点（%3 × %4 毫米），模块 %5 毫米")
                               .arg(size.width())
                               .arg(size.height())
                               .arg(size.width() * millimetresPerDot, 0, 'f', 1)
                               .arg(size.height() * millimetresPerDot, 0, 'f', 1)
                               .arg(current.moduleDots * millimetresPerDot, 0, 'f', 3));
}
