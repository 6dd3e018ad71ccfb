#include "clirequest.h"

#include "layouttable.h"
#include "tcpaddress.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMap>
#include <QSet>

namespace {

// Years the device clock keeps: it stores the year less 2000 in two decimal digits.
constexpr int kFirstClockYear = 2000;
constexpr int kLastClockYear = 2099;
constexpr int kMaxSampleNumber = 9999;
constexpr int kMaxSendGap = 60000;

const char kDescription[] =
    "Works with ticket designs and queue-ticket dispensers without a window.\n"
    "\n"
    "Commands:\n"
    "  render DESIGN --out DIR       writes page-N.png (the dots the device stores) and\n"
    "                                ticket-N.png (the ticket it prints, with sample values)\n"
    "  bytes DESIGN [--out FILE]     writes the exact bytes a download sends\n"
    "  download DESIGN --port P...   downloads the design to every port at once\n"
    "  test-print DESIGN --port P... prints the test ticket of a page (--page, default 1)\n"
    "  set-clock --port P...         sets the device clock (--time, default now)\n"
    "  settings --port P...          sends the system settings: those of --design, or the\n"
    "                                defaults, changed by the settings options\n"
    "  version --port P...           asks the device for its version\n"
    "\n"
    "The design is read, never written. The number of pages is the design's own unless --pages\n"
    "is given. What the checks find in it (content below a page's height, marks, pictures past\n"
    "the paper's edge, missing fonts) is told on standard error; the device takes the first 6\n"
    "pages, and a design with more is refused unless --force is given.\n"
    "A command to a device is done once the device has answered the version query sent after\n"
    "it; the device acknowledges nothing else.\n"
    "Exit status: 0 done, 1 a device failed or did not answer, 2 a design or option that\n"
    "cannot be used, 130 stopped by Ctrl-C (each port left incomplete is named).";

struct CommandInfo
{
    Command command;
    bool needsDesign;
    bool takesDesign;
    bool needsPorts;
    QStringList options;
};

const QMap<QString, CommandInfo> &commands()
{
    const QStringList pageOptions{"design", "pages", "max-height"};
    // The device's intervals, shortened by tests.
    const QStringList timing{"send-gap", "answer-wait", "stall-time"};
    static const QMap<QString, CommandInfo> map{
        {"render",
         {Command::Render, true, true, false,
          pageOptions + QStringList{"out", "number", "waiting", "time", "force"}}},
        {"bytes", {Command::Bytes, true, true, false, pageOptions + QStringList{"out", "force"}}},
        {"download",
         {Command::Download, true, true, true,
          pageOptions + QStringList{"port", "force"} + timing}},
        {"test-print",
         {Command::TestPrint, true, true, true,
          pageOptions + QStringList{"port", "page"} + timing}},
        {"set-clock",
         {Command::SetClock, false, false, true, QStringList{"port", "time"} + timing}},
        {"settings",
         {Command::Settings, false, true, true,
          QStringList{"design", "port", "network", "clear-hour", "interval", "limits",
                      "enable-limits", "disable-limits", "number-format"} +
              timing}},
        {"version", {Command::Version, false, false, true, QStringList{"port"} + timing}},
    };
    return map;
}

// An option's help, with the range of the setting it sets.
QString rangeHelp(const char *what, const SettingRange &range)
{
    return QStringLiteral("%1, %2 to %3")
        .arg(QLatin1String(what))
        .arg(range.minimum)
        .arg(range.maximum);
}

QList<QCommandLineOption> allOptions()
{
    QCommandLineOption sendGap(
        "send-gap", "Milliseconds between frames (for tests; the device needs 300).", "MS");
    QCommandLineOption answerWait(
        "answer-wait", "Milliseconds a device may take to answer (for tests; default 3000).", "MS");
    QCommandLineOption stallTime(
        "stall-time", "Milliseconds a line may take no data (for tests; default 5000).", "MS");
    for (QCommandLineOption *forTests : {&sendGap, &answerWait, &stallTime})
        forTests->setFlags(QCommandLineOption::HiddenFromHelp);
    return {
        {"out", "render: folder for the images; bytes: file for the bytes.", "PATH"},
        {"port",
         "Serial port of a dispenser, or tcp://HOST:PORT for one behind a serial device "
         "server (HOST an IP address or localhost); repeat for several.",
         "PORT"},
        {"design", "The design file (instead of the DESIGN argument).", "FILE"},
        {"pages", "Number of pages, 1 to 6 (default: as many as the design holds).", "N"},
        {"force",
         "render, bytes, download: go on with a design that has more pages than the device "
         "takes, without those pages."},
        {"max-height", "Height a page may take, in dots, 8 to 65535 (default 480).", "DOTS"},
        {"number", "render: ticket number printed, 0 to 9999 (default 1).", "N"},
        {"waiting", "render: people waiting printed, 0 to 9999 (default 2).", "N"},
        {"time", "render, set-clock: date and time, ISO 8601 (default now).", "TIME"},
        {"page", "test-print: the page to print, from 1 (default 1).", "N"},
        {"network", rangeHelp("settings: network number", settingrange::netWork) + QLatin1Char('.'),
         "N"},
        {"clear-hour",
         rangeHelp("settings: hour the numbers start again", settingrange::clearNumberTime) +
             QLatin1Char('.'),
         "HOUR"},
        {"interval",
         rangeHelp("settings: ticketing interval", settingrange::ticketingInterval) +
             QLatin1Char('.'),
         "N"},
        {"limits",
         rangeHelp("settings: six number limits", settingrange::numberLimit) +
             QStringLiteral(", separated by commas."),
         "L1,...,L6"},
        {"enable-limits", "settings: the device keeps to the number limits."},
        {"disable-limits", "settings: the device ignores the number limits."},
        {"number-format", "settings: \"zeros\" (0001) or \"spaces\" (   1).", "FORMAT"},
        sendGap,
        answerWait,
        stallTime,
    };
}

// Reads the values of a parsed command line into a request; the first problem ends it.
class RequestReader
{
public:
    RequestReader(const QCommandLineParser &parser, CliRequest &request)
        : m_parser(parser), m_request(request)
    {}

