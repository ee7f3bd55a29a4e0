#include "SearchText.h"

#include <QList>

namespace arc::SearchText {

QString fold(const QString &text)
{
    if (text.isNull())
        return text;
    return text.normalized(QString::NormalizationForm_C).toCaseFolded();
}

PrefixRange beginningWith(const QString &prefix)
{
    PrefixRange range{prefix, std::nullopt};
    QList<uint> points = prefix.toUcs4();
    // The least text after every text with the prefix: the prefix with its
    // last code point raised by one, carried leftwards past the largest.
    while (!points.isEmpty()) {
        uint &last = points.last();
        if (last < 0x10FFFF) {
            ++last;
            if (last == 0xD800) // no text holds a surrogate on its own
                last = 0xE000;
            range.before = QString::fromUcs4(reinterpret_cast<const char32_t *>(points.constData()), points.size());
            break;
        }
        points.removeLast();
    }
    return range;
}

} // namespace arc::SearchText
