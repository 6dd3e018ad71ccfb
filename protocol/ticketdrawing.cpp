#include "ticketdrawing.h"

#include "framedecoder.h"
#include "papergeometry.h"
#include "strippainting.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace devicemodel {

bool isKnownFontCode(int fontCode)
{
    return fontCode == 0x11 || fontCode == 0x12 || fontCode == 0x22;
}

QSize fontCell(int fontCode)
{
    switch (fontCode) {
    case 0x12:
        return {24, 20};
    case 0x22:
        return {36, 44};
    default:
        return {12, 20};
    }
}

QRect textRect(const TextPlacement &text)
{
    const QSize cell = fontCell(text.fontCode);
    return QRect(text.x, text.y, cell.width() * text.text.size(), cell.height());
}

namespace {

void drawText(QPainter &painter, const TextPlacement &text)
{
    const QSize cell = fontCell(text.fontCode);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(cell.height());
    // A thermal head prints whole dots; smoothing would only add grey the printer cannot make.
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetricsF metrics(font);
    const qreal advance = metrics.horizontalAdvance(QLatin1Char('0'));
    const qreal scaleX = advance > 0 ? cell.width() / advance : 1.0;

    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int i = 0; i < text.text.size(); ++i) {
        const QRect box(text.x + i * cell.width(), text.y, cell.width(), cell.height());
        painter.save();
        painter.setClipRect(box);
        painter.translate(box.topLeft());
        painter.scale(scaleX, 1.0);
        painter.drawText(QRectF(0, 0, advance, cell.height()), Qt::AlignCenter,
                         text.text.mid(i, 1));
        painter.restore();
    }
    painter.restore();
}

} // namespace

QImage drawTicket(const QImage &page, const QList<TextPlacement> &texts, const QPoint &pageOrigin)
{
    int bottom = page.isNull() ? 0 : pageOrigin.y() + page.height();
    for (const TextPlacement &text : texts)
        bottom = qMax(bottom, textRect(text).bottom() + 1);
    QImage ticket(kPaperDots, qMax(bottom, 1), QImage::Format_RGB888);
    // White as the raw 24-bit pixel: filling with a colour paints a 24-bit image through
    // QPainter, many times slower, and a ticket may be thousands of rows tall.
    ticket.fill(0xFFFFFFu);

    const QImage pageDots = page.convertToFormat(QImage::Format_RGB888);
    paintInStrips(ticket, [&](QPainter &painter, const QRect &strip) {
        if (!pageDots.isNull())
            painter.drawImage(pageOrigin, pageDots);
        for (const TextPlacement &text : texts) {
            if (textRect(text).intersects(strip))
                drawText(painter, text);
        }
    });
    return ticket;
}

QString sampleText(int blockType, const SampleValues &values)
{
    switch (blockType) {
    case 1:
        return values.number;
    case 2: {
        const QDateTime time = values.time.isValid() ? values.time : QDateTime::currentDateTime();
        return time.toString(QStringLiteral("M-d-yyyy HH:mm:ss"));
    }
    case 3:
        return values.waiting;
    default:
        return {};
    }
}

QString sampleText(int blockType, const QDateTime &now)
{
    SampleValues values;
    values.time = now;
    return sampleText(blockType, values);
}

QImage drawTicketPreview(const QImage &page, const QList<BlockRecord> &records,
                         const SampleValues &values)
{
    QList<TextPlacement> texts;
    for (const BlockRecord &record : records) {
        const QString text = sampleText(record.blockType, values);
        if (!text.isEmpty())
            texts << TextPlacement{record.x, record.y, record.fontCode, text};
    }
    return drawTicket(page, texts);
}

QImage drawTicketPreview(const QImage &page, const QList<BlockRecord> &records,
                         const QDateTime &now)
{
    SampleValues values;
    values.time = now;
    return drawTicketPreview(page, records, values);
}

} // namespace devicemodel
