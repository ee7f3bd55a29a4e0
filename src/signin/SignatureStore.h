#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace arc {

// Where the signature bitmaps of the signatories are kept, each under a
// bare file name that an Agents row names: beside the data files of a data
// folder, in the Files table of a server database.
class SignatureStore {
public:
    virtual ~SignatureStore() = default;

    // The bitmaps a signatory may choose, sorted without regard to case:
    // only those that read() gives.
    virtual QStringList names() const = 0;
    // The file's content; empty when there is none by that name or it is
    // refused.
    virtual QByteArray read(const QString &name) const = 0;

    enum class Added { Yes, NameTaken, Failed };
    // Puts a new file in. A file already kept is never replaced.
    virtual Added add(const QString &name, const QByteArray &content, QString *error) = 0;

    // Where the user finds the file, for messages.
    virtual QString location(const QString &name) const = 0;
    // What holds the files, for messages: "the data folder".
    virtual QString place() const = 0;
};

} // namespace arc
