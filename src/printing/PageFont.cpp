#include "PageFont.h"

#include <QFontDatabase>
#include <QStringList>
#include <QtMath>

namespace arc::PageFont {

const QString &family()
{
    static const QString chosen = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char *name : {"Arial", "Liberation Sans"})
            if (installed.contains(QLatin1String(name), Qt::CaseInsensitive))
                return QString::fromLatin1(name);
        return QStringLiteral("Arial"); // let the font matcher find the closest
    }();
    return chosen;
}

QString resolve(const QString &requested)
{
    if (requested.isEmpty() || requested.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        return family();
    return requested;
}

double takenSize(double points) { return qMax(1, qRound(points * 20.0)) / 20.0; }

QFont font(const QString &name, double points, bool bold)
{
    QFont f(name);
    f.setPixelSize(qMax(1, qRound(points * 20.0)));
    f.setBold(bold);
    f.setItalic(false);
    // Unhinted outlines measure the same on every device, so a width taken
    // for the layout is the width drawn on paper and in a PDF.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

} // namespace arc::PageFont
