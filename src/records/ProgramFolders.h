#pragma once

#include <QString>

namespace arc {

// Where the program keeps its own files: the folder of the executable, and
// the per-user folder that takes what must be written when the program's
// folder cannot be (an installed program).
struct ProgramFolders {
    ProgramFolders() = default;
    // A program folder that can be written and serves for both.
    ProgramFolders(const QString &folder) : program(folder), perUser(folder) {}
    ProgramFolders(QString programFolder, QString perUserFolder, bool writable)
        : program(std::move(programFolder)), perUser(std::move(perUserFolder)), programWritable(writable)
    {
    }

    QString program;
    QString perUser;
    bool programWritable = true;

    // Where the data files go while no data folder has been chosen.
    QString home() const { return programWritable ? program : perUser; }
};

} // namespace arc
