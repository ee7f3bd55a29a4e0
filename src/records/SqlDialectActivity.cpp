#include "SqlDialectActivity.h"

#include "CorrectionOpening.h"
#include "SearchText.h"

namespace arc::SqlDialect {

namespace {

// The statuses the tally counts, each in the column that counts it.
const char *const kCountedStatuses[] = {"NEW", "PROTOTYPE", "REPAIRED"};
const char *const kCounted[] = {"NewParts", "Prototypes", "Repairs"};

// The first letters of a folded status with a mark of their own, the
// first of them the second bit; any other has the first.
const char kMarkedLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";

QString table() { return quoted(Schema::activityTable()); }

// A constant of ours written into a statement kept in the schema, where
// nothing can be bound.
QString literal(const QString &text) { return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\''); }

// The tally's rows of the certificates whose key `key` is (an expression;
// empty: of every certificate). Its lines are counted by folded status; a
// certificate releasing none of the three, or correcting another (whose
// lines were counted with the one it corrects), has no row. Each distinct
// pair of its two signatories and two signature days is a row: block
// 14d's name only when it is not 13d's, 14e's day only when not 13e's.
QString tallyRows(const QString &key)
{
    const QString detail = quoted(Schema::foldTableOf(QStringLiteral("Detail"))->name);
    const QString header = quoted(Schema::foldTableOf(QStringLiteral("Header"))->name);
    const QString only = key.isEmpty() ? QString() : QStringLiteral(" WHERE \"FormIndex\" = ") + key;
    QStringList counts;
    for (int i = 0; i < 3; ++i)
        counts << QStringLiteral("count(CASE WHEN \"Status\" = %1 THEN 1 END) AS %2")
                      .arg(literal(SearchText::fold(QLatin1String(kCountedStatuses[i]))), quoted(QLatin1String(kCounted[i])));
    QStringList notCorrection;
    for (const QString &opening : correctionOpenings())
        notCorrection << QStringLiteral("coalesce(substr(s.\"Remarks\", 1, %1), '') <> %2").arg(opening.size()).arg(literal(opening));
    return QStringLiteral(
               "SELECT k, n, d, \"NewParts\", \"Prototypes\", \"Repairs\" FROM ("
               "SELECT t.k, x.i, h.\"Name17\" AS n17, substr(h.\"Date18\", 1, 10) AS d18, "
               "CASE WHEN x.i < 2 THEN h.\"Name17\" ELSE h.\"Name22\" END AS n, "
               "substr(CASE WHEN x.i IN (0, 2) THEN h.\"Date18\" ELSE h.\"Date23\" END, 1, 10) AS d, "
               "t.\"NewParts\", t.\"Prototypes\", t.\"Repairs\" "
               "FROM (SELECT \"FormIndex\" AS k, %1 FROM %2%3 GROUP BY \"FormIndex\") t "
               "JOIN %4 h ON h.\"FormIndex\" = t.k JOIN \"Header\" s ON s.\"FormIndex\" = t.k "
               "CROSS JOIN (SELECT 0 AS i UNION ALL SELECT 1 UNION ALL SELECT 2 UNION ALL SELECT 3) x "
               "WHERE t.\"NewParts\" + t.\"Prototypes\" + t.\"Repairs\" > 0 AND %5) r "
               "WHERE n IS NOT NULL AND d IS NOT NULL AND (i IN (0, 2) OR d <> coalesce(d18, '')) "
               "AND (i < 2 OR n <> coalesce(n17, ''))")
        .arg(counts.join(QStringLiteral(", ")), detail, only, header, notCorrection.join(QStringLiteral(" AND ")));
}

QString columns() { return QStringLiteral("\"FormIndex\", \"Name\", \"Day\", \"NewParts\", \"Prototypes\", \"Repairs\""); }

// The mark of the folded line status `status` (an expression) in the bit
// set of a certificate's line statuses (see statusMark), none for an empty
// or unfolded one. Found by the first letter's place among ours, whatever
// the encoding of the server's database.
QString statusMarkOf(const QString &status, Engine e)
{
    return QStringLiteral("CASE WHEN %1 <> '' THEN %2 << %3(%4, substr(%1, 1, 1)) ELSE 0 END")
        .arg(status, e == Engine::PostgreSQL ? QStringLiteral("1::bigint") : QStringLiteral("1"),
             e == Engine::PostgreSQL ? QStringLiteral("strpos") : QStringLiteral("instr"), literal(QLatin1String(kMarkedLetters)));
}
// The marks of every line of a certificate, or of each, added up once each:
// a set of bits, as the engines have no common aggregate for it.
QString statusMarksOf(const QString &status, Engine e)
{
    return e == Engine::PostgreSQL ? QStringLiteral("bit_or(%1)").arg(statusMarkOf(status, e))
                                   : QStringLiteral("sum(DISTINCT %1)").arg(statusMarkOf(status, e));
}

// The sort keys' rows of the certificates whose key `key` is (empty: of
// every one), as the list compares its values, with the marks of their
// lines' statuses.
QString listKeysRows(const QString &key, Engine e)
{
    const QString lines = quoted(Schema::foldTableOf(QStringLiteral("Detail"))->name);
    // Block 13's signatory for new parts and prototypes, else block 14's.
    const auto keys = [](const QString &partNum, const QString &status, const QString &marks) {
        return QStringLiteral("SELECT h.\"FormIndex\", coalesce(%1, ''), coalesce(%2, ''), "
                              "coalesce(lower(trim(CASE WHEN %2 IN ('new', 'prototype') THEN h.\"Name17\" ELSE h.\"Name22\" END)), ''), "
                              "%3 ")
            .arg(partNum, status, marks);
    };
    if (key.isEmpty())
        // Every certificate's: the lines read once, grouped by certificate,
        // whatever indexes they have (a bulk load makes them after).
        return keys(QStringLiteral("lower(trim(l.\"PartNum\"))"), QStringLiteral("lower(trim(l.\"Status\"))"),
                    QStringLiteral("coalesce(m.marks, 0)"))
               + QStringLiteral("FROM \"Header\" h LEFT JOIN (SELECT \"FormIndex\", min(rowid) AS first FROM \"Detail\" "
                                "GROUP BY \"FormIndex\") f ON f.\"FormIndex\" = h.\"FormIndex\" "
                                "LEFT JOIN \"Detail\" l ON l.rowid = f.first "
                                "LEFT JOIN (SELECT \"FormIndex\", %1 AS marks FROM %2 GROUP BY \"FormIndex\") m "
                                "ON m.\"FormIndex\" = h.\"FormIndex\"")
                     .arg(statusMarksOf(QStringLiteral("\"Status\""), e), lines);
    // One certificate's first line, read at the head of the index of its
    // lines by row id (a file's index of the certificate holds the row id;
    // a server has its own, see listKeysIndexes): a trigger taking the keys
    // at each line stored then reads one line, not every line before it.
    const auto firstLine = [](const char *field) {
        return QStringLiteral("(SELECT lower(trim(l.\"%1\")) FROM \"Detail\" l WHERE l.\"FormIndex\" = h.\"FormIndex\" "
                              "ORDER BY l.rowid LIMIT 1)")
            .arg(QLatin1String(field));
    };
    // The marks of all its lines only for a row not there yet: a row kept
    // keeps its marks, which each line stored adds to (see markStatus).
    const QString marks = QStringLiteral("CASE WHEN EXISTS (SELECT 1 FROM %1 WHERE \"FormIndex\" = h.\"FormIndex\") THEN NULL "
                                         "ELSE coalesce((SELECT %2 FROM %3 WHERE \"FormIndex\" = h.\"FormIndex\"), 0) END")
                              .arg(quoted(Schema::listKeysTable()), statusMarksOf(QStringLiteral("\"Status\""), e), lines);
    return keys(firstLine("PartNum"), firstLine("Status"), marks) + QStringLiteral("FROM \"Header\" h WHERE h.\"FormIndex\" = ") + key;
}

QString listKeysColumns() { return QStringLiteral("\"FormIndex\", \"PartNum\", \"Status\", \"Signatory\", \"Statuses\""); }

// The statements counting one certificate again, and taking its sort keys.
QString recountTally(const QString &key)
{
    return QStringLiteral("DELETE FROM %1 WHERE \"FormIndex\" = %2; INSERT INTO %1 (%3) %4;")
        .arg(table(), key, columns(), tallyRows(key));
}
// A certificate's row of sort keys taken again: gone with its header, its
// keys replaced, its marks kept.
QString retakeListKeys(const QString &key, Engine e)
{
    return QStringLiteral("DELETE FROM %1 WHERE \"FormIndex\" = %2 AND NOT EXISTS (SELECT 1 FROM \"Header\" WHERE \"FormIndex\" = %2); "
                          "INSERT INTO %1 (%3) %4 ON CONFLICT (\"FormIndex\") DO UPDATE SET \"PartNum\" = excluded.\"PartNum\", "
                          "\"Status\" = excluded.\"Status\", \"Signatory\" = excluded.\"Signatory\";")
        .arg(quoted(Schema::listKeysTable()), key, listKeysColumns(), listKeysRows(key, e));
}
// The mark of the status of the line copy NEW added to its certificate's.
QString markStatus(Engine e)
{
    const QString mark = statusMarkOf(QStringLiteral("NEW.\"Status\""), e);
    return QStringLiteral("UPDATE %1 SET \"Statuses\" = \"Statuses\" | %2 WHERE \"FormIndex\" = NEW.\"FormIndex\" "
                          "AND \"Statuses\" | %2 <> \"Statuses\";")
        .arg(quoted(Schema::listKeysTable()), mark);
}
QString recount(const QString &key, Engine e) { return recountTally(key) + QLatin1Char(' ') + retakeListKeys(key, e); }

// Whether the line copy `row` (OLD or NEW) is of a status the tally
// counts: a line of any other status, stored or removed, leaves the tally
// as it was, and a certificate of thousands of such lines is not counted
// again at each.
QString counted(const QString &row)
{
    QStringList statuses;
    for (const char *status : kCountedStatuses)
        statuses << literal(SearchText::fold(QLatin1String(status)));
    return QStringLiteral("%1.\"Status\" IN (%2)").arg(row, statuses.join(QStringLiteral(", ")));
}

QStringList foldTables()
{
    return {Schema::foldTableOf(QStringLiteral("Header"))->name, Schema::foldTableOf(QStringLiteral("Detail"))->name};
}

QString serverTrigger(const QString &foldTable) { return foldTable + QStringLiteral("_activity"); }
QString serverFunction() { return Schema::activityTable() + QStringLiteral("_recount"); }
QString serverLineFunction() { return Schema::activityTable() + QStringLiteral("_recount_line"); }
QString lineFold() { return Schema::foldTableOf(QStringLiteral("Detail"))->name; }

// Whether the line just stored under the copy NEW is its certificate's
// first: a line stored after it changes none of the sort keys, and taking
// them again at each of a long certificate's lines left the server a
// trail of dead rows to step over.
QString firstOfItsCertificate()
{
    return QStringLiteral("NOT EXISTS (SELECT 1 FROM \"Detail\" d WHERE d.\"FormIndex\" = NEW.\"FormIndex\" AND d.rowid < NEW.%1)")
        .arg(quoted(Schema::foldTableOf(QStringLiteral("Detail"))->key));
}

QString liteTrigger(const QString &foldTable, const char *event)
{
    return QStringLiteral("%1_on_%2_%3").arg(Schema::activityTable(), foldTable, QLatin1String(event));
}
// A line's trigger taking the sort keys; the one above counts the tally
// again, only for a line of a counted status.
QString liteKeysTrigger(const char *event) { return liteTrigger(lineFold(), event) + QStringLiteral("_keys"); }

} // namespace

