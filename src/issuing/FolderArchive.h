#pragma once

#include "IssueArchive.h"

namespace arc {

// The archive as the folder Issued/ inside the data folder.
class FolderArchive : public IssueArchive {
public:
    // `dataFolder` ends with "/".
    explicit FolderArchive(const QString &dataFolder);

    static QString folderName() { return QStringLiteral("Issued"); }

    bool write(const QString &name, const QByteArray &bytes, QString *error) override;
    bool contains(const QString &name) const override;
    void remove(const QString &name) override;
    QString location(const QString &name) const override;

    // The hidden name a page is written under until it is whole.
    static QString partName(const QString &name);

private:
    QString m_folder;
};

} // namespace arc
