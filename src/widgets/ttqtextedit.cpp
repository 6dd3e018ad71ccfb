#include "ttqtextedit.h"

TtQTextEdit::TtQTextEdit(QWidget *parent) : QTextEdit(parent) {}
void TtQTextEdit::addImageResource(QImage, QString) {}
void TtQTextEdit::saveToJson(QJsonObject &) {}
void TtQTextEdit::loadFromJson(const QJsonObject &) {}
