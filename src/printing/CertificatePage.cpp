#include "CertificatePage.h"

namespace arc {

namespace {

const CertificateField &printedIn(PrintedBox box)
{
    const CertificateField *f = CertificateFields::byPrintedBox(box);
    Q_ASSERT(f);
    return *f;
}

} // namespace

QString CertificatePage::text(PrintedBox box) const
{
    const CertificateField &f = printedIn(box);
    return f.dateText ? this->*f.dateText : this->*f.text;
}

bool CertificatePage::ticked(PrintedBox box) const { return this->*printedIn(box).flag; }

QString CertificatePage::tooLong(PrintedBox box)
{
    return QStringLiteral("Block %1 too long").arg(QLatin1String(printedIn(box).block));
}

} // namespace arc
