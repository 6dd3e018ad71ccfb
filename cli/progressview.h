#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>
#include <vector>

// Whether standard output is a terminal rather than a file or a pipe.
bool standardOutputIsTerminal();

// Progress of a transfer to several ports: on a terminal one bar per port, redrawn in place;
// elsewhere (a file, a pipe) plain lines at every tenth and at the end, so logs stay readable.
class ProgressView
{
public:
    ProgressView(const QStringList &ports, bool bars, FILE *out);

    void setProgress(int index, int percent);
    void setFinished(int index, bool ok, const QString &text);

    // Whether standard output is a terminal that can draw bars.
    static bool terminalOutput();

private:
    struct Line
    {
        QString port;
        int percent = 0;
        bool finished = false;
        bool ok = false;
        QString text;
    };

    QString barLine(const Line &line) const;
    void redraw();
    void print(const QString &text);

    std::vector<Line> m_lines;
    bool m_bars;
    FILE *m_out;
    int m_portWidth = 0;
    bool m_drawn = false;
};
