#include "ArchiveName.h"

namespace arc::ArchiveName {

namespace {

// Letters and digits of ASCII, "-" and "."; a leading "." would hide the file.
QString safe(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        const bool plain = c.unicode() < 128 && (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('.'));
        out += plain ? c : QLatin1Char('_');
    }
    if (out.startsWith(QLatin1Char('.')))
        out[0] = QLatin1Char('_');
    return out.isEmpty() ? QStringLiteral("_") : out;
}

QString stem(const QString &tracking, qint64 formIndex, const QDateTime &issuedAt)
{
    return QStringLiteral("%1_%2_%3")
        .arg(safe(tracking.trimmed()))
        .arg(formIndex)
        .arg(issuedAt.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")));
}

} // namespace

QString make(const QString &tracking, qint64 formIndex, const QDateTime &issuedAt)
{
    return stem(tracking, formIndex, issuedAt) + QStringLiteral(".pdf");
}

QString unused(const QString &tracking, qint64 formIndex, const QDateTime &issuedAt,
               const std::function<bool(const QString &)> &taken)
{
    QString name = make(tracking, formIndex, issuedAt);
    for (int n = 2; taken(name); ++n)
        name = QStringLiteral("%1_%2.pdf").arg(stem(tracking, formIndex, issuedAt)).arg(n);
    return name;
}

} // namespace arc::ArchiveName
