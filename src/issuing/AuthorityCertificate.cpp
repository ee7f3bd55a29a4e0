#include "AuthorityCertificate.h"

#include "DataFolder.h"
#include "Database.h"
#include "StoredFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace arc {

namespace {

struct AuthorityCertificateTexts {
    Q_DECLARE_TR_FUNCTIONS(AuthorityCertificate)
};

// Where the key store keeps the authority's entry: the encrypted key's
// block, then the certificate.
const QString kEntry = QStringLiteral("Keys/authority.pem");
constexpr qint64 kMaxBytes = 1024 * 1024;

} // namespace

QByteArray authorityCertificateOf(const QString &dataSource, QString *error)
{
    QByteArray entry;
    if (DataFolder::isServer(dataSource)) {
        Database reference;
        DbStatus s = reference.openServer(dataSource, StoreKind::Reference);
        if (s.ok())
            s = StoredFiles::read(reference, kEntry, entry);
        if (s.is(DbCondition::ItemNotFound))
            return {};
        if (!s.ok()) {
            if (error)
                *error = s.detail();
            return {};
        }
    } else {
        const QString path = dataSource + kEntry;
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink())
            return {};
        // A plain file only, as the key store writes it.
        if (info.isSymLink() || !info.isFile() || info.size() > kMaxBytes) {
            if (error)
                *error = AuthorityCertificateTexts::tr("%1 is not a key file").arg(path);
            return {};
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            if (error)
                *error = AuthorityCertificateTexts::tr("%1 cannot be read: %2").arg(path, file.errorString());
            return {};
        }
        entry = file.readAll();
    }
    const qsizetype begin = entry.indexOf("-----BEGIN CERTIFICATE-----");
    return begin < 0 ? QByteArray() : entry.mid(begin);
}

} // namespace arc
