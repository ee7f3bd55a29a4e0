#include "Statements.h"

#include "WriteTransaction.h"

#include <QSqlQuery>
#include <algorithm>

namespace arc::Statements {

const std::vector<Statement> &defaults()
{
    static const std::vector<Statement> d = {
        {kNotExport, QString(),
         QStringLiteral("FAA policy memorandum AIR100-16-110-PM04 (28 June 2016): block 12 takes no \"domestic "
                        "shipment only\" or \"not an export approval\"")},
        {kExportDestination, QStringLiteral("EXPORT Destination: "),
         QStringLiteral("The earlier program's export line, unchanged")},
        {kForwardingHouse, QStringLiteral("FORWARDING HOUSE:  "),
         QStringLiteral("The earlier program's forwarding line, unchanged")},
        {kAssembly, QStringLiteral("The above part is approved for installation under assembly part number(s): "),
         QStringLiteral("The earlier program's assembly line, unchanged")},
        {kDualReleaseEasa,
         QStringLiteral("Certifies that the work specified in block 11/12 was carried out in accordance with EASA 145 "
                        "and with respect to that work, the aircraft component is considered ready for release to "
                        "service under EASA Acceptance Certificate number: "),
         QStringLiteral("EU\u2013US Maintenance Annex Guidance; the earlier program's text with \"block 12/13\" read "
                        "\"block 11/12\": on FAA Form 8130-3 (02-14) the work is in block 11, its description in block 12")},
        {kDualReleaseFaa, QString(),
         QStringLiteral("EU\u2013US Maintenance Annex Guidance (to be filled in by the shop)")},
        {kPrototypeToNew,
         QStringLiteral("RECERTIFICATION OF ITEMS FROM 'PROTOTYPE' TO 'NEW': THIS DOCUMENT CERTIFIES THE APPROVAL OF "
                        "THE DESIGN DATA [INSERT TC/STC NUMBER, REVISION LEVEL], DATED [INSERT DATE IF NECESSARY FOR "
                        "IDENTIFICATION OF REVISION STATUS], TO WHICH THIS ITEM (THESE ITEMS) WAS (WERE) "
                        "MANUFACTURED."),
         QStringLiteral("Regulation (EU) No 748/2012, Annex I (Part 21), Appendix I, EASA Form 1 block 12 "
                        "instruction; the bracketed parts are completed by the issuer")},
    };
    return d;
}

const QStringList &dualReleaseNames()
{
    static const QStringList names = {kDualReleaseEasa, kDualReleaseFaa};
    return names;
}

DbStatus read(const Database &reference, QList<Statement> &out)
{
    out.clear();
    QSqlQuery q;
    DbStatus s = reference.run(q, QStringLiteral("SELECT \"Name\", COALESCE(\"Text\", ''), COALESCE(\"Source\", '') "
                                                 "FROM \"Statements\" WHERE \"Name\" IS NOT NULL ORDER BY \"Name\""));
    while (s.ok() && q.next())
        out.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString()});
    if (!s.ok()) {
        out.clear();
        return s;
    }
    const auto rank = [](const Statement &st) {
        const auto &d = defaults();
        return std::find_if(d.begin(), d.end(), [&](const Statement &x) { return x.name == st.name; }) - d.begin();
    };
    std::stable_sort(out.begin(), out.end(), [&](const Statement &a, const Statement &b) { return rank(a) < rank(b); });
    return s;
}

QString textOf(const QList<Statement> &statements, const QString &name)
{
    for (const Statement &s : statements)
        if (s.name == name)
            return s.text;
    return {};
}

DbStatus save(Database &reference, const Statement &statement)
{
    WriteTransaction tx(reference);
    if (!tx.ok())
        return tx.status();
    DbStatus s;
    if (!reference.scalar(QStringLiteral("SELECT 1 FROM \"Statements\" WHERE \"Name\" = ?"), {statement.name}, &s)
             .isValid())
        return s.ok() ? DbStatus::failure(DbCondition::ItemNotFound, statement.name) : s;
    s = reference.exec(QStringLiteral("UPDATE \"Statements\" SET \"Text\" = ?, \"Source\" = ? WHERE \"Name\" = ?"),
                       {statement.text, statement.source, statement.name});
    return s.ok() ? tx.commit() : s;
}

DbStatus addMissing(Database &reference)
{
    WriteTransaction tx(reference);
    if (!tx.ok())
        return tx.status();
    for (const Statement &d : defaults()) {
        DbStatus s;
        if (reference.scalar(QStringLiteral("SELECT 1 FROM \"Statements\" WHERE \"Name\" = ?"), {d.name}, &s).isValid())
            continue;
        if (!s.ok())
            return s;
        if (s = reference.exec(QStringLiteral("INSERT INTO \"Statements\" (\"Name\", \"Text\", \"Source\") VALUES (?, ?, ?)"),
                               {d.name, d.text, d.source});
            !s.ok())
            return s;
    }
    return tx.commit();
}

} // namespace arc::Statements
