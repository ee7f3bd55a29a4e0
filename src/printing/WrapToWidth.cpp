#include "WrapToWidth.h"

#include "PageCanvas.h"

namespace arc {

namespace {

bool isSpace(QChar c) { return c == QLatin1Char(' '); }

// Lines of one paragraph (a text without line breaks).
void wrapParagraph(const QString &para, double width, const PageCanvas &canvas, QStringList &lines)
{
    const qsizetype n = para.size();
    if (n == 0) {
        lines << QString();
        return;
    }
    qsizetype start = 0;
    while (start < n) {
        qsizetype end = start; // the line so far is para[start, end)
        bool first = true;
        for (;;) {
            // The next word: its visible part, then the spaces after it.
            qsizetype wordEnd = end;
            while (wordEnd < n && !isSpace(para[wordEnd]))
                ++wordEnd;
            qsizetype spacesEnd = wordEnd;
            while (spacesEnd < n && isSpace(para[spacesEnd]))
                ++spacesEnd;
            if (canvas.textWidth(para.mid(start, wordEnd - start)) <= width) {
                end = spacesEnd;
                first = false;
                if (end >= n)
                    break;
                continue;
            }
            if (first) {
                // A word wider than the column breaks after its last
                // character that fits, keeping at least one.
                qsizetype fit = end + 1;
                while (fit < wordEnd && canvas.textWidth(para.mid(start, fit + 1 - start)) <= width)
                    ++fit;
                end = fit;
            }
            break;
        }
        lines << para.mid(start, end - start);
        start = end;
    }
}

} // namespace

QStringList WrapToWidth(const QString &text, double width, int fetchLimit, const PageCanvas &canvas)
{
    QStringList lines;
    qsizetype from = 0;
    const qsizetype n = text.size();
    for (;;) {
        qsizetype at = from;
        while (at < n && text[at] != QLatin1Char('\r') && text[at] != QLatin1Char('\n'))
            ++at;
        wrapParagraph(text.mid(from, at - from), width, canvas, lines);
        if (at >= n)
            break;
        from = at + 1;
        if (text[at] == QLatin1Char('\r') && from < n && text[from] == QLatin1Char('\n'))
            ++from;
    }
    for (QString &line : lines)
        if (line.size() > fetchLimit)
            line.truncate(fetchLimit);
    return lines;
}

} // namespace arc
