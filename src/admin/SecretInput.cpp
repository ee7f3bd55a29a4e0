#include "SecretInput.h"

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace arc {

namespace {

struct SecretInputTexts {
    Q_DECLARE_TR_FUNCTIONS(SecretInput)
};

bool readLine(const QString &prompt, bool terminal, std::string &line)
{
    termios saved{};
    if (terminal) {
        std::fprintf(stderr, "%s", qPrintable(prompt));
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

std::optional<QString> readSecret(const QString &prompt, const QString &what, QString &why, bool confirm)
{
    const bool terminal = isatty(STDIN_FILENO);
    std::string first, second;
    if (!readLine(prompt, terminal, first)) {
        why = SecretInputTexts::tr("No %1 was given.").arg(what);
        return std::nullopt;
    }
    if (terminal && confirm && (!readLine(SecretInputTexts::tr("Once more: "), terminal, second) || second != first)) {
        why = SecretInputTexts::tr("The two %1s differ.").arg(what);
        return std::nullopt;
    }
    return QString::fromStdString(first);
}

} // namespace arc