    QString error;

    bool has(const QString &name) const { return m_parser.isSet(name); }
    QString value(const QString &name) const { return m_parser.value(name); }

    // Takes the option's whole number into `out`; true as well when the option is not given.
    bool whole(const QString &name, int min, int max, int *out)
    {
        if (!has(name))
            return true;
        bool ok = false;
        const int number = value(name).toInt(&ok);
        if (!ok || number < min || number > max) {
            error = QStringLiteral("--%1 takes a whole number from %2 to %3, not \"%4\"")
                        .arg(name)
                        .arg(min)
                        .arg(max)
                        .arg(value(name));
            return false;
        }
        *out = number;
        return true;
    }

    bool optionalWhole(const QString &name, const SettingRange &range, std::optional<int> *out)
    {
        return optionalWhole(name, range.minimum, range.maximum, out);
    }

    bool optionalWhole(const QString &name, int min, int max, std::optional<int> *out)
    {
        int number = 0;
        if (!whole(name, min, max, &number))
            return false;
        if (has(name))
            *out = number;
        return true;
    }

    bool time(const QString &name, QDateTime *out)
    {
        if (!has(name))
            return true;
        QDateTime time = QDateTime::fromString(value(name), Qt::ISODate);
        if (!time.isValid()) {
            error = QStringLiteral("--%1 takes a date and time such as 2024-05-06T07:08:09, not "
                                   "\"%2\"")
                        .arg(name, value(name));
            return false;
        }
        // The device keeps local time; an instant given with an offset is shown as such.
        if (time.timeSpec() != Qt::LocalTime)
            time = time.toLocalTime();
        *out = time;
        return true;
    }

