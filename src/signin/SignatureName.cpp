#include "SignatureName.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace arc {

QStringList signatureEndings()
{
    return {QStringLiteral(".bmp"), QStringLiteral(".png"), QStringLiteral(".jpg"), QStringLiteral(".jpeg")};
}

QString signatureEnding(const QByteArray &content)
{
    QBuffer buffer;
    buffer.setData(content);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    const QByteArray format = QImageReader::imageFormat(&buffer);
    if (format == "bmp" || format == "png")
        return QLatin1Char('.') + QString::fromLatin1(format);
    if (format == "jpeg")
        return QStringLiteral(".jpg");
    return {};
}

QString signatureName(const QString &chosenFile, const QStringList &taken, const QString &ending)
{
    QString base = QFileInfo(chosenFile).fileName();
    for (const QString &e : signatureEndings())
        if (base.endsWith(e, Qt::CaseInsensitive)) {
            base.chop(e.size());
            break;
        }
    for (QChar &c : base)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('-') && c != QLatin1Char('_')
            && c != QLatin1Char('.'))
            c = QLatin1Char('_');
    // No hidden file, and never "." or "..".
    while (base.startsWith(QLatin1Char('.')))
        base.remove(0, 1);
    if (base.isEmpty())
        base = QStringLiteral("signature");
    QString name = base + ending;
    for (int n = 2; taken.contains(name, Qt::CaseInsensitive); ++n)
        name = QStringLiteral("%1-%2%3").arg(base).arg(n).arg(ending);
    return name;
}

} // namespace arc
