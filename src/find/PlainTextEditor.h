#pragma once

#include <QStringList>
#include <functional>

namespace arc {

class MessageBoxes;

// The notepad button: the desktop's plain-text editor, started with no
// file and not waited for.
class PlainTextEditor {
public:
    // What starting an editor needs of the system, so that tests can stand in.
    struct System {
        std::function<QString(const QString &program)> findProgram; // its path on PATH, or empty
        std::function<bool(const QString &program, const QStringList &arguments)> startDetached;
        std::function<QString()> documentsFolder;
    };
    static System realSystem();

    // The editors looked for, in this order.
    static const QStringList &editors();

    // The first editor found, started empty; else the desktop's opener on a
    // new empty text file in the documents folder. Says so when neither
    // can be done.
    static void start(MessageBoxes &messages, const System &system = realSystem());

    // Make a new, empty text file in `folder` (made if missing) under a name
    // no file has yet; empty, with the reason in `error`, when it cannot.
    static QString newTextFile(const QString &folder, QString &error);
};

} // namespace arc
