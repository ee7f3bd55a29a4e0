#include "NamedKeys.h"

#include "DataFolder.h"
#include "KeysOf.h"
#include "ReferenceLists.h"

#include <QCoreApplication>
#include <QHash>

namespace arc {

namespace {

struct NamedKeysTexts {
    Q_DECLARE_TR_FUNCTIONS(NamedKeys)
};

} // namespace

QString NamedKeys::setAsideEntry(const QString &name) { return KeyStore::namedEntry(name) + QStringLiteral("-shared"); }

NamedKeysMoved NamedKeys::moveToRows(DataFolder &source)
{
    NamedKeysMoved moved;
    // The rows of each name as earlier versions looked keys up: trimmed, case kept.
    QHash<QString, QList<qint64>> rows;
    QStringList names;
    for (const AgentEntry &agent : ReferenceLists::agents(source.agents())) {
        const QString name = agent.name.trimmed();
        if (!rows.contains(name))
            names << name;
        rows[name] << agent.rowId;
    }
    const std::unique_ptr<KeyStore> keys = keysOf(source);
    for (const QString &name : names) {
        const QList<qint64> &of = rows.value(name);
        const QString key = KeyStore::namedEntry(name);
        const QString note = key + QStringLiteral("-removed");
        QString error;
        KeyStore::Found found;
        StoredSigningKey kept;
        if (of.size() == 1 && keys->signingKey(of.first(), kept, nullptr) != KeyStore::Found::No) {
            // A key kept by row already is newer than one kept by name.
            found = KeyStore::Found::No;
        } else if (of.size() == 1) {
            found = keys->move(key, KeyStore::signatoryEntry(of.first()), &error);
            if (found != KeyStore::Found::Failed)
                found = keys->move(note, KeyStore::removalEntry(of.first()), &error);
        } else {
            found = keys->move(key, setAsideEntry(name), &error);
            if (found == KeyStore::Found::Yes)
                moved.shared << name;
            if (found != KeyStore::Found::Failed)
                (void)keys->move(note, setAsideEntry(name) + QStringLiteral("-removed"), &error);
        }
        if (found == KeyStore::Found::Failed && moved.failure.isEmpty())
            moved.failure = NamedKeysTexts::tr("the signing key of %1 could not be moved in %2: %3")
                                .arg(name, keys->place(), error);
    }
    return moved;
}

QString NamedKeys::told(const NamedKeysMoved &moved)
{
    QStringList lines;
    for (const QString &name : moved.shared)
        lines << QCoreApplication::translate("NamedKeys",
                                             "More than one signatory is named %1: the signing key kept under that "
                                             "name is set aside for neither of them. Each needs a new signing "
                                             "certificate.")
                     .arg(name);
    if (!moved.failure.isEmpty())
        lines << QCoreApplication::translate("NamedKeys", "The signing keys were not all moved to their "
                                                          "signatories: %1.")
                     .arg(moved.failure);
    return lines.join(QLatin1Char('\n'));
}

} // namespace arc
