// arc8130-admin reset-password DATASOURCE NAME
//   Gives a signatory who is locked out a new password, read from standard
//   input (twice, without echo, when it is a terminal).
// arc8130-admin add-signature DATASOURCE FILE.bmp
//   Puts a signature bitmap where the signatories panel lists it: into the
//   data folder, or into a server database's files, which no one can copy
//   a file into by hand.

#include "DataFolder.h"
#include "SignatoryPasswords.h"
#include "SignaturesOf.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: arc8130-admin reset-password DATASOURCE NAME\n"
                         "         reads the new password from standard input\n"
                         "       arc8130-admin add-signature DATASOURCE FILE.bmp\n"
                         "  DATASOURCE: a data folder or a postgresql:// URI\n");
    return 2;
}

int openSource(const QString &source, arc::DataFolder &data)
{
    if (const arc::DbStatus s = data.open(source); !s.ok())
        return std::fprintf(stderr, "cannot open the data source: %s\n", qPrintable(s.detail())), 1;
    return 0;
}

int addSignature(const QString &source, const QString &path)
{
    const QFileInfo file(path);
    const QString name = file.fileName();
    if (!name.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
        return std::fprintf(stderr, "%s is not a .bmp file, which is what the signatories panel lists\n",
                            qPrintable(name)),
               2;
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return std::fprintf(stderr, "cannot read %s: %s\n", qPrintable(path), qPrintable(in.errorString())), 1;
    const QByteArray bytes = in.readAll();

    arc::DataFolder data;
    if (const int failed = openSource(source, data))
        return failed;
    const std::unique_ptr<arc::SignatureStore> store = arc::signaturesOf(data);
    QString error;
    // A signature already in use is never replaced from here.
    switch (store->add(name, bytes, &error)) {
    case arc::SignatureStore::Added::NameTaken:
        return std::fprintf(stderr, "%s is already in %s; nothing was changed\n", qPrintable(name),
                            qPrintable(store->place())),
               1;
    case arc::SignatureStore::Added::Failed:
        return std::fprintf(stderr, "nothing was changed: %s\n", qPrintable(error)), 1;
    case arc::SignatureStore::Added::Yes:
        break;
    }
    std::printf("%s can now be chosen as a signatory's signature file.\n", qPrintable(name));
    return 0;
}

bool readLine(const char *prompt, bool terminal, std::string &line)
{
    termios saved{};
    if (terminal) {
        std::fprintf(stderr, "%s", prompt);
        tcgetattr(STDIN_FILENO, &saved);
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    const bool ok = static_cast<bool>(std::getline(std::cin, line));
    // A line piped from a Windows file ends in CR LF; no one can type the CR.
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        std::fprintf(stderr, "\n");
    }
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4)
        return usage();
    const QString source = arc::DataFolder::sourceFromArgument(args.at(2));
    if (args.at(1) == QLatin1String("add-signature"))
        return addSignature(source, args.at(3));
    if (args.at(1) != QLatin1String("reset-password"))
        return usage();
    const QString name = args.at(3);

    const bool terminal = isatty(STDIN_FILENO);
    std::string first, second;
    if (!readLine("New password: ", terminal, first))
        return std::fprintf(stderr, "no password given\n"), 1;
    if (terminal && (!readLine("Once more: ", terminal, second) || second != first))
        return std::fprintf(stderr, "the two passwords differ; nothing was changed\n"), 1;

    arc::DataFolder data;
    if (const int failed = openSource(source, data))
        return failed;
    const arc::DbStatus s = arc::SignatoryPasswords::reset(data.reference(), name, QString::fromStdString(first));
    if (!s.ok())
        return std::fprintf(stderr, "nothing was changed: %s\n", qPrintable(s.detail())), 1;
    std::printf("The password of %s has been reset.\n", qPrintable(name));
    return 0;
}
