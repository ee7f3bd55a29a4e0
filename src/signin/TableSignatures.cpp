#include "TableSignatures.h"

#include "SignatureName.h"

#include "StoredFiles.h"

namespace arc {

QStringList TableSignatures::names() const
{
    QStringList out;
    for (const QString &ending : signatureEndings())
        out << StoredFiles::names(m_reference, ending);
    out.sort(Qt::CaseInsensitive);
    return out;
}

QByteArray TableSignatures::read(const QString &name) const
{
    QByteArray content;
    return StoredFiles::read(m_reference, name, content).ok() ? content : QByteArray();
}

SignatureStore::Added TableSignatures::add(const QString &name, const QByteArray &content, QString *error)
{
    QByteArray existing;
    if (StoredFiles::read(m_reference, name, existing).ok())
        return Added::NameTaken;
    if (const DbStatus s = StoredFiles::write(m_reference, name, content); !s.ok()) {
        if (error)
            *error = s.detail();
        return Added::Failed;
    }
    return Added::Yes;
}

} // namespace arc
