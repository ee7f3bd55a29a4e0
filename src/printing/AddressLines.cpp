#include "AddressLines.h"

namespace arc {

namespace {

constexpr qsizetype kBreakCount = 41;

bool isBreak(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char(','); }

} // namespace

QStringList addressLines(const QString &text)
{
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    while (start < n) {
        qsizetype at = start;
        for (;;) {
            if (at >= n) {
                lines << text.mid(start);
                start = n;
                break;
            }
            const QChar c = text[at];
            if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
                lines << text.mid(start, at - start);
                start = at + 1;
                if (c == QLatin1Char('\r') && start < n && text[start] == QLatin1Char('\n'))
                    ++start;
                break;
            }
            if (at - start + 1 == kBreakCount) {
                qsizetype back = at;
                while (back >= start && !isBreak(text[back]))
                    --back;
                const qsizetype end = back >= start ? back + 1 : at; // hard break after the 40th
                lines << text.mid(start, end - start);
                start = end;
                break;
            }
            ++at;
        }
    }
    return lines;
}

} // namespace arc
