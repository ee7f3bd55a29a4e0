#include "Finding.h"

#include <algorithm>
#include <array>
#include <utility>

namespace arc::FindingKinds {

namespace {

using K = Finding::Kind;

// Blocking: what makes the certificate another authority's, or leaves it
// without what receiving inspection must read (an approval, a part number,
// a quantity, a status the form allows, the statement a tick promises,
// text the page prints whole), or unsigned where the shop requires a
// digital signature.
constexpr std::array<std::pair<K, bool>, Finding::kKinds> kBlocking = {{
    {K::MixedReleases, false},
    {K::DesignTicks, false},
    {K::ReleaseTicks, false},
    {K::ItemNumbers, false},
    {K::SerialNumberMissing, false},
    {K::StatusNotAllowed, true},
    {K::PrototypeDesignData, false},
    {K::NonApprovedDesignUnstated, false},
    {K::OtherRegulationUnstated, true},
    {K::BannedPhrase, true},
    {K::RebuiltDualRelease, false},
    {K::AuthorityMissing, true},
    {K::AuthorityOfAnotherForm, true},
    {K::TrackingMissing, false},
    {K::OrganisationMissing, false},
    {K::NoItem, false},
    {K::DescriptionMissing, false},
    {K::PartNumberMissing, true},
    {K::QuantityMissing, true},
    {K::StatusMissing, true},
    {K::SignatoryNameMissing, false},
    {K::ApprovalMissing, true},
    {K::DateMissing, false},
    {K::DateUnreadable, false},
    {K::DateInFuture, false},
    {K::TrackingUsedElsewhere, false},
    {K::TextCut, true},
    {K::SigningCertificateMissing, true},
    {K::StatementUnfilled, true},
}};

constexpr bool inOrder()
{
    for (int i = 0; i < Finding::kKinds; ++i)
        if (int(kBlocking[i].first) != i)
            return false;
    return true;
}
static_assert(inOrder(), "one row per kind, in the order of the enumeration");

} // namespace

bool blocking(Finding::Kind kind)
{
    const int i = int(kind);
    return i >= 0 && i < Finding::kKinds && kBlocking[i].second;
}

QList<Finding::Kind> all()
{
    QList<Finding::Kind> out;
    for (const auto &[kind, blocks] : kBlocking)
        out << kind;
    return out;
}

QList<Finding> ordered(const QList<Finding> &findings)
{
    QList<Finding> out;
    QStringList seen;
    for (const bool first : {true, false})
        for (const Finding &f : findings)
            if (blocking(f.kind) == first && !seen.contains(f.text)) {
                seen << f.text;
                out << f;
            }
    return out;
}

QStringList texts(const QList<Finding> &findings)
{
    QStringList out;
    for (const Finding &f : findings)
        out << f.text;
    return out;
}

qsizetype blockingCount(const QList<Finding> &findings)
{
    return std::count_if(findings.begin(), findings.end(), [](const Finding &f) { return blocking(f.kind); });
}

} // namespace arc::FindingKinds
