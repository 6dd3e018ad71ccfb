#include "qttransparenttisp.h"

QtTransparentTisp::QtTransparentTisp(bool, QWidget *parent) : QWidget(parent) {}
QtTransparentTisp::~QtTransparentTisp() = default;
void QtTransparentTisp::showTip(const QString &, QWidget *, int) {}
QPoint QtTransparentTisp::screenTopLeft(QWidget *)
{
    return {-1, -1};
}
