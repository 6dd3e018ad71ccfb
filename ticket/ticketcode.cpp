#include "ticketcode.h"

#include "outlinetextdevice.h"
#include "papergeometry.h"
#include "ticketpage.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>

#include <zint.h>

#include <array>
#include <memory>

namespace {

struct SymbologyFacts
{
    CodeSymbology symbology;
    const char *key; // the name in design files
    int zintId;
    int minimumModuleDots;
};

// Two-dimensional codes need larger modules than bars: the printer's dot gain closes up small
// square modules sooner than it narrows the gaps between bars.
constexpr std::array<SymbologyFacts, kCodeSymbologyCount> kSymbologies{{
    {CodeSymbology::Qr, "qr", BARCODE_QRCODE, 3},
    {CodeSymbology::Code128, "code128", BARCODE_CODE128, 2},
    {CodeSymbology::Ean13, "ean13", BARCODE_EANX, 2},
    {CodeSymbology::DataMatrix, "datamatrix", BARCODE_DATAMATRIX, 3},
    {CodeSymbology::Pdf417, "pdf417", BARCODE_PDF417, 2},
}};

constexpr std::array<const char *, 4> kQrLevelKeys{{"L", "M", "Q", "H"}};

// The readable line's glyphs, about three millimetres tall on paper.
constexpr int kReadableTextPixels = 24;

const SymbologyFacts &factsOf(CodeSymbology symbology)
{
    return kSymbologies.at(size_t(symbology));
}

// The reasons the operator reads, translated in a context of their own.
struct CodeTexts
{
    Q_DECLARE_TR_FUNCTIONS(CodeTexts)
};

struct ZintSymbol
{
    void operator()(zint_symbol *symbol) const { ZBarcode_Delete(symbol); }
};

// zint's own text for a failure, after our reason: it names the offending character or limit.
QString zintFailure(int status, const zint_symbol &symbol)
{
    QString reason;
    switch (status) {
    case ZINT_ERROR_TOO_LONG:
        reason = CodeTexts::tr("内容过长，此码容纳不下");
        break;
    case ZINT_ERROR_INVALID_DATA:
        reason = CodeTexts::tr("内容中有此码不能表示的字符");
        break;
    case ZINT_ERROR_INVALID_CHECK:
        reason = CodeTexts::tr("校验位不正确");
        break;
    default:
        reason = CodeTexts::tr("无法生成此码");
        break;
    }
    return reason + QLatin1Char('\n') + QString::fromUtf8(symbol.errtxt);
}

// The modules one dot each, with the symbology's quiet zone.
QImage encodeModules(const TicketCode &code, QString *error, QString *readable)
{
    std::unique_ptr<zint_symbol, ZintSymbol> symbol(ZBarcode_Create());
    if (!symbol) {
        *error = CodeTexts::tr("无法生成此码");
        return {};
    }
    symbol->symbology = factsOf(code.symbology).zintId;
    symbol->input_mode = UNICODE_MODE;
    symbol->output_options |= BARCODE_QUIET_ZONES;
    symbol->show_hrt = 0; // the readable line is drawn at the printer's resolution below
    symbol->scale = 0.5f; // zint's raster gives two pixels a module at scale 1
    if (code.symbology == CodeSymbology::Qr)
        symbol->option_1 = int(code.qrLevel) + 1;
    if (code.symbology == CodeSymbology::DataMatrix)
        symbol->option_3 = DM_SQUARE;

    const QByteArray data = code.content.toUtf8();
    const int status = ZBarcode_Encode_and_Buffer(
        symbol.get(), reinterpret_cast<const unsigned char *>(data.constData()), data.size(), 0);
    if (status >= ZINT_ERROR) {
        *error = zintFailure(status, *symbol);
        return {};
    }
    const int width = symbol->bitmap_width;
    const int height = symbol->bitmap_height;
    QImage modules(width, height, QImage::Format_RGB32);
    if (!symbol->bitmap || modules.isNull()) {
        *error = CodeTexts::tr("无法生成此码");
        return {};
    }
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(modules.scanLine(y));
        const unsigned char *rgb = symbol->bitmap + size_t(y) * size_t(width) * 3;
        for (int x = 0; x < width; ++x)
            line[x] = rgb[3 * x] < 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    *readable = QString::fromUtf8(reinterpret_cast<const char *>(symbol->text));
    return modules;
}

QFont readableFont()
{
    QFont font = pageFont();
    font.setPixelSize(kReadableTextPixels);
    // Whole dots only: grey glyph edges would print as black and fill the figures in.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// The code with its readable line under it, centred on the wider of the two.
QImage withReadableLine(const QImage &codeImage, QString text)
{
    text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    const QFont font = readableFont();
    const QFontMetrics metrics(font);
    text = metrics.elidedText(text.trimmed(), Qt::ElideRight, kPageContentWidth);
    const int width = qMax(codeImage.width(), metrics.horizontalAdvance(text));
    QImage image(width, codeImage.height() + metrics.height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    OutlineTextDevice device(image);
    QPainter painter(&device);
    painter.drawImage((width - codeImage.width()) / 2, 0, codeImage);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, codeImage.height(), width, metrics.height()), Qt::AlignCenter, text);
    return image;
}

} // namespace

