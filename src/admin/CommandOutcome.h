#pragma once

#include <QCoreApplication>
#include <QString>

namespace arc {

// What a command of arc8130-admin did, for main to print and exit with:
// the text goes to standard output when it was done, to standard error
// when it was refused.
struct CommandOutcome {
    enum Code { Done = 0, Refused = 1, BadArgument = 2 };

    int code = Done;
    QString text;

    bool done() const { return code == Done; }
    static CommandOutcome doneWith(QString text) { return {Done, std::move(text)}; }
    // Refusals change nothing, and say so.
    static CommandOutcome refused(const QString &why, int code = Refused)
    {
        return {code, why + QCoreApplication::translate("CommandOutcome", " Nothing was changed.")};
    }
};

} // namespace arc
