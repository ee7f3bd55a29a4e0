#include "FoundCertificates.h"

#include "DataView.h"
#include "Database.h"
#include "ReaderRoute.h"
#include "SigningBlock.h"

#include <QHash>
#include <QRegularExpression>
#include <QSqlQuery>
#include <algorithm>

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
    m_count = distinct(m_header.resultKeys());
    m_atEnd = m_count == 0;
    return {};
}

DbStatus FoundCertificates::more(int places, std::vector<FoundCertificate> &found)
{
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
    const auto taken = [&] {
        m_lastPlace = end;
        m_atEnd = end >= static_cast<qint64>(keys.size());
        m_seen.unite(met);
    };
    if (wanted.empty()) {
        taken();
        return {};
    }
    QVariantList binds;
    for (qint64 key : wanted)
        binds << key;
    const QString marks = QStringLiteral("?, ").repeated(static_cast<int>(wanted.size())).chopped(2);
    QSqlQuery q;
    Database &reader = m_reads ? m_reads->reader() : m_header.database();
    DbStatus s = reader.run(q,
                            QStringLiteral("SELECT %1, %2, %3 FROM \"Header\" h WHERE h.\"FormIndex\" IN (%4)")
                                .arg(kHeaderColumns, firstLine("PartNum"), firstLine("Status"), marks),
                            binds);
    if (!s.ok())
        return s;
    taken();
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
    Database &reader = m_reads ? m_reads->reader() : m_header.database();
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
