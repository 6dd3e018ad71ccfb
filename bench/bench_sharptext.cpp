// Figures for sharp printed text, asserting nothing: whether bold keeps its weight when text is
// drawn for the printer without anti-aliasing, and how many dots of the default design print
// black only because their pixel was grey.

#include "design.h"
#include "designfile.h"
#include "monochrome.h"
#include "pagedownload.h"
#include "pagerender.h"
#include "ticketpage.h"
#include "ticketpreview.h"

#include <QGuiApplication>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>

namespace {

const QString kLatin = QStringLiteral("Your number: 0123, please wait at counter B");
const QString kChinese = QStringLiteral("请您耐心等候叫号，谢谢光临本银行");

// A page holding one line of `text` at `pointSize`, bold or regular.
QImage renderLine(const QString &text, int pointSize, bool bold, bool sharp)
{
    TicketPage page;
    page.setSharpText(sharp);
    QTextCharFormat format;
    format.setFontPointSize(pointSize);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    QTextCursor(page.document()).insertText(text, format);
    return renderPage(page);
}

// Ink of an anti-aliased rendering in whole dots: each pixel counts as dark as it is.
double coverage(const QImage &image)
{
    double ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += (255 - qGray(image.pixel(x, y))) / 255.0;
    return ink;
}

// Dots of an anti-aliased rendering that are at least half dark.
int halfDark(const QImage &image)
{
    int dots = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dots += qGray(image.pixel(x, y)) < 128;
    return dots;
}

// Dots the printer makes: anything but white.
int printed(const QImage &image)
{
    const QImage dots = printedDots(image);
    int count = 0;
    for (int y = 0; y < dots.height(); ++y)
        for (int x = 0; x < dots.width(); ++x)
            count += dots.pixelIndex(x, y) == 1;
    return count;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    std::printf("bold / regular dots; screen: anti-aliased ink (half-dark dots), print: sharp\n");
    std::printf("%-8s %4s %16s %8s %8s\n", "text", "pt", "screen", "print", "print/screen");
    for (const QString &text : {kLatin, kChinese}) {
        for (int size : {9, 10, 12}) {
            const QImage aaRegular = renderLine(text, size, false, false);
            const QImage aaBold = renderLine(text, size, true, false);
            const double screen = coverage(aaBold) / coverage(aaRegular);
            const double screenHalf = double(halfDark(aaBold)) / halfDark(aaRegular);
            const double print = double(printed(renderLine(text, size, true, true))) /
                                 printed(renderLine(text, size, false, true));
            std::printf("%-8s %4d %8.2f (%5.2f) %8.2f %8.2f\n",
                        text == kLatin ? "Latin" : "Chinese", size, screen, screenHalf, print,
                        print / screen);
        }
    }

    // The default design, as a new design starts: sharp text on.
    const DesignReadResult read =
        readDesignFile(QStringLiteral(TS_GOLDEN_DIR "/default/design.json"));
    if (!read.ok) {
        std::printf("default design not readable\n");
        return 1;
    }
    for (bool sharp : {false, true}) {
        Design design;
        design.loadJson(read.root);
        design.setSharpText(sharp);
        QList<QImage> pages;
        if (!renderDesignPages(design.pages(), &pages))
            return 1;
        const QList<TicketPreview> previews =
            previewTickets(prepareDownload(pages), QDateTime::currentDateTime());
        std::printf("default design, sharp text %s: grey-caused dots page 1 %d, page 2 %d\n",
                    sharp ? "on " : "off", previews.value(0).greyDots, previews.value(1).greyDots);
    }
    return 0;
}
