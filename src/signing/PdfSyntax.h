#pragma once

#include <QByteArray>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>

// The few pieces of PDF syntax the readers of a PDF's structure share.
namespace arc::pdf {

inline bool isSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0'; }
inline bool isDelimiter(char c) { return isSpace(c) || std::strchr("()<>[]{}/%", c) != nullptr; }

// The first byte at or after i that is not white space; i itself when
// negative.
inline qsizetype skipSpace(const QByteArray &text, qsizetype i)
{
    while (i >= 0 && i < text.size() && isSpace(text[i]))
        ++i;
    return i;
}

// The whitespace-separated word at i, and where the next one may begin.
inline QByteArray word(const QByteArray &text, qsizetype &i)
{
    i = skipSpace(text, qMax<qsizetype>(i, 0));
    const qsizetype start = i;
    while (i < text.size() && !isDelimiter(text[i]))
        ++i;
    return text.mid(start, i - start);
}

inline bool isNumber(const QByteArray &w)
{
    return !w.isEmpty() && std::all_of(w.begin(), w.end(), [](char c) { return std::isdigit(uchar(c)) != 0; });
}

// A word of digits as a number, when it has at most 18 of them: small
// enough that two such numbers add without overflow.
inline std::optional<qint64> count(const QByteArray &w)
{
    if (!isNumber(w) || w.size() > 18)
        return std::nullopt;
    return w.toLongLong();
}

} // namespace arc::pdf