QString createActivityTable(Engine e)
{
    const QString text = e == Engine::PostgreSQL ? QStringLiteral("TEXT COLLATE \"C\"") : QStringLiteral("TEXT");
    const QString whole = e == Engine::PostgreSQL ? QStringLiteral("BIGINT") : QStringLiteral("INTEGER");
    return QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (\"FormIndex\" %2 NOT NULL, \"Name\" %3 NOT NULL, "
                          "\"Day\" %3 NOT NULL, \"NewParts\" INTEGER, \"Prototypes\" INTEGER, \"Repairs\" INTEGER)")
        .arg(table(), whole, text);
}

QList<NamedStatement> activityIndexes()
{
    // The counts ride in the period's index, which alone answers a count.
    const QString name = Schema::activityTable();
    return {{QStringLiteral("idx_%1_period").arg(name),
             QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2(\"Name\", \"Day\", %3)")
                 .arg(quoted(QStringLiteral("idx_%1_period").arg(name)), table(),
                      QStringLiteral("\"FormIndex\", \"NewParts\", \"Prototypes\", \"Repairs\""))},
            {QStringLiteral("idx_%1_FormIndex").arg(name),
             QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2(\"FormIndex\")")
                 .arg(quoted(QStringLiteral("idx_%1_FormIndex").arg(name)), table())}};
}

