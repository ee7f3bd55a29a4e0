#include "StandbyReads.h"

#include "SetupPanel.h"
#include "SetupStore.h"
#include "StatusLine.h"

#include <QLineEdit>

namespace arc {

StandbyReads::StandbyReads(SetupPanel &panel, SetupStore &setup, ReaderRoute &reads, StatusLine &status,
                           QObject *parent)
    : QObject(parent), m_setup(setup), m_reads(reads), m_status(status)
{
    const QString kept = setup.replicaUri();
    panel.replicaText->setText(kept);
    m_reads.setReplica(kept);
    m_reads.onChange([this](ReadReason reason, const QString &detail) { m_status.tell(told(reason, detail)); });
    connect(&panel, &SetupPanel::replicaChosen, this, &StandbyReads::chosen);
}

void StandbyReads::chosen(const QString &uri)
{
    if (const DbStatus s = m_setup.setReplicaUri(uri); !s.ok())
        m_status.tell(tr("The standby's address is not kept: %1").arg(s.detail()));
    m_reads.setReplica(uri);
}

QString StandbyReads::told(ReadReason reason, const QString &detail)
{
    switch (reason) {
    case ReadReason::Standby:
    case ReadReason::CatchingUp: return tr("Reading from the standby server");
    case ReadReason::NoStandby: return tr("Reading from the primary server");
    case ReadReason::InvalidAddress:
        return tr("Reading from the primary server: the standby's address is not a server's URI (%1)").arg(detail);
    case ReadReason::Unreachable: return tr("Reading from the primary server: the standby cannot be reached");
    case ReadReason::OtherSchema:
        return tr("Reading from the primary server: the standby does not hold this data source");
    case ReadReason::SameAsPrimary:
        return tr("Reading from the primary server: the standby's address names the primary itself");
    case ReadReason::NotInRecovery:
        return tr("Reading from the primary server: the standby's address names a server that is no standby");
    case ReadReason::Lagging:
        return tr("Reading from the primary server: the standby is %1 seconds behind").arg(detail);
    }
    return {};
}

} // namespace arc
