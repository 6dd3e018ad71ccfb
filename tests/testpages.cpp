#include "testpages.h"

#include "ttqtextedit.h"

#include <QTextCursor>
#include <QTextImageFormat>

void insertPicture(TtQTextEdit &page, QTextCursor &cursor, const QString &name, const QImage &image)
{
    page.addImageResource(image, name);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(image.width());
    format.setHeight(image.height());
    cursor.insertImage(format);
}

void insertPicture(TtQTextEdit &page, QTextCursor &cursor, const QString &name, QSize size,
                   const QColor &colour)
{
    insertPicture(page, cursor, name, solidImage(size, colour));
}

void setPictures(TtQTextEdit *page, const QList<Picture> &pictures)
{
    page->clear();
    QTextCursor cursor(page->document());
    for (int i = 0; i < pictures.size(); ++i) {
        QImage image(pictures.at(i).size, QImage::Format_RGB888);
        image.fill(pictures.at(i).colour);
        if (i > 0)
            cursor.insertBlock();
        insertPicture(*page, cursor, QStringLiteral("picture%1").arg(i), image);
    }
}
