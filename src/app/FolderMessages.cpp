#include "FolderMessages.h"

#include "DataFolder.h"
#include "DateText.h"
#include "Prompts.h"
#include "Schema.h"
#include "ServerUri.h"
#include "StoredTracking.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace arc::FolderMessages {

namespace {

struct FolderMessagesTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::FolderMessages)
};

QString reason(const DbStatus &status)
{
    switch (status.condition()) {
    case DbCondition::InvalidPath:
        return FolderMessagesTexts::tr(
            "it cannot be reached: the folder does not exist, or the disk or network share that "
            "holds it is not available");
    case DbCondition::FileNotFound:
        return FolderMessagesTexts::tr("%1 is not there").arg(QFileInfo(status.detail()).fileName());
    case DbCondition::NotADatabase:
        return status.detail();
    case DbCondition::ReadOnly: return FolderMessagesTexts::tr("the data files or the folder cannot be written");
    case DbCondition::Locked: return FolderMessagesTexts::tr("another program is holding the data files");
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
        inUse.isEmpty() ? FolderMessagesTexts::tr(
            "It stays recorded as the data source. Make the server available and start the program "
            "again, or choose another data folder or server under \"Set-up\".")
                        : FolderMessagesTexts::tr("The data source in use is still %1.")
                              .arg(DataFolder::isServer(inUse) ? sourceName(inUse) : QDir::toNativeSeparators(inUse));
    QString why = status.detail();
    if (status.is(DbCondition::ChangedElsewhere) || why.isEmpty())
        why = reason(status);
    return {MessageTexts::tr("The server database %1 cannot be used: %2.\nNothing in it has been changed. %3")
                .arg(sourceName(uri), why, after),
            MessageTexts::tr("Data source"), Message::Buttons::Ok, Message::Icon::Critical};
}

} // namespace

Message unusable(const QString &path, const DbStatus &status, const QString &inUse)
{
    if (DataFolder::isServer(path))
        return serverUnusable(path, status, inUse);
    const QString after =
        inUse.isEmpty()
            ? FolderMessagesTexts::tr("It stays recorded as the data folder. Make it available and start the "
                                      "program again, or choose another data folder under \"Set-up\".")
        : DataFolder::isServer(inUse)
            ? FolderMessagesTexts::tr("The data source in use is still %1.").arg(sourceName(inUse))
            : FolderMessagesTexts::tr("The data folder in use is still %1.").arg(QDir::toNativeSeparators(inUse));
    return {MessageTexts::tr("The data folder %1 cannot be used: %2.\nNothing in it has been changed. %3")
                .arg(QDir::toNativeSeparators(path), reason(status), after),
            MessageTexts::tr("Data folder"), Message::Buttons::Ok, Message::Icon::Critical};
}

Message created(const QString &path)
{
    return {
        MessageTexts::tr("No data folder has been chosen yet, so new, empty data files (%1 and %2) were made in %3.\n"
                         "If your certificates are kept in another folder, choose it under \"Set-up\".")
            .arg(Schema::fileName(StoreKind::Certificates), Schema::fileName(StoreKind::Reference),
                 QDir::toNativeSeparators(path)),
        MessageTexts::tr("Data folder"), Message::Buttons::Ok, Message::Icon::Information};
}

Message noneOpen()
{
    return {
        MessageTexts::tr("No data folder is open, so nothing can be stored or numbered. What is on screen is kept.\n"
                         "Choose the data folder under \"Set-up\"."),
        MessageTexts::tr("Data folder"), Message::Buttons::Ok, Message::Icon::Exclamation};
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
    return {MessageTexts::tr("The server %1 cannot be reached; %2").arg(server, consequence),
            MessageTexts::tr("Data source"), Message::Buttons::Ok, Message::Icon::Critical};
}

bool ensureReachable(DataFolder &folder, MessageBoxes &messages)
{
    if (folder.ensureConnected().ok())
        return true;
    messages.ask(serverUnreachable(folder.certificates().filePath(), FolderMessagesTexts::tr("nothing was saved")));
    return false;
}

Message storeFailure(const QString &what, const DbStatus &status)
{
    return {MessageTexts::tr("%1: %2\nNothing stored has been lost.").arg(what, status.detail()),
            MessageTexts::tr("Database"), Message::Buttons::Ok, Message::Icon::Critical};
}

bool numberIsFree(DataFolder &folder, MessageBoxes &messages, const QString &tracking, qint64 formIndex)
{
    // Two certificates with one block 3 number must never leave the shop.
    DbStatus s;
    const std::optional<StoredTracking::Holder> other = StoredTracking::holder(folder.certificates(), tracking, formIndex, s);
    if (!s.ok()) {
        messages.ask(storeFailure(
            FolderMessagesTexts::tr(
                "Whether the certificate number is in use could not be read, so the certificate was not saved"),
            s));
        return false;
    }
    if (!other)
        return true;
    messages.ask(Prompts::numberInUse(tracking.trimmed(), other->date.isValid()
                                                              ? DateText::format(other->date)
                                                              : FolderMessagesTexts::tr("(no date)")));
    return false;
}

} // namespace arc::FolderMessages
