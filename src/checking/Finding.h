#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace arc {

// One mistake the check before printing finds: its kind, which says
// whether it stops the issue of a signed page, and the line the user reads
// ("Block 3: ...").
struct Finding {
    enum class Kind {
        MixedReleases,
        DesignTicks,            // 13a: not exactly one box
        ReleaseTicks,           // 14a: no box
        ItemNumbers,
        SerialNumberMissing,
        StatusNotAllowed,
        PrototypeDesignData,
        NonApprovedDesignUnstated,
        OtherRegulationUnstated,
        BannedPhrase,
        RebuiltDualRelease,
        AuthorityMissing,       // block 1 empty
        AuthorityOfAnotherForm, // block 1 names another form's authority
        TrackingMissing,
        OrganisationMissing,
        NoItem,
        DescriptionMissing,
        PartNumberMissing,
        QuantityMissing,
        StatusMissing,
        SignatoryNameMissing,
        ApprovalMissing, // 13c/14c
        DateMissing,
        DateUnreadable,
        DateInFuture,
        TrackingUsedElsewhere,
        TextCut,
        SigningCertificateMissing,
        StatementUnfilled, // a statement's "[INSERT ...]" left in block 12
    };
    static constexpr int kKinds = int(Kind::StatementUnfilled) + 1;

    Kind kind = Kind::MixedReleases;
    QString text;

    bool operator==(const Finding &) const = default;
};

namespace FindingKinds {

// Whether findings of this kind stop a signed page from being issued;
// the others may be passed over by the user.
bool blocking(Finding::Kind kind);
// Every kind, in the order of the enumeration.
QList<Finding::Kind> all();

// The findings with the blocking ones first, each group in its order; a
// line found twice is kept once.
QList<Finding> ordered(const QList<Finding> &findings);
QStringList texts(const QList<Finding> &findings);
qsizetype blockingCount(const QList<Finding> &findings);

} // namespace FindingKinds
} // namespace arc
