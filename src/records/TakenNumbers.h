#pragma once

#include "DbStatus.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <vector>

namespace arc {

class Database;

// Who takes or voids a number: the computer, the person signed in and the
// running program.
struct Station {
    QString workstation;
    QString user;
    qint64 process = 0;

    // This computer and program, with `user` signed in (the account's name
    // when nobody is).
    static Station here(const QString &user);
};

// A tracking number taken and never stored on a certificate.
struct VoidNumber {
    QString tracking;
    QString voidedAt; // UTC, ISO 8601
    QString workstation;
    QString user;
    QString reason;
};

// Every tracking number handed out is accounted for: while a certificate
// on screen holds it, it is kept as taken; once stored it is let go, and a
// number never stored is voided with the reason why. Voids are only ever
// added.
class TakenNumbers {
public:
    // The reasons the program gives; a number voided by hand carries the
    // reason the user typed.
    static QString leftUnsaved() { return QStringLiteral("left unsaved"); }
    static QString runCancelled() { return QStringLiteral("run cancelled"); }
    static QString programEnded() { return QStringLiteral("program ended"); }

    explicit TakenNumbers(Database &certificates) : m_db(certificates) {}

    // Inside the caller's transaction, with the counter that issued it.
    DbStatus take(const QString &tracking, const Station &by) const;
    // The number is on a stored certificate: no longer waiting.
    DbStatus stored(const QString &tracking) const;
    // A taken number that will never be stored; `recorded` says whether it
    // was voided now (not stored meanwhile, nor void already).
    DbStatus voidTaken(const QString &tracking, const Station &by, const QString &reason,
                       bool *recorded = nullptr) const;
    // Voided by hand: refused, with nothing changed, when the number or the
    // reason is blank, a stored certificate holds the number or it is void
    // already.
    DbStatus voidByHand(const QString &tracking, const Station &by, const QString &reason) const;
    bool isVoid(const QString &tracking, DbStatus *status = nullptr) const;
    // At start: the numbers this computer's programs took and that no
    // running program holds any more are voided as "program ended".
    // `running` tells whether a process of this computer still runs.
    DbStatus settleEnded(const Station &here, const std::function<bool(qint64)> &running, int *voided = nullptr) const;
    // Every void, oldest first.
    DbStatus voids(std::vector<VoidNumber> &out) const;

private:
    DbStatus addVoid(const QString &tracking, const Station &by, const QString &reason) const;

    Database &m_db;
};

// Whether a process of this computer is running.
bool processRuns(qint64 process);

} // namespace arc
