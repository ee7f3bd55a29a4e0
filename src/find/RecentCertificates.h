#pragma once

#include "DbStatus.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QSettings>
#include <functional>
#include <vector>

class QMenu;

namespace arc {

class Database;

// The last certificates shown or saved at this workstation, kept for the
// user in a settings file, apart for each data source, by key. What is
// offered is read from the store each time, so a certificate deleted
// since is left out and one renumbered shows its number now.
class RecentCertificates : public QObject {
    Q_OBJECT
public:
    static constexpr int kKept = 10;

    explicit RecentCertificates(QString settingsFile, QObject *parent = nullptr);

    // The data source the keys belong to: a folder, or a server's URI
    // without its password.
    void setSource(const QString &source);
    // Shown or saved: first in the list.
    void remember(qint64 formIndex);
    // The keys kept, most recent first; some may be gone.
    QList<qint64> keys() const;

    struct Entry {
        qint64 formIndex = 0;
        QString tracking;
        QDate date; // 13e, else 14e
    };
    // Those still stored, most recent first.
    std::vector<Entry> entries(Database &certificates, DbStatus *status = nullptr) const;
    // The menu's actions, one per entry, each calling `show` with its key;
    // a disabled "(none)" when there are none.
    void fillMenu(QMenu *menu, Database &certificates, const std::function<void(qint64)> &show) const;
    // Fill `menu` afresh whenever it is about to show; `certificates`
    // gives the open store, or nullptr when none is open.
    void keepFilled(QMenu *menu, std::function<Database *()> certificates, std::function<void(qint64)> show);

signals:
    void changed();

private:
    QString group() const;

    QSettings m_settings;
    QString m_source;
};

} // namespace arc
