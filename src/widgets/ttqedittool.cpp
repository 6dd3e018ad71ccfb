#include "ttqedittool.h"

#include "ui_ttqedittool.h"

TtQEditTool::TtQEditTool(QWidget *parent) : QWidget(parent), ui(new Ui::TtQEditTool)
{
    ui->setupUi(this);
}
TtQEditTool::~TtQEditTool()
{
    delete ui;
}
void TtQEditTool::bindTextEdit(QTextEdit *edit)
{
    currentEdit = edit;
}
void TtQEditTool::on_btn_bold_clicked() {}
void TtQEditTool::on_cb_font_activated(QString) {}
void TtQEditTool::on_cb_size_activated(QString) {}
void TtQEditTool::on_btn_italic_clicked() {}
void TtQEditTool::on_btn_underline_clicked() {}
void TtQEditTool::on_btn_left_clicked() {}
void TtQEditTool::on_btn_center_clicked() {}
void TtQEditTool::on_btn_right_clicked() {}
void TtQEditTool::on_btn_justify_clicked() {}
void TtQEditTool::on_lineHeightspinBox_valueChanged(QString) {}
void TtQEditTool::setLineDistanceHeight(int) {}
void TtQEditTool::fontChanged(QFont) {}
void TtQEditTool::alignmentChanged(Qt::Alignment) {}
void TtQEditTool::on_btn_picture_clicked() {}
void TtQEditTool::on_btnTime_clicked() {}
void TtQEditTool::on_btnType_clicked() {}
void TtQEditTool::on_btnReNum_clicked() {}
void TtQEditTool::mergeFormatOnSelection(const QTextCharFormat &) {}
