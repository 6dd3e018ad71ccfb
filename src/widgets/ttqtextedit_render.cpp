#include "ttqtextedit.h"

void TtQTextEdit::renderPage() {}
QRect TtQTextEdit::findBlockRect(BLOCK_FLAG)
{
    return {};
}
QImage TtQTextEdit::downloadImage()
{
    return {};
}