    bool limits()
    {
        if (!has("limits"))
            return true;
        const QStringList parts = value("limits").split(QLatin1Char(','));
        std::array<int, kMaxDesignPages> limits{};
        bool ok = parts.size() == int(limits.size());
        for (int i = 0; ok && i < parts.size(); ++i) {
            limits[size_t(i)] = parts.at(i).trimmed().toInt(&ok);
            ok = ok && limits[size_t(i)] >= settingrange::numberLimit.minimum &&
                 limits[size_t(i)] <= settingrange::numberLimit.maximum;
        }
        if (!ok) {
            error = QStringLiteral("--limits takes six whole numbers from 0 to %1 separated by "
                                   "commas, not \"%2\"")
                        .arg(kMaxNumberLimit)
                        .arg(value("limits"));
            return false;
        }
        m_request.settings.numberLimits = limits;
        return true;
    }

    bool numberFormat()
    {
        if (!has("number-format"))
            return true;
        const QString format = value("number-format");
        if (format != QLatin1String("zeros") && format != QLatin1String("spaces")) {
            error = QStringLiteral("--number-format takes \"zeros\" or \"spaces\", not \"%1\"")
                        .arg(format);
            return false;
        }
        m_request.settings.numberFormat = format == QLatin1String("zeros") ? 0 : 1;
        return true;
    }

    bool samples()
    {
        // In the widths of the device's first ticket: four digits and two.
        std::optional<int> number;
        std::optional<int> waiting;
        if (!optionalWhole("number", 0, kMaxSampleNumber, &number) ||
            !optionalWhole("waiting", 0, kMaxSampleNumber, &waiting))
            return false;
        if (number)
            m_request.samples.number = QStringLiteral("%1").arg(*number, 4, 10, QLatin1Char('0'));
        if (waiting)
            m_request.samples.waiting = QStringLiteral("%1").arg(*waiting, 2, 10, QLatin1Char('0'));
        return time("time", &m_request.samples.time);
    }

    bool ports()
    {
        QSet<QString> seen;
        for (const QString &port : m_parser.values("port")) {
            // "ttyUSB0" and "/dev/ttyUSB0" are one port, and so are tcp://localhost:PORT and
            // tcp://127.0.0.1:PORT; two sessions on one port would mix their frames.
            QString key;
            if (isTcpPortName(port)) {
                TcpAddress address;
                QString why;
                if (!parseTcpPortName(port, &address, &why)) {
                    error = QStringLiteral("port %1: %2").arg(port, why);
                    return false;
                }
                key = QStringLiteral("tcp://%1:%2").arg(address.host.toString()).arg(address.port);
            } else {
                const QString location = port.contains(QLatin1Char('/')) ? port : "/dev/" + port;
                const QString canonical = QFileInfo(location).canonicalFilePath();
                key = canonical.isEmpty() ? location : canonical;
            }
            if (port.isEmpty() || seen.contains(key)) {
                error = port.isEmpty() ? QStringLiteral("--port needs a port name")
                                       : QStringLiteral("port %1 is given twice").arg(port);
                return false;
            }
            seen.insert(key);
            m_request.ports << port;
        }
        return true;
    }

private:
    const QCommandLineParser &m_parser;
    CliRequest &m_request;
};

ParsedCommandLine refuse(const QString &why)
{
    ParsedCommandLine parsed;
    parsed.exitCode = kExitUnusable;
    parsed.error = why;
    return parsed;
}

} // namespace

void SettingsChanges::applyTo(DesignSettings &settings) const
{
    settings.netWork = netWork.value_or(settings.netWork);
    settings.clearNumberTime = clearNumberTime.value_or(settings.clearNumberTime);
    settings.ticketingInterval = ticketingInterval.value_or(settings.ticketingInterval);
    settings.numberFormat = numberFormat.value_or(settings.numberFormat);
    settings.numberLimits = numberLimits.value_or(settings.numberLimits);
    settings.enableLimit = enableLimit.value_or(settings.enableLimit);
}

ParsedCommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kDescription));
    parser.addPositionalArgument("command", "One of the commands above.");
    parser.addPositionalArgument("design", "The design file, a JSON file the program saves.",
                                 "[DESIGN]");
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addOptions(allOptions());

    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    ParsedCommandLine parsed;
    if (parser.isSet(helpOption) || parser.isSet(versionOption)) {
        parsed.output = parser.isSet(helpOption)
                            ? parser.helpText()
                            : QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                            QCoreApplication::applicationVersion());
        return parsed;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return refuse("no command given (see --help)");
    const auto found = commands().constFind(positional.first());
    if (found == commands().constEnd())
        return refuse(
            QStringLiteral("unknown command \"%1\" (see --help)").arg(positional.first()));
    const CommandInfo &info = found.value();
    const QString name = found.key();

    for (const QString &option : parser.optionNames()) {
        if (!info.options.contains(option))
            return refuse(QStringLiteral("--%1 does not apply to %2").arg(option, name));
        if (option != QLatin1String("port") && parser.values(option).size() > 1)
            return refuse(QStringLiteral("--%1 is given more than once").arg(option));
    }
    if (positional.size() > (info.takesDesign ? 2 : 1))
        return refuse(QStringLiteral("unexpected argument \"%1\" for %2")
                          .arg(positional.at(info.takesDesign ? 2 : 1), name));

    CliRequest &request = parsed.request;
    request.command = info.command;
    if (positional.size() > 1 && parser.isSet("design"))
        return refuse("give the design either as an argument or with --design, not both");
    request.designPath = positional.size() > 1 ? positional.at(1) : parser.value("design");
    if (info.needsDesign && request.designPath.isEmpty())
        return refuse(QStringLiteral("%1 needs a design file").arg(name));
    if (info.needsPorts && !parser.isSet("port"))
        return refuse(QStringLiteral("%1 needs at least one --port").arg(name));
    request.out = parser.value("out");
    if (info.command == Command::Render && request.out.isEmpty())
        return refuse("render needs --out DIR");
    if (parser.isSet("enable-limits") && parser.isSet("disable-limits"))
        return refuse("give --enable-limits or --disable-limits, not both");
    request.force = parser.isSet("force");
    if (parser.isSet("enable-limits") || parser.isSet("disable-limits"))
        request.settings.enableLimit = parser.isSet("enable-limits");

    RequestReader read(parser, request);
    const bool ok =
        read.ports() && read.whole("pages", 1, kLayoutTableEntries, &request.pages) &&
        read.whole("max-height", kMinPageHeight, kMaxPageHeight, &request.maxHeight) &&
        read.whole("page", 1, kLayoutTableEntries, &request.testPage) &&
        read.whole("send-gap", 0, kMaxSendGap, &request.sendGap) &&
        read.whole("answer-wait", 1, kMaxSendGap, &request.answerWait) &&
        read.whole("stall-time", 1, kMaxSendGap, &request.stallTime) &&
        (info.command != Command::Render || read.samples()) &&
        (info.command != Command::SetClock || read.time("time", &request.clock)) &&
        read.optionalWhole("network", settingrange::netWork, &request.settings.netWork) &&
        read.optionalWhole("clear-hour", settingrange::clearNumberTime,
                           &request.settings.clearNumberTime) &&
        read.optionalWhole("interval", settingrange::ticketingInterval,
                           &request.settings.ticketingInterval) &&
        read.limits() && read.numberFormat();
    if (!ok)
        return refuse(read.error);
    if (request.clock.isValid() && (request.clock.date().year() < kFirstClockYear ||
                                    request.clock.date().year() > kLastClockYear))
        return refuse(QStringLiteral("the device clock keeps the years %1 to %2 only")
                          .arg(kFirstClockYear)
                          .arg(kLastClockYear));
    parsed.run = true;
    return parsed;
}