QString createListKeysTable(Engine e)
{
    const QString text = e == Engine::PostgreSQL ? QStringLiteral("TEXT COLLATE \"C\"") : QStringLiteral("TEXT");
    return QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (\"FormIndex\" %2 PRIMARY KEY, \"PartNum\" %3 NOT NULL, "
                          "\"Status\" %3 NOT NULL, \"Signatory\" %3 NOT NULL, \"Statuses\" %2)")
        .arg(quoted(Schema::listKeysTable()), e == Engine::PostgreSQL ? QStringLiteral("BIGINT") : QStringLiteral("INTEGER"),
             text);
}

QList<NamedStatement> listKeysIndexes(Engine e)
{
    QList<NamedStatement> out;
    for (const char *column : {"PartNum", "Status", "Signatory"}) {
        const QString name = QStringLiteral("idx_%1_%2").arg(Schema::listKeysTable(), QLatin1String(column));
        // A walk by status tells from its index alone which certificates
        // a search by status can pass over (see statusMarksFilter).
        const QString marks = qstrcmp(column, "Status") == 0 ? QStringLiteral(", \"Statuses\"") : QString();
        out << NamedStatement{name, QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2(\"%3\", \"FormIndex\"%4)")
                                        .arg(quoted(name), quoted(Schema::listKeysTable()), QLatin1String(column), marks)};
    }
    // A file's index of the lines by certificate holds their row ids in
    // order; a server's needs them named.
    if (e == Engine::PostgreSQL)
        out << NamedStatement{QStringLiteral("idx_Detail_FormIndex_rowid"),
                              QStringLiteral("CREATE INDEX IF NOT EXISTS \"idx_Detail_FormIndex_rowid\" ON \"Detail\"(\"FormIndex\", rowid)")};
    return out;
}

