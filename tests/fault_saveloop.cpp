// Child process of the interrupted-save test: saves one of two large designs after the other
// to the same file, forever, until it is killed.
//   fault_saveloop --references <dir>   writes the two designs as a.json and b.json, then exits
//   fault_saveloop <design file>        saves them alternately to the file; prints "saving"
//                                       once the first save is complete

#include "testpages.h"
#include "ticketstation.h"
#include "ttqtextedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QRandomGenerator>
#include <QTextCursor>

#include <cstdio>
#include <memory>

namespace {

// A page with a picture of noise: several megabytes once saved, so a save takes long enough to
// be interrupted in the middle.
std::unique_ptr<TicketStation> makeDesign(quint32 seed, bool limits)
{
    auto window = std::make_unique<TicketStation>();
    QImage picture(384, 2000, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < picture.height(); ++y)
        random.fillRange(reinterpret_cast<quint32 *>(picture.scanLine(y)), picture.width());
    TtQTextEdit *page = window->pageEditor(0);
    const QString name = QStringLiteral("noise%1").arg(seed);
    QTextCursor cursor(page->document());
    insertPicture(*page, cursor, name, picture);
    window->findChild<QCheckBox *>(QStringLiteral("cbEnableLimit"))->setChecked(limits);
    return window;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();

    const std::unique_ptr<TicketStation> a = makeDesign(1, false);
    const std::unique_ptr<TicketStation> b = makeDesign(2, true);

    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--references")) {
        const QDir dir(arguments.at(2));
        a->onSave(dir.filePath(QStringLiteral("a.json")));
        b->onSave(dir.filePath(QStringLiteral("b.json")));
        return 0;
    }
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: fault_saveloop --references <dir> | <design file>\n");
        return 2;
    }
    const QString path = arguments.at(1);
    a->onSave(path);
    std::printf("saving\n");
    std::fflush(stdout);
    for (;;) {
        b->onSave(path);
        a->onSave(path);
    }
}
