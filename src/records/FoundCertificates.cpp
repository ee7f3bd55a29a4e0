#include "FoundCertificates.h"

#include "DataView.h"
#include "Database.h"
#include "SigningBlock.h"

#include <QRegularExpression>
#include <QSqlQuery>

namespace arc {

DbStatus FoundCertificates::start()
{
    m_lastPlace = 0;
    m_count = 0;
    m_atEnd = true;
    m_seen.clear();
    QString table;
    if (DbStatus s = m_header.resultTable(table); !s.ok() || table.isEmpty())
        return s;
    DbStatus s;
    m_count = m_header.database().scalar(QStringLiteral("SELECT count(DISTINCT rowkey) FROM %1").arg(table), {}, &s).toInt();
    m_atEnd = !s.ok() || m_count == 0;
    return s;
}

DbStatus FoundCertificates::more(int places, std::vector<FoundCertificate> &found)
{
    if (m_atEnd)
        return {};
    QString table;
    if (DbStatus s = m_header.resultTable(table); !s.ok() || table.isEmpty()) {
        m_atEnd = true;
        return s;
    }
    const auto firstLine = [](const char *field) {
        return QStringLiteral("(SELECT l.\"%1\" FROM \"Detail\" l WHERE l.\"FormIndex\" = h.\"FormIndex\" "
                              "ORDER BY l.rowid LIMIT 1)")
            .arg(QLatin1String(field));
    };
    // A place whose certificate was deleted since is passed over.
    QSqlQuery q;
    DbStatus s = m_header.database().run(
        q,
        QStringLiteral("SELECT r.pos, h.\"FormIndex\", h.\"Tracking\", h.\"Date18\", h.\"Date23\", h.\"Organ1\", "
                       "h.\"Name17\", h.\"Name22\", %1, %2 FROM %3 r LEFT JOIN \"Header\" h ON h.\"FormIndex\" = r.rowkey "
                       "WHERE r.pos > ? ORDER BY r.pos LIMIT ?")
            .arg(firstLine("PartNum"), firstLine("Status"), table),
        {m_lastPlace, places});
    if (!s.ok())
        return s;
    const auto text = [&q](int column) { return q.value(column).isNull() ? QString() : q.value(column).toString().trimmed(); };
    // Stored dates are ISO text; another program may have added a time.
    const auto day = [&q](int column) { return QDate::fromString(q.value(column).toString().left(10), Qt::ISODate); };
    static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
    int read = 0;
    while (q.next()) {
        ++read;
        m_lastPlace = q.value(0).toLongLong();
        const qint64 key = q.value(1).toLongLong();
        if (q.value(1).isNull() || m_seen.contains(key))
            continue;
        m_seen.insert(key);
        FoundCertificate c;
        c.formIndex = key;
        c.tracking = text(2);
        c.date = day(3).isValid() ? day(3) : day(4);
        c.organization = text(5).section(lineBreak, 0, 0).trimmed();
        c.partNum = text(8);
        c.status = text(9);
        c.signatory = selectsBlock13(c.status.toUpper()) ? text(6) : text(7);
        found.push_back(c);
    }
    m_atEnd = read < places;
    return {};
}

DbStatus FoundCertificates::rest(std::vector<FoundCertificate> &found)
{
    DbStatus s;
    while (s.ok() && !m_atEnd)
        s = more(1000, found);
    return s;
}

} // namespace arc
