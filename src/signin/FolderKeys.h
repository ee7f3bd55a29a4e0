#pragma once

#include "KeyStore.h"

namespace arc {

// The keys as files in the data folder's Keys folder, which only the user
// may enter, each file readable by the user alone. A file is written beside
// its place and renamed over it, so a cut leaves the old entry whole.
class FolderKeys : public KeyStore {
public:
    // `dataFolder` ends with "/".
    explicit FolderKeys(const QString &dataFolder);

    QString place() const override { return m_folder; }
    // The file an entry is kept in.
    QString fileOf(const QString &entry) const { return m_folder + entry + QStringLiteral(".pem"); }

protected:
    Found read(const QString &entry, QByteArray &content, QString *error) const override;
    bool write(const QString &entry, const QByteArray &content, QString *error) override;
    bool remove(const QString &entry, QString *error) override;

private:
    QString m_folder; // ".../Keys/"
};

} // namespace arc
