#pragma once

#include "ReaderRoute.h"

#include <QObject>

namespace arc {

class SetupPanel;
class SetupStore;
class StatusLine;

// The standby this workstation reads from: taken from the set-up file at
// start, changed on the set-up panel (and kept in the set-up file), and
// each move of the reads to or away from it told once on the status line.
class StandbyReads : public QObject {
    Q_OBJECT
public:
    StandbyReads(SetupPanel &panel, SetupStore &setup, ReaderRoute &reads, StatusLine &status, QObject *parent);

    // What the status line says when the reads move.
    static QString told(ReadReason reason, const QString &detail);

private:
    void chosen(const QString &uri);

    SetupStore &m_setup;
    ReaderRoute &m_reads;
    StatusLine &m_status;
};

} // namespace arc
