#include "FoundCertificates.h"

#include "DataView.h"
#include "Database.h"
#include "SigningBlock.h"

#include <QHash>
#include <QRegularExpression>
#include <QSqlQuery>
#include <algorithm>

namespace arc {

DbStatus FoundCertificates::start()
{
    m_lastPlace = 0;
    m_seen.clear();
    std::vector<qint64> keys = m_header.resultKeys();
    std::sort(keys.begin(), keys.end());
    m_count = static_cast<int>(std::unique(keys.begin(), keys.end()) - keys.begin());
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
    const auto firstLine = [](const char *field) {
        return QStringLiteral("(SELECT l.\"%1\" FROM \"Detail\" l WHERE l.\"FormIndex\" = h.\"FormIndex\" "
                              "ORDER BY l.rowid LIMIT 1)")
            .arg(QLatin1String(field));
    };
    QVariantList binds;
    for (qint64 key : wanted)
        binds << key;
    const QString marks = QStringLiteral("?, ").repeated(static_cast<int>(wanted.size())).chopped(2);
    QSqlQuery q;
    DbStatus s = m_header.database().run(
        q,
        QStringLiteral("SELECT h.\"FormIndex\", h.\"Tracking\", h.\"Date18\", h.\"Date23\", h.\"Organ1\", "
                       "h.\"Name17\", h.\"Name22\", %1, %2 FROM \"Header\" h WHERE h.\"FormIndex\" IN (%3)")
            .arg(firstLine("PartNum"), firstLine("Status"), marks),
        binds);
    if (!s.ok())
        return s;
    taken();
    const auto text = [&q](int column) { return q.value(column).isNull() ? QString() : q.value(column).toString().trimmed(); };
    // Stored dates are ISO text; another program may have added a time.
    const auto day = [&q](int column) { return QDate::fromString(q.value(column).toString().left(10), Qt::ISODate); };
    static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
    // A certificate deleted since the search is passed over.
    QHash<qint64, FoundCertificate> read;
    while (q.next()) {
        FoundCertificate c;
        c.formIndex = q.value(0).toLongLong();
        c.tracking = text(1);
        c.date = day(2).isValid() ? day(2) : day(3);
        c.organization = text(4).section(lineBreak, 0, 0).trimmed();
        c.partNum = text(7);
        c.status = text(8);
        c.signatory = selectsBlock13(c.status.toUpper()) ? text(5) : text(6);
        read.insert(c.formIndex, c);
    }
    for (qint64 key : wanted)
        if (const auto it = read.constFind(key); it != read.cend())
            found.push_back(*it);
    return {};
}

DbStatus FoundCertificates::rest(std::vector<FoundCertificate> &found)
{
    DbStatus s;
    while (s.ok() && !m_atEnd)
        s = more(500, found);
    return s;
}

} // namespace arc
