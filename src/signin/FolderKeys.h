#pragma once

#include "KeyStore.h"

namespace arc {

// The keys as files in the data folder's Keys folder. The folder takes the
// data folder's group, which may enter it and read the files (they are
// encrypted), so that every account sharing the data folder opens its own
// signatory's key; nobody else may. A file is written beside its place and
// renamed over it, so a cut leaves the old entry whole.
class FolderKeys : public KeyStore {
public:
    // `dataFolder` ends with "/".
    explicit FolderKeys(const QString &dataFolder);

    QString place() const override { return m_folder; }
    // The file an entry is kept in.
    QString fileOf(const QString &entry) const { return m_folder + entry + QStringLiteral(".pem"); }

    // The account this program runs as, as refusals name it.
    static QString account();

protected:
    Found read(const QString &entry, QByteArray &content, KeyStoreFailure &failure) const override;
    bool write(const QString &entry, const QByteArray &content, QString *error) override;
    bool remove(const QString &entry, QString *error) override;

private:
    // The Keys folder made if need be, with the data folder's group and
    // its rights; false when it cannot be made.
    bool prepareFolder(QString *error) const;

    QString m_dataFolder; // ".../"
    QString m_folder;     // ".../Keys/"
};

} // namespace arc
