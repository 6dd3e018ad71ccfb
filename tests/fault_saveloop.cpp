// Child process of the interrupted-save test: saves one of two large designs after the other
// to the same file, forever, until it is killed.
//   fault_saveloop --references <dir>   writes the two designs as a.json and b.json, then exits
//   fault_saveloop <design file>        saves them alternately to the file; prints "saving"
//                                       once the first save is complete

#include "design.h"
#include "designfile.h"
#include "pagemeasures.h"
#include "ticketpage.h"

#include <QDir>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTextCursor>
#include <QTextImageFormat>

#include <cstdio>

namespace {

// A page with a picture of noise: several megabytes once saved, so a save takes long enough to
// be interrupted in the middle.
QJsonObject makeDesign(quint32 seed, bool limits)
{
    Design design;
    QImage picture(384, 2000, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < picture.height(); ++y)
        random.fillRange(reinterpret_cast<quint32 *>(picture.scanLine(y)), picture.width());
    TicketPage *page = design.page(0);
    const QString name = QStringLiteral("noise%1").arg(seed);
    page->addImageResource(picture, name);
    QTextImageFormat format;
    format.setName(name);
    QTextCursor(page->document()).insertImage(format);
    DesignSettings settings;
    settings.enableLimit = limits;
    design.setSettings(settings);
    return design.toJson();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    measurePagesAlike();
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();

    const QJsonObject a = makeDesign(1, false);
    const QJsonObject b = makeDesign(2, true);

    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--references")) {
        const QDir dir(arguments.at(2));
        return writeDesignFile(dir.filePath(QStringLiteral("a.json")), a).isEmpty() &&
                       writeDesignFile(dir.filePath(QStringLiteral("b.json")), b).isEmpty()
                   ? 0
                   : 1;
    }
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: fault_saveloop --references <dir> | <design file>\n");
        return 2;
    }
    const QString path = arguments.at(1);
    writeDesignFile(path, a);
    std::printf("saving\n");
    std::fflush(stdout);
    for (;;) {
        writeDesignFile(path, b);
        writeDesignFile(path, a);
    }
}
