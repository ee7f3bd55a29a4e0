#include "CertificatePage.h"

#include <QCoreApplication>

namespace arc {

namespace {

struct CertificatePageTexts {
    Q_DECLARE_TR_FUNCTIONS(CertificatePage)
};

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
    return CertificatePageTexts::tr("Block %1 too long").arg(QLatin1String(printedIn(box).block));
}

} // namespace arc
