// arc8130-admin: maintenance a shop does to a data source outside the
// program. The commands are in arc_admin; this reads the command line and
// standard input, opens the data source and prints what was done.

#include "DataFolder.h"
#include "KeyCommands.h"
#include "SecretInput.h"
#include "SignatoryCommands.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <functional>

using namespace arc;

namespace {

int usage()
{
    std::fprintf(stderr,
                 "usage: arc8130-admin reset-password DATASOURCE NAME\n"
                 "         reads the new password from standard input\n"
                 "       arc8130-admin add-signature DATASOURCE FILE.bmp\n"
                 "       arc8130-admin signing-key DATASOURCE NAME\n"
                 "         reads the shop authority's passphrase, then NAME's sign-in password\n"
                 "       arc8130-admin import-key DATASOURCE NAME FILE.p12\n"
                 "         reads the file's password, then NAME's sign-in password\n"
                 "       arc8130-admin export-ca DATASOURCE FILE.pem\n"
                 "         writes the shop authority's certificate, replacing FILE.pem\n"
                 "  DATASOURCE: a data folder or a postgresql:// URI\n");
    return CommandOutcome::BadArgument;
}

int print(const CommandOutcome &outcome)
{
    std::fprintf(outcome.done() ? stdout : stderr, "%s\n", qPrintable(outcome.text));
    return outcome.code;
}

// Runs `command` on the data source once it is open.
int onSource(const QString &source, const std::function<CommandOutcome(DataFolder &)> &command)
{
    DataFolder data;
    if (const DbStatus s = data.open(source); !s.ok())
        return print(CommandOutcome::refused(QStringLiteral("The data source cannot be opened: %1.").arg(s.detail())));
    return print(command(data));
}

// The secrets a command reads, in order; empty when one is missing, which is said.
QStringList secrets(const QList<std::pair<QString, QString>> &prompts)
{
    QStringList out;
    for (const auto &[prompt, what] : prompts) {
        QString why;
        const std::optional<QString> secret = readSecret(prompt, what, why);
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
        why = QStringLiteral("there is no such file");
    else if (!info.isFile())
        why = QStringLiteral("it is not a file");
    else if (in.open(QIODevice::ReadOnly))
        return in.readAll();
    else
        why = in.errorString();
    print(CommandOutcome::refused(QStringLiteral("%1 cannot be read: %2.").arg(path, why)));
    return std::nullopt;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString command = args.value(1);
    if (args.size() != (command == QLatin1String("import-key") ? 5 : 4))
        return usage();
    const QString source = DataFolder::sourceFromArgument(args.at(2));
    const QString name = args.at(3);

    if (command == QLatin1String("reset-password")) {
        const QStringList typed = secrets({{QStringLiteral("New password: "), QStringLiteral("password")}});
        if (typed.isEmpty())
            return CommandOutcome::Refused;
        return onSource(source, [&](DataFolder &d) { return SignatoryCommands::resetPassword(d, name, typed[0]); });
    }
    if (command == QLatin1String("add-signature")) {
        const QString fileName = QFileInfo(args.at(3)).fileName();
        if (!fileName.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
            return print(CommandOutcome::refused(
                QStringLiteral("%1 is not a .bmp file, which is what the signatories panel lists.").arg(fileName),
                CommandOutcome::BadArgument));
        const std::optional<QByteArray> bytes = readFile(args.at(3));
        if (!bytes)
            return CommandOutcome::Refused;
        return onSource(source, [&](DataFolder &d) { return SignatoryCommands::addSignature(d, fileName, *bytes); });
    }
    if (command == QLatin1String("signing-key")) {
        const QStringList typed = secrets({{QStringLiteral("Shop authority's passphrase: "), QStringLiteral("passphrase")},
                                           {QStringLiteral("Sign-in password of %1: ").arg(name), QStringLiteral("password")}});
        if (typed.isEmpty())
            return CommandOutcome::Refused;
        return onSource(source,
                        [&](DataFolder &d) { return KeyCommands::makeSigningKey(d, name, typed[0], typed[1]); });
    }
    if (command == QLatin1String("import-key")) {
        const std::optional<QByteArray> pkcs12 = readFile(args.at(4));
        if (!pkcs12)
            return CommandOutcome::Refused;
        const QStringList typed = secrets({{QStringLiteral("Password of %1: ").arg(args.at(4)), QStringLiteral("file password")},
                                           {QStringLiteral("Sign-in password of %1: ").arg(name), QStringLiteral("password")}});
        if (typed.isEmpty())
            return CommandOutcome::Refused;
        return onSource(source, [&](DataFolder &d) {
            return KeyCommands::importKey(d, name, *pkcs12, typed[0], typed[1]);
        });
    }
    if (command == QLatin1String("export-ca"))
        return onSource(source, [&](DataFolder &d) { return KeyCommands::exportAuthority(d, args.at(3)); });
    return usage();
}
