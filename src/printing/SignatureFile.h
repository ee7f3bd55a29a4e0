#pragma once

#include <QString>

namespace arc {

// Where a signatory's signature bitmap is read from. The Agents table
// names it by a bare file name in the data folder; anything else the name
// could reach (another folder, a device, a pipe that would block the
// reader, a huge file) is refused before the file is opened.
class SignatureFile {
public:
    enum class Refusal { None, EmptyName, NotABareName, Missing, OutsideFolder, NotARegularFile, TooLarge };

    struct Resolved {
        QString path; // the file to read, when not refused
        Refusal refusal = Refusal::None;
        bool ok() const { return refusal == Refusal::None; }
    };

    static constexpr qint64 maxBytes = 8 * 1024 * 1024;

    static Resolved resolve(const QString &dataFolder, const QString &fileName);
};

} // namespace arc
