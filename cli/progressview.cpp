#include "progressview.h"

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
constexpr int kBarWidth = 30;
constexpr int kPlainStep = 10;
} // namespace

ProgressView::ProgressView(const QStringList &ports, bool bars, FILE *out)
    : m_bars(bars), m_out(out)
{
    for (const QString &port : ports) {
        m_lines.push_back({port, 0, false, false, {}});
        m_portWidth = qMax(m_portWidth, port.size());
    }
    if (m_bars)
        redraw();
}

bool standardOutputIsTerminal()
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stdout));
#else
    return isatty(fileno(stdout));
#endif
}

bool ProgressView::terminalOutput()
{
    return standardOutputIsTerminal() && qgetenv("TERM") != "dumb";
}

void ProgressView::setProgress(int index, int percent)
{
    Line &line = m_lines.at(size_t(index));
    if (line.finished || percent <= line.percent)
        return;
    const bool nextStep = percent / kPlainStep > line.percent / kPlainStep;
    line.percent = percent;
    if (m_bars)
        redraw();
    else if (nextStep && percent < 100)
        print(QStringLiteral("%1: %2 %").arg(line.port).arg(percent));
}

void ProgressView::setFinished(int index, bool ok, const QString &text)
{
    Line &line = m_lines.at(size_t(index));
    line.finished = true;
    line.ok = ok;
    line.text = text;
    if (m_bars)
        redraw();
    else
        print(QStringLiteral("%1: %2").arg(line.port, ok ? text : "FAILED: " + text));
}

QString ProgressView::barLine(const Line &line) const
{
    const int filled = line.percent * kBarWidth / 100;
    QString text = QStringLiteral("%1 [%2%3] %4 %")
                       .arg(line.port, -m_portWidth)
                       .arg(QString(filled, QLatin1Char('#')))
                       .arg(QString(kBarWidth - filled, QLatin1Char('.')))
                       .arg(line.percent, 3);
    if (line.finished)
        text += QLatin1String("  ") + (line.ok ? line.text : "FAILED: " + line.text);
    return text;
}

void ProgressView::redraw()
{
    QString text;
    // Back to the first bar, then every bar over its old self.
    if (m_drawn)
        text += QStringLiteral("\x1b[%1A").arg(m_lines.size());
    for (const Line &line : m_lines)
        text += QLatin1String("\r\x1b[2K") + barLine(line) + QLatin1Char('\n');
    m_drawn = true;
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_out);
    std::fflush(m_out);
}

void ProgressView::print(const QString &text)
{
    const QByteArray bytes = (text + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_out);
    std::fflush(m_out);
}
