#include "ReferenceLists.h"

#include "ItemLine.h"

#include <algorithm>

namespace arc::ReferenceLists {

namespace {

// Walk a view from its first row to its end.
template <typename Fn>
void forEachRow(DataView &view, Fn fn)
{
    (void)view.forEachRow(fn);
}

template <typename T>
void sortByName(QList<T> &list, qsizetype from = 0)
{
    std::stable_sort(list.begin() + from, list.end(),
                     [](const T &a, const T &b) { return sortsBefore(a.name, b.name); });
}

} // namespace

bool sortsBefore(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; }

QStringList partNumbers(DataView &parts)
{
    QStringList out;
    forEachRow(parts, [&](DataView &v) {
        const QVariant p = v.value(QStringLiteral("PartNumber"));
        if (!p.isNull())
            out << p.toString();
    });
    return out;
}

QList<OrganizationEntry> organizations(DataView &orgs)
{
    QList<OrganizationEntry> out;
    forEachRow(orgs, [&](DataView &v) {
        if (v.value(QStringLiteral("Organization")).isNull())
            return;
        out.append({v.text(QStringLiteral("Organization")), v.text(QStringLiteral("Address1")),
                    v.text(QStringLiteral("Address2")), v.text(QStringLiteral("Address3")),
                    v.text(QStringLiteral("CertificateNum")), v.text(QStringLiteral("JAANum")),
                    v.text(QStringLiteral("EasaAuthority")), v.text(QStringLiteral("EasaCountry")),
                    v.text(QStringLiteral("UkAuthority")), v.text(QStringLiteral("Forms")),
                    v.text(QStringLiteral("UkNum")), v.text(QStringLiteral("PaperSize"))});
    });
    // Only the cursor's resting place; the list is already read.
    (void)orgs.moveFirst();
    sortByName(out);
    return out;
}

std::optional<OrganizationEntry> namedIn(DataView &orgs, const QString &block4)
{
    const QString named = block4.section(QLatin1Char('\n'), 0, 0).trimmed();
    if (named.isEmpty())
        return std::nullopt;
    std::optional<OrganizationEntry> found;
    for (const OrganizationEntry &o : organizations(orgs))
        if (o.name.trimmed() == named)
            found = o;
    return found;
}

QList<AgentEntry> agents(DataView &agentsView)
{
    QList<AgentEntry> out;
    forEachRow(agentsView, [&](DataView &v) {
        if (v.value(QStringLiteral("Name")).isNull())
            return;
        out.append({v.text(QStringLiteral("Name")), v.text(QStringLiteral("Password")),
                    v.text(QStringLiteral("ApprovalNumber")), v.rowId()});
    });
    return out;
}

QList<ForwarderEntry> forwarders(DataView &houses)
{
    QList<ForwarderEntry> out;
    out.append({kFreightForwarderEntry, {QString(), QString(), QString(), QString()}});
    forEachRow(houses, [&](DataView &v) {
        if (v.value(QStringLiteral("ForwardHouse")).isNull())
            return;
        out.append({v.text(QStringLiteral("ForwardHouse")),
                    {v.text(QStringLiteral("FHInfo1")), v.text(QStringLiteral("FHInfo2")),
                     v.text(QStringLiteral("FHInfo3")), v.text(QStringLiteral("FHInfo4"))},
                    v.rowId()});
    });
    sortByName(out);
    return out;
}

QList<CountryEntry> exportCountries(DataView &countries, const QString &firstStatus)
{
    const bool newParts = selectsBlock13(firstStatus.toUpper());
    QList<CountryEntry> out;
    out.append({kCountryEntry, false, false});
    out.append({kManualCountryEntry, false, false});
    forEachRow(countries, [&](DataView &v) {
        if (v.value(QStringLiteral("Country")).isNull())
            return;
        CountryEntry e{v.text(QStringLiteral("Country")), v.value(QStringLiteral("Bilateral")).toBool(),
                       v.value(QStringLiteral("JAA")).toBool(), v.rowId()};
        if (newParts ? e.bilateral : e.jaa)
            out.append(e);
    });
    sortByName(out);
    return out;
}

QList<CountryEntry> countries(DataView &countriesView)
{
    QList<CountryEntry> out;
    forEachRow(countriesView, [&](DataView &v) {
        if (v.value(QStringLiteral("Country")).isNull())
            return;
        out.append({v.text(QStringLiteral("Country")), v.value(QStringLiteral("Bilateral")).toBool(),
                    v.value(QStringLiteral("JAA")).toBool(), v.rowId()});
    });
    return out;
}

} // namespace arc::ReferenceLists