QString listKey(const char *column) { return QStringLiteral("r.\"%1\"").arg(QLatin1String(column)); }

qint64 statusMark(const QString &foldedBeginning)
{
    if (foldedBeginning.isEmpty())
        return -1;
    return qint64(1) << (QLatin1String(kMarkedLetters).indexOf(foldedBeginning.front()) + 1);
}

QString statusMarksFilter()
{
    // A row whose marks are unknown (null) is never passed over.
    return QStringLiteral("(coalesce(r.\"Statuses\", -1) & ?) <> 0");
}

QList<NamedStatement> activityTriggers(Engine e)
{
    QList<NamedStatement> out;
    const QString oldKey = QStringLiteral("OLD.\"FormIndex\""), newKey = QStringLiteral("NEW.\"FormIndex\"");
    if (e == Engine::PostgreSQL) {
        const auto function = [](const QString &name, const QString &onOld, const QString &onNew) {
            return NamedStatement{name, QStringLiteral("CREATE OR REPLACE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql AS $tally$ BEGIN "
                                                       "IF TG_OP <> 'INSERT' THEN %2 END IF; IF TG_OP <> 'DELETE' THEN %3 END IF; "
                                                       "RETURN NULL; END $tally$")
                                            .arg(quoted(name), onOld, onNew)};
        };
        const auto onLine = [e](const QString &row, const QString &key, const QString &retakeWhen) {
            return QStringLiteral("IF %1 THEN %2 END IF; IF %3 THEN %4 END IF;")
                .arg(retakeWhen, retakeListKeys(key, e), counted(row), recountTally(key));
        };
        out << function(serverFunction(), recount(oldKey, e), recount(newKey, e))
            << function(serverLineFunction(), onLine(QStringLiteral("OLD"), oldKey, QStringLiteral("true")),
                        markStatus(e) + QLatin1Char(' ')
                            + onLine(QStringLiteral("NEW"), newKey, QStringLiteral("TG_OP = 'UPDATE' OR ") + firstOfItsCertificate()));
        for (const QString &fold : foldTables())
            out << NamedStatement{serverTrigger(fold),
                                  QStringLiteral("CREATE TRIGGER %1 AFTER INSERT OR UPDATE OR DELETE ON %2 FOR EACH ROW "
                                                 "EXECUTE FUNCTION %3()")
                                      .arg(quoted(serverTrigger(fold)), quoted(fold),
                                           quoted(fold == lineFold() ? serverLineFunction() : serverFunction()))};
        return out;
    }
    const auto trigger = [](const QString &name, const char *event, const QString &fold, const QString &when, const QString &body) {
        return NamedStatement{name, QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1 AFTER %2 ON %3%4 BEGIN %5 END")
                                        .arg(quoted(name), QString::fromLatin1(event).toUpper(), quoted(fold),
                                             when.isEmpty() ? QString() : QStringLiteral(" WHEN ") + when, body)};
    };
    const QString header = Schema::foldTableOf(QStringLiteral("Header"))->name;
    const QString oldRow = recount(oldKey, e), newRow = recount(newKey, e);
    for (const auto &[event, body] : {std::pair<const char *, QString>{"insert", newRow},
                                      {"update", oldRow + QLatin1Char(' ') + newRow},
                                      {"delete", oldRow}})
        out << trigger(liteTrigger(header, event), event, header, {}, body);
    const QString oldCounted = counted(QStringLiteral("OLD")), newCounted = counted(QStringLiteral("NEW"));
    out << trigger(liteTrigger(lineFold(), "insert"), "insert", lineFold(), newCounted, recountTally(newKey))
        << trigger(liteTrigger(lineFold(), "update"), "update", lineFold(), oldCounted + QStringLiteral(" OR ") + newCounted,
                   recountTally(oldKey) + QLatin1Char(' ') + recountTally(newKey))
        << trigger(liteTrigger(lineFold(), "delete"), "delete", lineFold(), oldCounted, recountTally(oldKey))
        << trigger(liteKeysTrigger("insert"), "insert", lineFold(), firstOfItsCertificate(), retakeListKeys(newKey, e))
        << trigger(liteKeysTrigger("update"), "update", lineFold(), {}, retakeListKeys(oldKey, e) + QLatin1Char(' ') + retakeListKeys(newKey, e))
        << trigger(liteKeysTrigger("delete"), "delete", lineFold(), {}, retakeListKeys(oldKey, e));
    // Whichever runs first beside the keys' own: a certificate's row made
    // after a line takes the marks of every line there (listKeysRows).
    for (const char *event : {"insert", "update"})
        out << trigger(liteTrigger(lineFold(), event) + QStringLiteral("_marks"), event, lineFold(), QStringLiteral("NEW.\"Status\" <> ''"),
                       markStatus(e));
    return out;
}

