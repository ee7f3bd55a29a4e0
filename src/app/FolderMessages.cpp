#include "FolderMessages.h"

#include "DataFolder.h"
#include "DateText.h"
#include "Prompts.h"
#include "Schema.h"
#include "ServerUri.h"
#include "StoredTracking.h"

#include <QDir>
#include <QFileInfo>

namespace arc::FolderMessages {

namespace {

QString reason(const DbStatus &status)
{
    switch (status.condition()) {
    case DbCondition::InvalidPath:
        return QStringLiteral("it cannot be reached: the folder does not exist, or the disk or network share that "
                              "holds it is not available");
    case DbCondition::FileNotFound:
        return QStringLiteral("%1 is not there").arg(QFileInfo(status.detail()).fileName());
    case DbCondition::NotADatabase:
        return status.detail();
    case DbCondition::ReadOnly:
        return QStringLiteral("the data files or the folder cannot be written");
    case DbCondition::Locked:
        return QStringLiteral("another program is holding the data files");
    default:
        return status.detail();
    }
}

} // namespace

namespace {

// A server is named without its password.
QString sourceName(const QString &source) { return ServerUri::withoutPassword(source); }

Message serverUnusable(const QString &uri, const DbStatus &status, const QString &inUse)
{
    const QString after =
        inUse.isEmpty()
            ? QStringLiteral("It stays recorded as the data source. Make the server available and start the program "
                             "again, or choose another data folder or server under \"Set-up\".")
            : QStringLiteral("The data source in use is still %1.")
                  .arg(DataFolder::isServer(inUse) ? sourceName(inUse) : QDir::toNativeSeparators(inUse));
    QString why = status.detail();
    if (status.is(DbCondition::ChangedElsewhere) || why.isEmpty())
        why = reason(status);
    return {QStringLiteral("The server database %1 cannot be used: %2.\nNothing in it has been changed. %3")
                .arg(sourceName(uri), why, after),
            QStringLiteral("Data source"), Message::Buttons::Ok, Message::Icon::Critical};
}

} // namespace

Message unusable(const QString &path, const DbStatus &status, const QString &inUse)
{
    if (DataFolder::isServer(path))
        return serverUnusable(path, status, inUse);
    const QString after = inUse.isEmpty()
                              ? QStringLiteral("It stays recorded as the data folder. Make it available and start the "
                                               "program again, or choose another data folder under \"Set-up\".")
                              : DataFolder::isServer(inUse)
                                  ? QStringLiteral("The data source in use is still %1.").arg(sourceName(inUse))
                                  : QStringLiteral("The data folder in use is still %1.").arg(QDir::toNativeSeparators(inUse));
    return {QStringLiteral("The data folder %1 cannot be used: %2.\nNothing in it has been changed. %3")
                .arg(QDir::toNativeSeparators(path), reason(status), after),
            QStringLiteral("Data folder"), Message::Buttons::Ok, Message::Icon::Critical};
}

Message created(const QString &path)
{
    return {QStringLiteral("No data folder has been chosen yet, so new, empty data files (%1 and %2) were made in %3.\n"
                           "If your certificates are kept in another folder, choose it under \"Set-up\".")
                .arg(Schema::fileName(StoreKind::Certificates), Schema::fileName(StoreKind::Reference),
                     QDir::toNativeSeparators(path)),
            QStringLiteral("Data folder"), Message::Buttons::Ok, Message::Icon::Information};
}

Message noneOpen()
{
    return {QStringLiteral("No data folder is open, so nothing can be stored or numbered. What is on screen is kept.\n"
                           "Choose the data folder under \"Set-up\"."),
            QStringLiteral("Data folder"), Message::Buttons::Ok, Message::Icon::Exclamation};
}

bool ensureOpen(const DataFolder &folder, MessageBoxes &messages)
{
    if (folder.isOpen())
        return true;
    messages.ask(noneOpen());
    return false;
}

Message serverUnreachable(const QString &server, const QString &consequence)
{
    return {QStringLiteral("The server %1 cannot be reached; %2").arg(server, consequence), QStringLiteral("Data source"),
            Message::Buttons::Ok, Message::Icon::Critical};
}

bool ensureReachable(DataFolder &folder, MessageBoxes &messages)
{
    if (folder.ensureConnected().ok())
        return true;
    messages.ask(serverUnreachable(folder.certificates().filePath(), QStringLiteral("nothing was saved")));
    return false;
}

Message storeFailure(const QString &what, const DbStatus &status)
{
    return {QStringLiteral("%1: %2\nNothing stored has been lost.").arg(what, status.detail()), QStringLiteral("Database"),
            Message::Buttons::Ok, Message::Icon::Critical};
}

bool numberIsFree(DataFolder &folder, MessageBoxes &messages, const QString &tracking, qint64 formIndex)
{
    // Two certificates with one block 3 number must never leave the shop.
    DbStatus s;
    const std::optional<StoredTracking::Holder> other = StoredTracking::holder(folder.certificates(), tracking, formIndex, s);
    if (!s.ok()) {
        messages.ask(storeFailure(
            QStringLiteral("Whether the certificate number is in use could not be read, so the certificate was not saved"), s));
        return false;
    }
    if (!other)
        return true;
    messages.ask(Prompts::numberInUse(tracking.trimmed(), other->date.isValid() ? DateText::format(other->date)
                                                                                : QStringLiteral("(no date)")));
    return false;
}

} // namespace arc::FolderMessages
