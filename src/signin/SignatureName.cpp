#include "SignatureName.h"

#include <QFileInfo>

namespace arc {

QString signatureName(const QString &chosenFile, const QStringList &taken)
{
    QString base = QFileInfo(chosenFile).fileName();
    if (base.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
        base.chop(4);
    for (QChar &c : base)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('-') && c != QLatin1Char('_')
            && c != QLatin1Char('.'))
            c = QLatin1Char('_');
    // No hidden file, and never "." or "..".
    while (base.startsWith(QLatin1Char('.')))
        base.remove(0, 1);
    if (base.isEmpty())
        base = QStringLiteral("signature");
    QString name = base + QStringLiteral(".bmp");
    for (int n = 2; taken.contains(name, Qt::CaseInsensitive); ++n)
        name = QStringLiteral("%1-%2.bmp").arg(base).arg(n);
    return name;
}

} // namespace arc
