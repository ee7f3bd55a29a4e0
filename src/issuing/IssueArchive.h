#pragma once

#include <QByteArray>
#include <QString>

namespace arc {

// Where issued pages are kept, each under a name of its own. A page once
// written is never replaced: writing a name that is taken fails.
class IssueArchive {
public:
    virtual ~IssueArchive() = default;

    // False with `error` set when the page could not be kept whole.
    virtual bool write(const QString &name, const QByteArray &bytes, QString *error) = 0;
    virtual bool contains(const QString &name) const = 0;
    // Take back a page whose log row could not be written.
    virtual void remove(const QString &name) = 0;
    // Where the user finds the page, for messages.
    virtual QString location(const QString &name) const = 0;
};

} // namespace arc
