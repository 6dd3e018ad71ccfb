#include "printerparser.h"

#include "framedecoder.h"

namespace devicemodel {

namespace {

bool startsJob(const QByteArray &chunk)
{
    return chunk.startsWith(QByteArray("\x1B\x40", 2)) ||
           chunk.startsWith(QByteArray("\x1A\x5B\x01", 3));
}

QString hexBytes(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

// Data bytes of an NV page: one per band (8 dots down) for each of its 8 * xBytes columns.
int nvPageBytes(int xBytes, int bands)
{
    return xBytes * 8 * bands;
}

// The page the data draws: column by column, each column top band first, the top dot of a
// band in the byte's high bit.
QImage nvPageImage(const QByteArray &data, int xBytes, int bands)
{
    QImage page(xBytes * 8, bands * 8, QImage::Format_Mono);
    if (bands == 0)
        return page;
    page.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    page.fill(0);
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    for (int index = 0; index < data.size(); ++index) {
        const uchar byte = bytes[index];
        if (byte == 0)
            continue;
        const int column = index / bands;
        const int band = index % bands;
        const uchar mask = uchar(0x80 >> (column & 7));
        for (int t = 0; t < 8; ++t) {
            if (byte & (0x80 >> t))
                page.scanLine(band * 8 + t)[column >> 3] |= mask;
        }
    }
    return page;
}

} // namespace

QString describe(const PrinterCommand &command)
{
    auto list = [](const QVector<int> &values) {
        QStringList parts;
        for (int v : values)
            parts << QString::number(v);
        return parts.join(QLatin1Char(' '));
    };
    switch (command.kind) {
    case PrinterCommand::Reset:
        return QStringLiteral("ESC @ (printer reset)");
    case PrinterCommand::DefineNvImages: {
        QStringList sizes;
        for (const QImage &page : command.images)
            sizes << QStringLiteral("%1x%2").arg(page.width()).arg(page.height());
        return QStringLiteral("FS q: %1 NV page(s) stored [%2]")
            .arg(command.images.size())
            .arg(sizes.join(QLatin1Char(' ')));
    }
    case PrinterCommand::PageStart:
        return QStringLiteral("page start %1").arg(list(command.values));
    case PrinterCommand::PageImage:
        return QStringLiteral("page image %1").arg(list(command.values));
    case PrinterCommand::Text:
        return QStringLiteral("text at (%1,%2) font 0x%3 \"%4\"")
            .arg(command.x)
            .arg(command.y)
            .arg(command.fontCode, 2, 16, QLatin1Char('0'))
            .arg(command.text);
    case PrinterCommand::PageEnd:
        return QStringLiteral("page end");
    case PrinterCommand::Print:
        return QStringLiteral("print");
    case PrinterCommand::Fault:
        return QStringLiteral("REJECTED: %1").arg(command.fault);
    }
    return {};
}

void PrinterParser::reset()
{
    m_pending.clear();
    m_skipping = false;
    m_skipped = 0;
    m_nvTotal = 0;
    m_nvDone.clear();
    m_nvHeader.clear();
    m_nvWidthBytes = 0;
    m_nvBands = 0;
    m_nvData.clear();
}

QString PrinterParser::progress() const
{
    if (m_nvTotal == 0)
        return {};
    return QStringLiteral("NV page %1/%2, %3 of %4 bytes")
        .arg(m_nvDone.size() + 1)
        .arg(m_nvTotal)
        .arg(m_nvData.size())
        .arg(nvPageBytes(m_nvWidthBytes, m_nvBands));
}

void PrinterParser::fail(QList<PrinterCommand> &out, const QString &why)
{
    PrinterCommand fault;
    fault.fault = why;
    out.append(fault);
    const int skipped = m_skipped;
    reset();
    m_skipping = true;
    m_skipped = skipped;
}

QList<PrinterCommand> PrinterParser::feed(const QByteArray &chunk)
{
    QList<PrinterCommand> out;
    if (m_skipping) {
        if (!startsJob(chunk)) {
            m_skipped += chunk.size();
            return out;
        }
        m_skipping = false;
        m_skipped = 0;
    }

    const QByteArray data = m_pending + chunk;
    m_pending.clear();
    int pos = 0;
    while (pos < data.size()) {
        if (m_nvTotal > 0) {
            const int before = pos;
            pos = feedNvImages(data, pos, out);
            if (m_skipping) {
                m_skipped += data.size() - pos;
                return out;
            }
            if (pos == before)
                break;
            continue;
        }

        const char *p = data.constData() + pos;
        const int avail = data.size() - pos;
        const uchar c0 = uchar(p[0]);
        if (avail < 2) {
            m_pending = data.mid(pos);
            break;
        }
        const uchar c1 = uchar(p[1]);
        PrinterCommand command;
        int used = 0;
        if (c0 == 0x1B && c1 == 0x40) {
            command.kind = PrinterCommand::Reset;
            used = 2;
        } else if (c0 == 0x1C && c1 == 0x71) {
            if (avail < 3) {
                m_pending = data.mid(pos);
                break;
            }
            const int count = uchar(p[2]);
            pos += 3;
            if (count == 0) {
                command.kind = PrinterCommand::DefineNvImages;
                out.append(command);
            } else {
                m_nvTotal = count;
            }
            continue;
        } else if (c0 == 0x1A) {
            if (avail < 3) {
                m_pending = data.mid(pos);
                break;
            }
            const uchar c2 = uchar(p[2]);
            int need = 0;
            if (c1 == 0x5B && c2 == 0x01) {
                need = 3 + 4 * 2 + 1;
                command.kind = PrinterCommand::PageStart;
            } else if (c1 == 0x76 && c2 == 0x01) {
                need = 3 + 6 * 2;
                command.kind = PrinterCommand::PageImage;
            } else if (c1 == 0x54 && c2 == 0x01) {
                need = 3 + 2 + 2 + 4;
                command.kind = PrinterCommand::Text;
            } else if ((c1 == 0x5D || c1 == 0x4F) && c2 == 0x00) {
                need = 3;
                command.kind = c1 == 0x5D ? PrinterCommand::PageEnd : PrinterCommand::Print;
            } else {
                fail(out,
                     QStringLiteral("unknown printer command %1").arg(hexBytes(data.mid(pos, 3))));
                m_skipped += data.size() - pos;
                return out;
            }
            if (avail < need) {
                m_pending = data.mid(pos);
                break;
            }
            used = need;
            if (command.kind == PrinterCommand::PageStart) {
                for (int i = 0; i < 4; ++i)
                    command.values << readLe16(p + 3 + 2 * i);
                command.values << uchar(p[11]);
            } else if (command.kind == PrinterCommand::PageImage) {
                for (int i = 0; i < 6; ++i)
                    command.values << readLe16(p + 3 + 2 * i);
            } else if (command.kind == PrinterCommand::Text) {
                command.x = readLe16(p + 3);
                command.y = readLe16Signed(p + 5);
                command.fontCode = uchar(p[10]);
                const int end = data.indexOf('\0', pos + need);
                if (end < 0) {
                    if (avail - need > kMaxTextBytes) {
                        fail(out, QStringLiteral("text command without its end within %1 bytes")
                                      .arg(kMaxTextBytes));
                        m_skipped += data.size() - pos;
                        return out;
                    }
                    m_pending = data.mid(pos);
                    break;
                }
                command.text = QString::fromUtf8(data.mid(pos + need, end - pos - need));
                used = end + 1 - pos;
            }
        } else {
            fail(out, QStringLiteral("unknown printer command %1").arg(hexBytes(data.mid(pos, 3))));
            m_skipped += data.size() - pos;
            return out;
        }
        out.append(command);
        pos += used;
    }
    return out;
}

int PrinterParser::feedNvImages(const QByteArray &data, int pos, QList<PrinterCommand> &out)
{
    while (m_nvTotal > 0) {
        if (m_nvHeader.size() < 4) {
            const int take = qMin(4 - m_nvHeader.size(), data.size() - pos);
            if (take <= 0)
                return pos;
            m_nvHeader.append(data.constData() + pos, take);
            pos += take;
            if (m_nvHeader.size() < 4)
                return pos;
            const int xBytes = readLe16(m_nvHeader.constData());
            const int bands = readLe16(m_nvHeader.constData() + 2);
            // Sizes are checked before anything is allocated.
            if (xBytes < 1 || xBytes > kMaxNvWidthBytes || bands > kMaxNvBands) {
                fail(out, QStringLiteral("NV page %1 of %2 with absurd size X %3, Y %4 "
                                         "(X 1..%5, Y 0..%6 accepted)")
                              .arg(m_nvDone.size() + 1)
                              .arg(m_nvTotal)
                              .arg(xBytes)
                              .arg(bands)
                              .arg(kMaxNvWidthBytes)
                              .arg(kMaxNvBands));
                return pos;
            }
            m_nvWidthBytes = xBytes;
            m_nvBands = bands;
            m_nvData.clear();
        }

        // The bytes are kept as they come and drawn once all are there, so a header that
        // promises a tall page costs nothing until its data has arrived.
        const int total = nvPageBytes(m_nvWidthBytes, m_nvBands);
        const int take = qMin(total - m_nvData.size(), data.size() - pos);
        m_nvData.append(data.constData() + pos, take);
        pos += take;
        if (m_nvData.size() < total)
            return pos;

        m_nvDone.append(nvPageImage(m_nvData, m_nvWidthBytes, m_nvBands));
        m_nvData.clear();
        m_nvWidthBytes = 0;
        m_nvBands = 0;
        m_nvHeader.clear();
        if (m_nvDone.size() == m_nvTotal) {
            PrinterCommand command;
            command.kind = PrinterCommand::DefineNvImages;
            command.images = m_nvDone;
            out.append(command);
            m_nvTotal = 0;
            m_nvDone.clear();
        }
    }
    return pos;
}

} // namespace devicemodel
