#pragma once

#include "blockflag.h"

#include <QImage>
#include <QJsonObject>
#include <QList>
#include <QRect>
#include <QString>
#include <QTextEdit>

// One ticket page: rich text, pictures and placeholder blocks, 384 dots wide.
class TtQTextEdit : public QTextEdit
{
    Q_OBJECT
public:
    explicit TtQTextEdit(QWidget *parent = nullptr);

    void addImageResource(QImage image, QString name);
    void saveToJson(QJsonObject &config);
    void loadFromJson(const QJsonObject &config);

    void renderPage();
    QRect findBlockRect(BLOCK_FLAG flag);
    QImage downloadImage();

    QImage pageImage;
    int maxHeight = 480;
    int typeIndex = 0;
    QList<QString> imageNames;

private:
    void layOutLikeOnScreen();
    void setDocumentWidth(int width);
};
