#include "TableSignatures.h"

#include "StoredFiles.h"

namespace arc {

QStringList TableSignatures::names() const { return StoredFiles::names(m_reference, QStringLiteral(".bmp")); }

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
