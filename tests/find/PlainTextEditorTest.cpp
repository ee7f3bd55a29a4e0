#include "PlainTextEditor.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"

#include <QFileInfo>

using arc::PlainTextEditor;

namespace {

// A system with only the programs named; what was started is recorded.
class PlainTextEditorTest : public TempFolderTest {
protected:
    PlainTextEditor::System system(const QStringList &installed, bool starts = true)
    {
        return {[installed](const QString &p) { return installed.contains(p) ? "/usr/bin/" + p : QString(); },
                [this, starts](const QString &p, const QStringList &args) {
                    started << (QStringList{p} + args).join(' ');
                    return starts;
                },
                [this] { return folder() + "Documents"; }};
    }
    ScriptedMessages messages;
    QStringList started;
};

} // namespace

TEST_F(PlainTextEditorTest, WithoutAnEditorTheDesktopOpensANewEmptyTextFile)
{
    const QString documents = folder() + "Documents/"; // not there yet
    PlainTextEditor::start(messages, system({"xdg-open"}));
    EXPECT_EQ(QFileInfo(documents + "Untitled.txt").size(), 0);
    writeFile(documents + "Untitled.txt", "notes of yesterday");
    PlainTextEditor::start(messages, system({"xdg-open"}));
    EXPECT_EQ(started, (QStringList{"/usr/bin/xdg-open " + documents + "Untitled.txt",
                                    "/usr/bin/xdg-open " + documents + "Untitled 2.txt"}));
    EXPECT_EQ(readFile(documents + "Untitled.txt"), "notes of yesterday");
    EXPECT_EQ(QFileInfo(documents + "Untitled 2.txt").size(), 0);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(PlainTextEditorTest, TheFirstEditorFoundStartsWithNoFileOrItIsSaidWhyNone)
{
    PlainTextEditor::start(messages, system({"leafpad", "mousepad", "kate", "xdg-open"}));
    PlainTextEditor::start(messages, system({}));
    PlainTextEditor::start(messages, system({"gedit"}, false));
    EXPECT_EQ(started, (QStringList{"/usr/bin/kate", "/usr/bin/gedit"}));
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown[0].prompt.startsWith("No plain-text editor was found"));
    EXPECT_EQ(messages.shown[1].prompt, "The text editor /usr/bin/gedit could not be started.");
}
