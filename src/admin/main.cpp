// arc8130-admin: maintenance a shop does to a data source outside the
// program. The commands are in arc_admin; this reads the command line and
// standard input, opens the data source and prints what was done.

#include "AdminCommandLine.h"
#include "AdminRights.h"
#include "DataFolder.h"
#include "KeyCommands.h"
#include "NamedKeys.h"
#include "RevocationList.h"
#include "SecretInput.h"
#include "SignatoryCommands.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <functional>

using namespace arc;

namespace {

struct AdminTexts {
    Q_DECLARE_TR_FUNCTIONS(AdminCommand)
};

int usage()
{
    std::fprintf(stderr, "%s",
                 qPrintable(AdminTexts::tr(
                     "usage: arc8130-admin [--as ADMIN] COMMAND ...\n"
                     "         ADMIN's password is read first, before the command's own inputs\n"
                     "       arc8130-admin reset-password DATASOURCE NAME\n"
                     "         reads the new password from standard input, then, when NAME holds a certificate\n"
                     "         from the shop authority, its passphrase to revoke it (an empty line: later)\n"
                     "       arc8130-admin add-signature DATASOURCE FILE.bmp\n"
                     "       arc8130-admin signing-key DATASOURCE NAME\n"
                     "         reads the shop authority's passphrase, then NAME's sign-in password\n"
                     "       arc8130-admin import-key DATASOURCE NAME FILE.p12\n"
                     "         reads the file's password, then NAME's sign-in password\n"
                     "       arc8130-admin token-key DATASOURCE NAME --module FILE --token LABEL --key ID\n"
                     "         reads, when the token holds no certificate for the key (ID in hex), the shop\n"
                     "         authority's passphrase, then the token's PIN\n"
                     "         (an empty line: leaves a request signed on the token, for approve)\n"
                     "       arc8130-admin approve DATASOURCE NAME\n"
                     "         reads the shop authority's passphrase and issues the certificate NAME requested\n"
                     "       arc8130-admin revoke DATASOURCE NAME [REASON]\n"
                     "         reads the shop authority's passphrase; REASON as RFC 5280 names it\n"
                     "         (keyCompromise, superseded, cessationOfOperation, ...; unspecified when none)\n"
                     "       arc8130-admin export-ca DATASOURCE FOLDER\n"
                     "         writes authority.pem, authority.crl and HOW-TO-VERIFY.txt for customers\n"
                     "  DATASOURCE: a data folder or a postgresql:// URI\n"
                     "  Once a signatory is an administrator, reset-password needs --as ADMIN, and\n"
                     "  signing-key and import-key need it for any key but the signatory's own.\n")));
    return CommandOutcome::BadArgument;
}

int print(const CommandOutcome &outcome)
{
    std::fprintf(outcome.done() ? stdout : stderr, "%s\n", qPrintable(outcome.text));
    return outcome.code;
}

// Who runs the command, and on what.
struct Run {
    AdminCommandLine line;
    std::optional<AdminRights::Administrator> as;
    QString source;
};

// Runs `command` on the data source once it is open and the administrator's
// right, where the command needs one, is checked.
int onSource(const Run &run, const std::function<CommandOutcome(DataFolder &)> &command)
{
    DataFolder data;
    if (const DbStatus s = data.open(run.source); !s.ok())
        return print(CommandOutcome::refused(AdminTexts::tr("The data source cannot be opened: %1.").arg(s.detail())));
    if (const std::optional<CommandOutcome> refused = AdminRights::refusal(data, run.line.command, run.as))
        return print(*refused);
    if (const QString moved = NamedKeys::told(NamedKeys::moveToRows(data)); !moved.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(moved));
    return print(command(data));
}

// The secrets a command reads, in order; empty when one is missing, which is said.
QStringList secrets(const QList<std::pair<QString, QString>> &prompts, bool confirm = true)
{
    QStringList out;
    for (const auto &[prompt, what] : prompts) {
        QString why;
        const std::optional<QString> secret = readSecret(prompt, what, why, confirm);
        if (!secret) {
            print(CommandOutcome::refused(why));
            return {};
        }
        out << *secret;
    }
    return out;
}

// A file given on the command line; refused when it cannot be read.
std::optional<QByteArray> readFile(const QString &path)
{
    const QFileInfo info(path);
    QFile in(path);
    QString why;
    if (!info.exists())
        why = AdminTexts::tr("there is no such file");
    else if (!info.isFile())
        why = AdminTexts::tr("it is not a file");
    else if (in.open(QIODevice::ReadOnly))
        return in.readAll();
    else
        why = in.errorString();
    print(CommandOutcome::refused(AdminTexts::tr("%1 cannot be read: %2.").arg(path, why)));
    return std::nullopt;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const std::optional<AdminCommandLine> line = AdminCommandLine::parse(QCoreApplication::arguments());
    if (!line)
        return usage();
    Run run{*line, std::nullopt, DataFolder::sourceFromArgument(line->arguments.at(0))};
    // The administrator's password comes first, before the command's own inputs.
    if (line->as) {
        const QStringList typed = secrets(
            {{AdminTexts::tr("Password of %1: ").arg(*line->as), AdminTexts::tr("administrator's password")}}, false);
        if (typed.isEmpty())
            return CommandOutcome::Refused;
        run.as = AdminRights::Administrator{*line->as, typed[0]};
    }
    const QString &command = line->command;
    const QString name = line->arguments.at(1);

    if (command == QLatin1String("reset-password")) {
        const QStringList typed = secrets({{AdminTexts::tr("New password: "), AdminTexts::tr("password")}});
        if (typed.isEmpty())
            return CommandOutcome::Refused;
        // Asked for only when the old certificate is the shop authority's; an empty line skips.
        const auto passphrase = []() -> std::optional<QString> {
            QString why;
            return readSecret(AdminTexts::tr("Shop authority's passphrase, to revoke the old certificate (empty: "
                                             "later): "),
                              AdminTexts::tr("passphrase"), why, false);
        };
        return onSource(run, [&](DataFolder &d) { return SignatoryCommands::resetPassword(d, name, typed[0], passphrase); });
    }
    if (command == QLatin1String("add-signature")) {
        const QString fileName = QFileInfo(name).fileName();
        if (!fileName.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
            return print(CommandOutcome::refused(
                AdminTexts::tr("%1 is not a .bmp file, which is what the signatories panel lists.").arg(fileName),
                CommandOutcome::BadArgument));
        const std::optional<QByteArray> bytes = readFile(name);
        if (!bytes)
            return CommandOutcome::Refused;
        return onSource(run, [&](DataFolder &d) { return SignatoryCommands::addSignature(d, fileName, *bytes); });
    }
    if (command == QLatin1String("signing-key")) {
        const QStringList typed =
            secrets({{AdminTexts::tr("Shop authority's passphrase: "), AdminTexts::tr("passphrase")},
                     {AdminTexts::tr("Sign-in password of %1: ").arg(name), AdminTexts::tr("password")}});
        if (typed.isEmpty())
            return CommandOutcome::Refused;
        return onSource(run, [&](DataFolder &d) { return KeyCommands::makeSigningKey(d, name, typed[0], typed[1]); });
    }
    if (command == QLatin1String("import-key")) {
        const QString &path = line->arguments.at(2);
        const std::optional<QByteArray> pkcs12 = readFile(path);
        if (!pkcs12)
            return CommandOutcome::Refused;
        const QStringList typed =
            secrets({{AdminTexts::tr("Password of %1: ").arg(path), AdminTexts::tr("file password")},
                     {AdminTexts::tr("Sign-in password of %1: ").arg(name), AdminTexts::tr("password")}});
        if (typed.isEmpty())
            return CommandOutcome::Refused;
        return onSource(run, [&](DataFolder &d) { return KeyCommands::importKey(d, name, *pkcs12, typed[0], typed[1]); });
    }
    if (command == QLatin1String("token-key")) {
        const QString id = line->options.value(QStringLiteral("key"));
        const QByteArray keyId = QByteArray::fromHex(id.toLatin1());
        if (keyId.isEmpty() || keyId.toHex() != id.toLower().toLatin1())
            return print(
                CommandOutcome::refused(AdminTexts::tr("%1 is not a key id: it is written in hex, such as 01.").arg(id),
                                        CommandOutcome::BadArgument));
        const auto asked = [](const QString &prompt, const QString &what) {
            return [prompt, what]() -> std::optional<QString> {
                QString why;
                return readSecret(prompt, what, why, false);
            };
        };
        return onSource(run, [&](DataFolder &d) {
            return KeyCommands::tokenKey(
                d, name,
                {line->options.value(QStringLiteral("module")), line->options.value(QStringLiteral("token")), keyId},
                asked(AdminTexts::tr("Shop authority's passphrase: "), AdminTexts::tr("passphrase")),
                asked(AdminTexts::tr("PIN of the token: "), AdminTexts::tr("PIN")));
        });
    }
    if (command == QLatin1String("approve")) {
        const QStringList typed =
            secrets({{AdminTexts::tr("Shop authority's passphrase: "), AdminTexts::tr("passphrase")}}, false);
        if (typed.isEmpty())
            return CommandOutcome::Refused;
        return onSource(run, [&](DataFolder &d) { return KeyCommands::approve(d, name, typed[0]); });
    }
    if (command == QLatin1String("revoke")) {
        const QString reasonName = line->arguments.value(2, QStringLiteral("unspecified"));
        const std::optional<int> reason = RevocationList::reasonNamed(reasonName);
        if (!reason)
            return print(CommandOutcome::refused(
                AdminTexts::tr("%1 is not a reason RFC 5280 names (such as keyCompromise, superseded, "
                               "cessationOfOperation).")
                    .arg(reasonName),
                CommandOutcome::BadArgument));
        const QStringList typed =
            secrets({{AdminTexts::tr("Shop authority's passphrase: "), AdminTexts::tr("passphrase")}}, false);
        if (typed.isEmpty())
            return CommandOutcome::Refused;
        return onSource(run, [&](DataFolder &d) { return KeyCommands::revoke(d, name, typed[0], *reason); });
    }
    return onSource(run, [&](DataFolder &d) { return KeyCommands::exportAuthority(d, name); });
}
