#pragma once

#include "SignatureStore.h"

#include <QCoreApplication>

namespace arc {

// The signatures as files in the data folder. A name that could reach
// anything else (another folder, a device, a pipe that would block the
// reader, a huge file) is refused before the file is opened.
class FolderSignatures : public SignatureStore {
public:
    // `dataFolder` ends with "/".
    explicit FolderSignatures(const QString &dataFolder) : m_folder(dataFolder) {}

    static constexpr qint64 maxBytes = 8 * 1024 * 1024;

    QStringList names() const override;
    QByteArray read(const QString &name) const override;
    Added add(const QString &name, const QByteArray &content, QString *error) override;
    QString location(const QString &name) const override { return m_folder + name; }
    QString place() const override { return QCoreApplication::translate("FolderSignatures", "the data folder"); }

private:
    // The file to read for `name`; empty when it is refused.
    QString resolve(const QString &name) const;

    QString m_folder;
};

} // namespace arc
