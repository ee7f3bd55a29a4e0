// arc8130-admin reset-password DATAFOLDER NAME
// Gives a signatory who is locked out a new password, read from standard
// input (twice, without echo, when it is a terminal).

#include "DataFolder.h"
#include "SignatoryPasswords.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <iostream>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: arc8130-admin reset-password DATAFOLDER NAME\n"
                         "  reads the new password from standard input\n");
    return 2;
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
    if (args.size() != 4 || args.at(1) != QLatin1String("reset-password"))
        return usage();
    const QString folder = QDir(args.at(2)).absolutePath() + QLatin1Char('/');
    const QString name = args.at(3);

    const bool terminal = isatty(STDIN_FILENO);
    std::string first, second;
    if (!readLine("New password: ", terminal, first))
        return std::fprintf(stderr, "no password given\n"), 1;
    if (terminal && (!readLine("Once more: ", terminal, second) || second != first))
        return std::fprintf(stderr, "the two passwords differ; nothing was changed\n"), 1;

    arc::DataFolder data;
    if (const arc::DbStatus s = data.open(folder); !s.ok())
        return std::fprintf(stderr, "cannot open the data folder %s: %s\n", qPrintable(folder), qPrintable(s.detail())),
               1;
    const arc::DbStatus s = arc::SignatoryPasswords::reset(data.reference(), name, QString::fromStdString(first));
    if (!s.ok())
        return std::fprintf(stderr, "nothing was changed: %s\n", qPrintable(s.detail())), 1;
    std::printf("The password of %s has been reset.\n", qPrintable(name));
    return 0;
}
