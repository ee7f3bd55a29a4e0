#include "PlainTextEditor.h"

#include "MessageBoxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace arc {

namespace {

struct PlainTextEditorTexts {
    Q_DECLARE_TR_FUNCTIONS(PlainTextEditor)
};

Message notice(const QString &prompt)
{
    return {prompt, PlainTextEditorTexts::tr("Text editor"), Message::Buttons::Ok, Message::Icon::Exclamation, Message::Answer::Ok};
}

} // namespace

PlainTextEditor::System PlainTextEditor::realSystem()
{
    return {[](const QString &program) { return QStandardPaths::findExecutable(program); },
            [](const QString &program, const QStringList &arguments) {
                return QProcess::startDetached(program, arguments);
            },
            [] { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }};
}

const QStringList &PlainTextEditor::editors()
{
    static const QStringList list = {QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"),
                                     QStringLiteral("kate"),              QStringLiteral("mousepad"),
                                     QStringLiteral("xed"),               QStringLiteral("pluma"),
                                     QStringLiteral("leafpad")};
    return list;
}

QString PlainTextEditor::newTextFile(const QString &folder, QString &error)
{
    if (!QDir().mkpath(folder)) {
        error = PlainTextEditorTexts::tr("the folder %1 cannot be made").arg(folder);
        return {};
    }
    const QDir dir(folder);
    for (int n = 1; n < 1000; ++n) {
        const QString name = n == 1 ? QStringLiteral("Untitled.txt") : QStringLiteral("Untitled %1.txt").arg(n);
        QFile file(dir.filePath(name));
        // NewOnly: a file made meanwhile by someone else is never taken over.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return file.fileName();
        if (!file.exists()) {
            error = file.errorString();
            return {};
        }
    }
    error = PlainTextEditorTexts::tr("%1 holds too many untitled text files").arg(folder);
    return {};
}

void PlainTextEditor::start(MessageBoxes &messages, const System &system)
{
    for (const QString &editor : editors()) {
        const QString path = system.findProgram(editor);
        if (path.isEmpty())
            continue;
        if (!system.startDetached(path, {}))
            messages.ask(notice(PlainTextEditorTexts::tr("The text editor %1 could not be started.").arg(path)));
        return;
    }
    const QString opener = system.findProgram(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        messages.ask(notice(PlainTextEditorTexts::tr("No plain-text editor was found. Install one, for example %1, and "
                                           "press the button again.")
                                .arg(editors().join(QStringLiteral(", ")))));
        return;
    }
    QString error;
    const QString file = newTextFile(system.documentsFolder(), error);
    if (file.isEmpty()) {
        messages.ask(notice(PlainTextEditorTexts::tr("No new text file could be made for the editor: %1").arg(error)));
        return;
    }
    if (!system.startDetached(opener, {file}))
        messages.ask(notice(PlainTextEditorTexts::tr("The text file %1 could not be opened.").arg(file)));
}

} // namespace arc