bool operator==(const TicketCode &a, const TicketCode &b)
{
    return a.symbology == b.symbology && a.content == b.content && a.moduleDots == b.moduleDots &&
           a.qrLevel == b.qrLevel && a.humanReadable == b.humanReadable;
}

int minimumModuleDots(CodeSymbology symbology)
{
    return factsOf(symbology).minimumModuleDots;
}

CodePicture makeCodePicture(const TicketCode &code)
{
    CodePicture picture;
    const int smallest = minimumModuleDots(code.symbology);
    if (code.moduleDots < smallest) {
        picture.error = CodeTexts::tr("模块至少 %1 点：更小的模块印在纸上扫不出").arg(smallest);
        return picture;
    }
    if (code.moduleDots > kMaxModuleDots) {
        picture.error = CodeTexts::tr("模块最多 %1 点").arg(kMaxModuleDots);
        return picture;
    }
    if (code.content.isEmpty()) {
        picture.error = CodeTexts::tr("请输入码的内容");
        return picture;
    }
    // zint would also take 1 to 7 digits here and make an EAN-8 or an add-on of them.
    static const QRegularExpression eanDigits(QStringLiteral("^\\d{12,13}$"));
    if (code.symbology == CodeSymbology::Ean13 && !eanDigits.match(code.content).hasMatch()) {
        picture.error = CodeTexts::tr("EAN-13 需要 12 位数字，或连同校验位 13 位");
        return picture;
    }

    QString readable;
    const QImage modules = encodeModules(code, &picture.error, &readable);
    if (modules.isNull())
        return picture;
    // Whole dots for every module: no smoothing, no fractional scale.
    const QImage scaled = modules.scaled(modules.size() * code.moduleDots, Qt::IgnoreAspectRatio,
                                         Qt::FastTransformation);
    if (scaled.width() > kPageContentWidth) {
        picture.error = CodeTexts::tr("此码宽 %1 点，纸上只有 %2 点；请减少内容或缩小模块")
                            .arg(scaled.width())
                            .arg(kPageContentWidth);
        return picture;
    }
    const QImage image =
        code.humanReadable ? withReadableLine(scaled, readable.isEmpty() ? code.content : readable)
                           : scaled;
    picture.image = image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    return picture;
}

QJsonObject codeToJson(const TicketCode &code)
{
    QJsonObject object;
    object.insert(QStringLiteral("symbology"), QLatin1String(factsOf(code.symbology).key));
    object.insert(QStringLiteral("content"), code.content);
    object.insert(QStringLiteral("moduleDots"), code.moduleDots);
    object.insert(QStringLiteral("qrLevel"), QLatin1String(kQrLevelKeys.at(size_t(code.qrLevel))));
    object.insert(QStringLiteral("humanReadable"), code.humanReadable);
    return object;
}

std::optional<TicketCode> codeFromJson(const QJsonObject &object)
{
    const QString key = object.value(QStringLiteral("symbology")).toString();
    const QJsonValue content = object.value(QStringLiteral("content"));
    if (!content.isString())
        return std::nullopt;
    for (const SymbologyFacts &facts : kSymbologies) {
        if (key != QLatin1String(facts.key))
            continue;
        TicketCode code;
        code.symbology = facts.symbology;
        code.content = content.toString();
        // A size out of range is brought into it: the dialog shows what it would make.
        code.moduleDots =
            qBound(facts.minimumModuleDots, object.value(QStringLiteral("moduleDots")).toInt(),
                   kMaxModuleDots);
        const QString level = object.value(QStringLiteral("qrLevel")).toString();
        for (size_t i = 0; i < kQrLevelKeys.size(); ++i) {
            if (level == QLatin1String(kQrLevelKeys.at(i)))
                code.qrLevel = QrLevel(i);
        }
        code.humanReadable = object.value(QStringLiteral("humanReadable")).toBool();
        return code;
    }
    return std::nullopt;
}
