#include "RecentCertificates.h"

#include "Database.h"
#include "DateText.h"

#include <QAction>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QHash>
#include <QMenu>
#include <QSettings>
#include <QSqlQuery>

namespace arc {

namespace {

struct RecentCertificatesTexts {
    Q_DECLARE_TR_FUNCTIONS(RecentCertificates)
};

} // namespace

RecentCertificates::RecentCertificates(QString settingsFile, QObject *parent)
    : QObject(parent), m_settings(std::move(settingsFile), QSettings::IniFormat)
{
}

void RecentCertificates::setSource(const QString &source)
{
    m_source = source;
    emit changed();
}

QString RecentCertificates::group() const
{
    // A source names folders and servers with characters a settings key
    // cannot hold; its hash can.
    return QStringLiteral("recent/")
           + QString::fromLatin1(QCryptographicHash::hash(m_source.toUtf8(), QCryptographicHash::Sha256).toHex());
}

QList<qint64> RecentCertificates::keys() const
{
    QList<qint64> out;
    if (m_source.isEmpty())
        return out;
    for (const QString &k : m_settings.value(group() + QStringLiteral("/keys")).toStringList())
        if (const qint64 key = k.toLongLong(); key > 0 && !out.contains(key))
            out << key;
    return out;
}

void RecentCertificates::remember(qint64 formIndex)
{
    if (m_source.isEmpty() || formIndex <= 0)
        return;
    QList<qint64> kept = keys();
    if (!kept.isEmpty() && kept.first() == formIndex)
        return;
    kept.removeAll(formIndex);
    kept.prepend(formIndex);
    QStringList texts;
    for (qint64 k : kept.mid(0, kKept))
        texts << QString::number(k);
    // Seen at once by every reader in this program; written to the disk
    // once the certificate is on screen, not while the user waits for it.
    m_settings.setValue(group() + QStringLiteral("/source"), m_source);
    m_settings.setValue(group() + QStringLiteral("/keys"), texts);
    emit changed();
}

std::vector<RecentCertificates::Entry> RecentCertificates::entries(Database &certificates, DbStatus *status) const
{
    const QList<qint64> kept = keys();
    std::vector<Entry> out;
    if (kept.isEmpty()) {
        if (status)
            *status = {};
        return out;
    }
    QStringList marks;
    QVariantList binds;
    for (qint64 k : kept)
        marks << QStringLiteral("?"), binds << k;
    QSqlQuery q;
    const DbStatus s = certificates.run(q,
                                        QStringLiteral("SELECT \"FormIndex\", \"Tracking\", \"Date18\", \"Date23\" FROM "
                                                       "\"Header\" WHERE \"FormIndex\" IN (%1)")
                                            .arg(marks.join(QStringLiteral(", "))),
                                        binds);
    QHash<qint64, Entry> stored;
    while (s.ok() && q.next()) {
        Entry e;
        e.formIndex = q.value(0).toLongLong();
        e.tracking = q.value(1).toString().trimmed();
        const QDate d18 = QDate::fromString(q.value(2).toString().left(10), Qt::ISODate);
        e.date = d18.isValid() ? d18 : QDate::fromString(q.value(3).toString().left(10), Qt::ISODate);
        stored.insert(e.formIndex, e);
    }
    for (qint64 k : kept)
        if (stored.contains(k))
            out.push_back(stored.value(k));
    if (status)
        *status = s;
    return out;
}

void RecentCertificates::fillMenu(QMenu *menu, Database &certificates, const std::function<void(qint64)> &show) const
{
    menu->clear();
    const std::vector<Entry> list = entries(certificates);
    for (const Entry &e : list) {
        QString text = e.tracking.isEmpty() ? RecentCertificatesTexts::tr("(no number)") : e.tracking;
        if (e.date.isValid())
            text += QStringLiteral("  ") + DateText::format(e.date);
        QAction *a = menu->addAction(text);
        a->setData(e.formIndex);
        QObject::connect(a, &QAction::triggered, menu, [show, key = e.formIndex] { show(key); });
    }
    if (list.empty())
        menu->addAction(tr("(none)"))->setEnabled(false);
}

void RecentCertificates::keepFilled(QMenu *menu, std::function<Database *()> certificates,
                                    std::function<void(qint64)> show)
{
    connect(menu, &QMenu::aboutToShow, this, [this, menu, certificates = std::move(certificates), show = std::move(show)] {
        Database *db = certificates();
        if (db) {
            fillMenu(menu, *db, show);
        } else {
            menu->clear();
            menu->addAction(tr("(none)"))->setEnabled(false);
        }
    });
}

} // namespace arc
