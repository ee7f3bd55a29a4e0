#include "WindowFixture.h"

#include "LegacyConverter.h"
#include "LegacyFolder.h"

using arc::Message;

class AccessFolderTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(copyLegacyFolder(dataFolder()));
        storeDataPath(dataFolder());
    }
};

TEST_F(AccessFolderTest, NoLeavesTheFolderAloneAndYesConvertsAndOpensIt)
{
    const QByteArray before = readFile(dataFolder() + "VELLORAN.MDB");
    messages.answers = {Message::Answer::No};
    openWindow(false);
    EXPECT_FALSE(window->dataFolder().isOpen());
    EXPECT_FALSE(window->setupPanel().isHidden());
    EXPECT_EQ(readFile(dataFolder() + "VELLORAN.MDB"), before);
    EXPECT_FALSE(QFile::exists(dataFolder() + "access-originals"));
    ASSERT_EQ(messages.shown.size(), 1);
    messages.shown.clear();
    messages.answers = {Message::Answer::Yes};
    openWindow(false);
    ASSERT_EQ(messages.shown.size(), 2) << messages.shown.value(0).prompt.toStdString();
    EXPECT_EQ(messages.shown[0].buttons, Message::Buttons::YesNo);
    EXPECT_TRUE(messages.shown[0].prompt.contains(dataFolder() + "access-originals/"));
    EXPECT_TRUE(messages.shown[1].prompt.contains("300 rows in Header")) << messages.shown[1].prompt.toStdString();
    ASSERT_TRUE(window->dataFolder().isOpen());
    EXPECT_GE(window->accessPanel().combo4->findText("John A. Carter"), 0) << "its signatories are asked for";
}

// Not a new, empty data folder over the converted files.
TEST_F(AccessFolderTest, AStartFinishesAConversionCutShort)
{
    const arc::Progress snapshot([&](const QString &step, qint64, qint64) {
        if (!step.startsWith("VELLORAN.MDB moved"))
            return true;
        for (const QString &name : QDir(dataFolder()).entryList(QDir::Files))
            QFile::copy(dataFolder() + name, programFolder() + name);
        QDir().mkpath(programFolder() + "access-originals");
        for (const QString &name : QDir(dataFolder() + "access-originals").entryList(QDir::Files))
            QFile::copy(dataFolder() + "access-originals/" + name, programFolder() + "access-originals/" + name);
        return true;
    });
    ASSERT_EQ(arc::LegacyConverter::convert(dataFolder(), snapshot).outcome, arc::ConversionReport::Outcome::Converted);
    ASSERT_FALSE(QFile::exists(programFolder() + "VELLORAN.MDB"));
    ASSERT_TRUE(QFile::exists(programFolder() + "VELLORAN.MDB.new"));
    storeDataPath(std::nullopt);

    openWindow(false);
    ASSERT_EQ(messages.shown.size(), 1) << messages.shown.value(1).prompt.toStdString();
    EXPECT_TRUE(messages.shown[0].prompt.contains("has now been finished")) << messages.shown[0].prompt.toStdString();
    ASSERT_TRUE(window->dataFolder().isOpen());
    EXPECT_EQ(window->dataFolder().certificates().scalar("SELECT count(*) FROM Header").toInt(), 300)
        << "the converted certificates, not a new, empty folder";
}