QList<NamedStatement> dropActivityTriggers(Engine e)
{
    QList<NamedStatement> out;
    if (e == Engine::PostgreSQL) {
        for (const QString &fold : foldTables())
            out << NamedStatement{serverTrigger(fold),
                                  QStringLiteral("DROP TRIGGER IF EXISTS %1 ON %2").arg(quoted(serverTrigger(fold)), quoted(fold))};
        return out;
    }
    for (const NamedStatement &trigger : activityTriggers(e))
        out << NamedStatement{trigger.first, QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(quoted(trigger.first))};
    return out;
}

QStringList refillActivityTable(Engine e)
{
    QStringList out{QStringLiteral("DELETE FROM %1").arg(table()),
                    QStringLiteral("INSERT INTO %1 (%2) %3").arg(table(), columns(), tallyRows({})),
                    QStringLiteral("DELETE FROM %1").arg(quoted(Schema::listKeysTable())),
                    QStringLiteral("INSERT INTO %1 (%2) %3").arg(quoted(Schema::listKeysTable()), listKeysColumns(), listKeysRows({}, e))};
    for (const QString &name : {Schema::activityTable(), Schema::listKeysTable()})
        if (const QString statistics = refreshStatistics(name, e); !statistics.isEmpty())
            out << statistics;
    return out;
}

QStringList pauseActivityTrigger(const QString &foldTable, Engine e)
{
    if (e != Engine::PostgreSQL)
        return {};
    return {QStringLiteral("ALTER TABLE %1 DISABLE TRIGGER %2").arg(quoted(foldTable), quoted(serverTrigger(foldTable)))};
}

QStringList resumeActivityTrigger(const QString &foldTable, Engine e)
{
    if (e != Engine::PostgreSQL)
        return {};
    return {QStringLiteral("ALTER TABLE %1 ENABLE TRIGGER %2").arg(quoted(foldTable), quoted(serverTrigger(foldTable)))};
}

QStringList recountAfterLoad(Engine e)
{
    if (e != Engine::PostgreSQL)
        return {};
    // Planned without statistics of the tables just loaded, the count would
    // read every line for each certificate.
    return QStringList{refreshStatistics(QStringLiteral("Header"), e), refreshStatistics(QStringLiteral("Detail"), e)}
           + refillActivityTable(e);
}

QString activityCountQuery()
{
    return QStringLiteral("SELECT coalesce(sum(\"NewParts\"), 0), coalesce(sum(\"Prototypes\"), 0), coalesce(sum(\"Repairs\"), 0) "
                          "FROM (SELECT DISTINCT \"FormIndex\", \"NewParts\", \"Prototypes\", \"Repairs\" FROM %1 "
                          "WHERE \"Name\" = ? AND \"Day\" >= ? AND \"Day\" < ?) t")
        .arg(table());
}

} // namespace arc::SqlDialect
