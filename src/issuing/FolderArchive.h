#pragma once

#include "IssueArchive.h"

#include <QHash>

namespace arc {

// The archive as the folder Issued/ inside the data folder. A page is
// staged as the hidden file ".<name>.part", locked while this archive
// works on it, so that another station opening the folder meanwhile does
// not take it for one left by a killed program: only those are listed as
// left staged.
class FolderArchive : public IssueArchive {
public:
    // `dataFolder` ends with "/".
    explicit FolderArchive(const QString &dataFolder);
    ~FolderArchive() override;
    FolderArchive(const FolderArchive &) = delete;
    FolderArchive &operator=(const FolderArchive &) = delete;

    static QString folderName() { return QStringLiteral("Issued"); }

    bool stage(const QString &name, const QByteArray &bytes, QString *error) override;
    bool publish(const QString &name, QString *error) override;
    void discard(const QString &name) override;
    QByteArray staged(const QString &name) const override;
    QStringList leftStaged() const override;
    bool ownerGone(const QString &name) const override;
    QStringList kept() const override;
    QByteArray page(const QString &name) const override;

    bool contains(const QString &name) const override;
    void remove(const QString &name) override;
    QString location(const QString &name) const override;

private:
    QString m_folder;
    QHash<QString, int> m_locks; // staged here, by name
};

} // namespace arc
