#include "TestServer.h"
#include "WindowFixture.h"

#include <QLineEdit>
#include <QPushButton>

using arc::Message;

// The set-up panel's server box: a server that cannot be used is refused by
// name, without its password, and the data folder stays in use; one that
// can is stored as the data source and the certificates go there.
TEST_F(DataWindowTest, ServerBoxConnectsToAServerOrSaysWhyNot)
{
    openWindow();
    messages.shown.clear();
    auto *serverText = window->setupPanel().findChild<QLineEdit *>("ServerText");
    auto *connect = window->setupPanel().findChild<QPushButton *>("ServerConnect");
    ASSERT_TRUE(serverText && connect);

    serverText->setText("postgresql://arc:hush@/arc?host=/nonexistent/socket&port=5999");
    connect->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, "Data source");
    const QString prompt = messages.shown[0].prompt;
    EXPECT_TRUE(prompt.startsWith("The server database postgresql://arc@/arc?host=/nonexistent/socket&port=5999 "
                                  "cannot be used: "))
        << prompt.toStdString();
    EXPECT_TRUE(prompt.contains("still " + dataFolder())) << prompt.toStdString();
    EXPECT_FALSE(prompt.contains("hush"));
    EXPECT_EQ(storedDataPath(), dataFolder());
    EXPECT_TRUE(window->dataFolder().isOpen());
    EXPECT_EQ(window->setupPanel().indicator(), 1);
    messages.shown.clear();

    if (!TestServer::configured())
        GTEST_SKIP() << "ARC_TEST_PG is not set (./dev.sh test sets it)";
    QString schema;
    const QString uri = TestServer::freshSchema(schema) + "&password=hush";
    serverText->setText(uri);
    connect->click();
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.value(0).prompt.toStdString();
    EXPECT_EQ(storedDataPath(), uri);
    ASSERT_TRUE(window->dataFolder().isOpen());
    EXPECT_EQ(window->dataFolder().certificates().engine(), arc::Engine::PostgreSQL);
    EXPECT_EQ(window->setupPanel().indicator(), 1);
    EXPECT_FALSE(window->setupPanel().folder().contains("hush"));
    EXPECT_TRUE(window->setupPanel().folder().startsWith("postgresql://arc@/postgres?host="));

    signInWithMaster(); // signatories belong to their data source
    screen().text5->setPlainText("WO-ON-SERVER");
    screen().saveButton->click();
    EXPECT_EQ(window->dataFolder().certificates().scalar("SELECT \"Invoice\" FROM \"Header\"").toString(),
              "WO-ON-SERVER");
    window.reset();
    TestServer::dropSchema(schema);
}
