#pragma once

#include "TakenNumbers.h"

#include <QString>
#include <functional>

namespace arc {

class DataFolder;
class MessageBoxes;

// The tracking number the new certificate on screen took, until it is
// stored or the certificate is left: then it is voided with the reason.
// What cannot be written is told; a number whose void could not be
// written stays taken, and the next start voids it.
class NumberOnScreen {
public:
    using Who = std::function<Station()>;
    NumberOnScreen(DataFolder &folder, MessageBoxes &messages, Who who)
        : m_folder(folder), m_messages(messages), m_who(std::move(who))
    {
    }

    Station station() const { return m_who(); }
    void taken(const QString &tracking) { m_taken = tracking.trimmed(); }
    const QString &pending() const { return m_taken; }
    // Whether a certificate may be stored with this block 3 number: a void
    // one is refused, and the user told.
    bool mayStore(const QString &tracking) const;
    // The certificate was stored with block 3 `storedTracking`: the number
    // taken is let go, or voided when another number was stored instead.
    void stored(const QString &storedTracking);
    // The certificate is left unstored: the number voided now, for the
    // status line; empty when none was.
    QString left(const QString &reason);
    // At start: numbers taken by programs of this computer that ended
    // without storing or voiding them are voided; how many.
    int settleEnded() const;

private:
    void failed(const QString &what, const DbStatus &status) const;

    DataFolder &m_folder;
    MessageBoxes &m_messages;
    Who m_who;
    QString m_taken;
};

} // namespace arc
