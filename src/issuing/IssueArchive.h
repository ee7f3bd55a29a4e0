#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace arc {

// Where issued pages are kept, each under a name of its own. A page is
// first staged, under a temporary name nobody reads it by, and put in
// place only once its log row is committed. A page once kept is never
// replaced: putting one in place where a name is taken fails.
class IssueArchive {
public:
    virtual ~IssueArchive() = default;

    // False with `error` set when the page could not be staged whole.
    virtual bool stage(const QString &name, const QByteArray &bytes, QString *error) = 0;
    // Put the staged page in place under its name.
    virtual bool publish(const QString &name, QString *error) = 0;
    // Drop a staged page.
    virtual void discard(const QString &name) = 0;
    // The staged content, empty when there is none.
    virtual QByteArray staged(const QString &name) const = 0;
    // The names staged by others: left behind by an issue that ended
    // before putting them in place or dropping them (a killed program), or
    // still being worked on at another station.
    virtual QStringList leftStaged() const = 0;
    // Whether the one who staged it is certainly gone.
    virtual bool ownerGone(const QString &name) const = 0;
    // The names of the pages kept.
    virtual QStringList kept() const = 0;
    // A kept page's content, empty when it is not kept or cannot be read.
    virtual QByteArray page(const QString &name) const = 0;

    virtual bool contains(const QString &name) const = 0;
    // Take back a page whose log row could not be written.
    virtual void remove(const QString &name) = 0;
    // Where the user finds the page, for messages.
    virtual QString location(const QString &name) const = 0;

    // Stage and put in place at once.
    bool write(const QString &name, const QByteArray &bytes, QString *error)
    {
        return stage(name, bytes, error) && publish(name, error);
    }
};

} // namespace arc
