#include "FoundCertificates.h"

#include "DataView.h"
#include "Database.h"
#include "ReaderRoute.h"
#include "SqlDialectActivity.h"
#include "SigningBlock.h"

#include <QHash>
#include <QRegularExpression>
#include <QSqlQuery>
#include <algorithm>
#include <limits>

namespace arc {

namespace {

// The number of different keys; a search's keys come sorted, counted
// without a copy.
int distinct(const std::vector<qint64> &keys)
{
    if (!std::is_sorted(keys.begin(), keys.end())) {
        std::vector<qint64> sorted = keys;
        std::sort(sorted.begin(), sorted.end());
        return distinct(sorted);
    }
    int n = 0;
    for (size_t i = 0; i < keys.size(); ++i)
        n += i == 0 || keys[i] != keys[i - 1];
    return n;
}

// A range of keys read whole is worth it when the certificates wanted fill
// a good part of it.
constexpr qint64 kRangeRead = 2000;

QString firstLine(const char *field)
{
    return QStringLiteral("(SELECT l.\"%1\" FROM \"Detail\" l WHERE l.\"FormIndex\" = h.\"FormIndex\" "
                          "ORDER BY l.rowid LIMIT 1)")
        .arg(QLatin1String(field));
}

QString text(const QSqlQuery &q, int column)
{
    const QVariant v = q.value(column);
    return v.isNull() ? QString() : v.toString().trimmed();
}

// Stored dates are ISO text; another program may have added a time.
QDate day(const QSqlQuery &q, int column)
{
    return QDate::fromString(q.value(column).toString().left(10), Qt::ISODate);
}

// The header's columns, from the key on; the first line's part number and
// status are set apart.
void readHeader(const QSqlQuery &q, FoundCertificate &c)
{
    static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
    c.formIndex = q.value(0).toLongLong();
    c.tracking = text(q, 1);
    c.date = day(q, 2).isValid() ? day(q, 2) : day(q, 3);
    c.organization = text(q, 4).section(lineBreak, 0, 0).trimmed();
    c.signatory = text(q, 5); // block 13's until the status is known
    c.status = text(q, 6);    // block 14's, held here meanwhile
}

void chooseSignatory(FoundCertificate &c, const QString &name14)
{
    c.signatory = selectsBlock13(c.status.toUpper()) ? c.signatory : name14;
}

const QString kHeaderColumns = QStringLiteral(
    "h.\"FormIndex\", h.\"Tracking\", h.\"Date18\", h.\"Date23\", h.\"Organ1\", h.\"Name17\", h.\"Name22\"");

} // namespace

DbStatus FoundCertificates::start()
{
    m_lastPlace = 0;
    m_seen.clear();
    m_count = 0;
    m_countedKeys = 0;
    m_counted = false;
    countRead();
    m_atEnd = m_header.resultKeys().empty() && m_header.resultRead();
    return {};
}

void FoundCertificates::countRead()
{
    if (m_counted)
        return;
    const std::vector<qint64> &keys = m_header.resultKeys();
    if (m_header.resultRead()) {
        // Keys included after the search may come in any order.
        m_count = distinct(keys);
        m_counted = true;
        return;
    }
    // Read so far in ascending order, no key's places split between parts.
    for (; m_countedKeys < keys.size(); ++m_countedKeys)
        m_count += m_countedKeys == 0 || keys[m_countedKeys] != keys[m_countedKeys - 1];
}

DbStatus FoundCertificates::countOn()
{
    const DbStatus s = m_header.readResultPart();
    countRead();
    return s;
}

DbStatus FoundCertificates::more(int places, std::vector<FoundCertificate> &found)
{
    if (m_order)
        return sortedPage(places, found);
    const DbStatus read = m_header.readResult(m_lastPlace + places);
    countRead();
    if (!read.ok())
        return read;
    const std::vector<qint64> &keys = m_header.resultKeys();
    // The certificates first met in these places, in the order met; taken
    // as read only once they are.
    std::vector<qint64> wanted;
    QSet<qint64> met;
    const qint64 end = std::min<qint64>(m_lastPlace + places, static_cast<qint64>(keys.size()));
    for (qint64 place = m_lastPlace; place < end; ++place) {
        const qint64 key = keys[static_cast<size_t>(place)];
        if (!m_seen.contains(key) && !met.contains(key)) {
            met.insert(key);
            wanted.push_back(key);
        }
    }
    if (DbStatus s = readCertificates(wanted, found); !s.ok())
        return s;
    m_lastPlace = end;
    m_atEnd = end >= static_cast<qint64>(keys.size()) && m_header.resultRead();
    m_seen.unite(met);
    return {};
}

DbStatus FoundCertificates::readCertificates(const std::vector<qint64> &wanted, std::vector<FoundCertificate> &found)
{
    if (wanted.empty())
        return {};
    QVariantList binds;
    for (qint64 key : wanted)
        binds << key;
    const QString marks = QStringLiteral("?, ").repeated(static_cast<int>(wanted.size())).chopped(2);
    QSqlQuery q;
    DbStatus s = reader().run(q,
                              QStringLiteral("SELECT %1, %2, %3 FROM \"Header\" h WHERE h.\"FormIndex\" IN (%4)")
                                  .arg(kHeaderColumns, firstLine("PartNum"), firstLine("Status"), marks),
                              binds);
    if (!s.ok())
        return s;
    // A certificate deleted since the search is passed over.
    QHash<qint64, FoundCertificate> read;
    while (q.next()) {
        FoundCertificate c;
        readHeader(q, c);
        const QString name14 = c.status;
        c.partNum = text(q, 7);
        c.status = text(q, 8);
        chooseSignatory(c, name14);
        read.insert(c.formIndex, c);
    }
    for (qint64 key : wanted)
        if (const auto it = read.constFind(key); it != read.cend())
            found.push_back(*it);
    return {};
}

Database &FoundCertificates::reader() const { return m_reads ? m_reads->reader() : m_header.database(); }

void FoundCertificates::sortBy(std::optional<ListOrder> order, bool descending)
{
    m_order = order;
    m_descending = descending;
    m_lastValue.clear();
    m_lastKey.reset();
    m_lastPlace = 0;
    m_seen.clear();
    m_atEnd = m_header.resultKeys().empty() && m_header.resultRead();
}

DbStatus FoundCertificates::countUpTo(int limit)
{
    DbStatus s;
    while (s.ok() && !m_counted && m_count <= limit)
        s = countOn();
    return s;
}

DbStatus FoundCertificates::sortedPage(int certificates, std::vector<FoundCertificate> &found)
{
    // The order's expression over the certificate r; the indexed ones as
    // their indexes have them: those of the header row on it, the others
    // on the certificate's row of sort keys.
    const auto indexed = [](const char *name) {
        for (const Schema::ListOrder &order : Schema::listOrders(StoreKind::Certificates))
            if (order.name == QLatin1String(name))
                return order.expression;
        return QString();
    };
    QString value;
    switch (*m_order) {
    case ListOrder::Tracking: value = indexed("tracking"); break;
    case ListOrder::Date: value = indexed("day"); break;
    case ListOrder::Organization: value = indexed("organization"); break;
    case ListOrder::PartNum: value = SqlDialect::listKey("PartNum"); break;
    case ListOrder::Status: value = SqlDialect::listKey("Status"); break;
    case ListOrder::Signatory: value = SqlDialect::listKey("Signatory"); break;
    }
    const bool ofHeader = *m_order == ListOrder::Tracking || *m_order == ListOrder::Date || *m_order == ListOrder::Organization;
    const QString direction = m_descending ? QStringLiteral(" DESC") : QString();
    // Those of the sort keys that cannot be found are passed over first,
    // from the index walked, without asking the search.
    const DataView::Narrowing &narrowing = m_header.resultNarrowing();
    const bool narrowed = !ofHeader && !narrowing.condition.isEmpty();
    QString sql = QStringLiteral("SELECT r.\"FormIndex\", %1 FROM %3 r WHERE %4EXISTS (SELECT 1 FROM (%2) k WHERE "
                                 "k.\"FormIndex\" = r.\"FormIndex\")")
                      .arg(value, m_header.resultQuery(),
                           ofHeader ? QStringLiteral("\"Header\"") : SqlDialect::quoted(Schema::listKeysTable()),
                           narrowed ? narrowing.condition + QStringLiteral(" AND ") : QString());
    QVariantList binds = narrowed ? narrowing.binds + m_header.resultBinds() : m_header.resultBinds();
    if (m_lastKey) {
        // On after the last certificate read, ties in the order of their
        // keys; the value alone lets the engine start from it in its index.
        sql += QStringLiteral(" AND %1 %2= ? AND (%1, r.\"FormIndex\") %2 (?, ?)")
                   .arg(value, m_descending ? QLatin1String("<") : QLatin1String(">"));
        // Never null: an empty text is bound as one.
        const QString last = m_lastValue.isEmpty() ? QStringLiteral("") : m_lastValue;
        binds << last << last << *m_lastKey;
    }
    sql += QStringLiteral(" ORDER BY %1%2, r.\"FormIndex\"%2 LIMIT ?").arg(value, direction);
    binds << certificates;
    std::vector<qint64> wanted;
    {
        QSqlQuery q;
        if (DbStatus s = reader().run(q, sql, binds); !s.ok())
            return s;
        while (q.next()) {
            wanted.push_back(q.value(0).toLongLong());
            m_lastValue = q.value(1).toString();
        }
    }
    if (DbStatus s = readCertificates(wanted, found); !s.ok())
        return s;
    if (!wanted.empty())
        m_lastKey = wanted.back();
    m_atEnd = static_cast<int>(wanted.size()) < certificates;
    return {};
}

std::vector<qint64> FoundCertificates::unread() const
{
    const std::vector<qint64> &keys = m_header.resultKeys();
    std::vector<qint64> wanted;
    QSet<qint64> met;
    for (size_t place = static_cast<size_t>(m_lastPlace); place < keys.size(); ++place) {
        const qint64 key = keys[place];
        if (!m_seen.contains(key) && !met.contains(key)) {
            met.insert(key);
            wanted.push_back(key);
        }
    }
    return wanted;
}

DbStatus FoundCertificates::readRanges(const std::vector<qint64> &wanted, std::vector<FoundCertificate> &found)
{
    const auto [low, high] = std::minmax_element(wanted.begin(), wanted.end());
    const QVariantList range{*low, *high};
    Database &reader = this->reader();
    QHash<qint64, FoundCertificate> read;
    read.reserve(static_cast<qsizetype>(wanted.size()));
    {
        QSet<qint64> wantedSet(wanted.begin(), wanted.end());
        QSqlQuery q;
        DbStatus s = reader.run(q, QStringLiteral("SELECT %1 FROM \"Header\" h WHERE h.\"FormIndex\" >= ? AND "
                                                  "h.\"FormIndex\" <= ?")
                                       .arg(kHeaderColumns),
                                range);
        if (!s.ok())
            return s;
        while (q.next()) {
            if (!wantedSet.contains(q.value(0).toLongLong()))
                continue;
            FoundCertificate c;
            readHeader(q, c);
            read.insert(c.formIndex, c);
        }
    }
    // Each certificate's first line, the one of the lowest row id.
    QSqlQuery q;
    DbStatus s = reader.run(q, QStringLiteral("SELECT d.\"FormIndex\", d.\"PartNum\", d.\"Status\" FROM \"Detail\" d "
                                              "WHERE d.rowid IN (SELECT min(rowid) FROM \"Detail\" WHERE "
                                              "\"FormIndex\" >= ? AND \"FormIndex\" <= ? GROUP BY \"FormIndex\")"),
                            range);
    if (!s.ok())
        return s;
    QHash<qint64, std::pair<QString, QString>> lines;
    while (q.next())
        if (read.contains(q.value(0).toLongLong()))
            lines.insert(q.value(0).toLongLong(), {text(q, 1), text(q, 2)});
    m_lastPlace = static_cast<qint64>(m_header.resultKeys().size());
    m_atEnd = true;
    for (qint64 key : wanted) {
        m_seen.insert(key);
        const auto it = read.find(key);
        if (it == read.end())
            continue;
        const QString name14 = it->status;
        const auto line = lines.value(key);
        it->partNum = line.first;
        it->status = line.second;
        chooseSignatory(*it, name14);
        found.push_back(*it);
    }
    return {};
}

DbStatus FoundCertificates::rest(std::vector<FoundCertificate> &found)
{
    if (m_order) {
        DbStatus s;
        while (s.ok() && !m_atEnd)
            s = sortedPage(500, found);
        return s;
    }
    const DbStatus read = m_header.readResult(std::numeric_limits<qint64>::max());
    countRead();
    if (!read.ok())
        return read;
    if (const std::vector<qint64> wanted = unread(); static_cast<qint64>(wanted.size()) >= kRangeRead) {
        const auto [low, high] = std::minmax_element(wanted.begin(), wanted.end());
        // Dense enough: read by range, what is not wanted passed over.
        if (*high - *low < 4 * static_cast<qint64>(wanted.size()))
            return readRanges(wanted, found);
    }
    DbStatus s;
    while (s.ok() && !m_atEnd)
        s = more(500, found);
    return s;
}

} // namespace arc
