#include "SignIn.h"
#include "StoredFiles.h"
#include "TestServer.h"
#include "WindowFixture.h"

#include <QBuffer>

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
    {
        // A signatory whose bitmap is kept in the database, not in a folder.
        arc::DataFolder server;
        ASSERT_TRUE(server.open(uri).ok());
        QImage picture(40, 20, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QByteArray bmp;
        QBuffer buffer(&bmp);
        ASSERT_TRUE(picture.save(&buffer, "BMP"));
        ASSERT_TRUE(arc::StoredFiles::write(server.reference(), "pat.bmp", bmp).ok());
        ASSERT_TRUE(server.reference()
                        .exec("INSERT INTO \"Agents\" (\"Name\", \"Password\", \"ApprovalNumber\", \"ElectronicSign\", "
                              "\"UseElectronic\") VALUES ('Pat', 'pw', 'D-1', 'pat.bmp', 1)")
                        .ok());
    }
    serverText->setText(uri);
    connect->click();
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.value(0).prompt.toStdString();
    EXPECT_EQ(storedDataPath(), uri);
    ASSERT_TRUE(window->dataFolder().isOpen());
    EXPECT_EQ(window->dataFolder().certificates().engine(), arc::Engine::PostgreSQL);
    EXPECT_EQ(window->setupPanel().indicator(), 1);
    EXPECT_FALSE(window->setupPanel().folder().contains("hush"));
    EXPECT_TRUE(window->setupPanel().folder().startsWith("postgresql://arc@/postgres?host="));

    // Signatories belong to their data source.
    ASSERT_EQ(window->accessPanel().combo4->count(), 1);
    window->accessPanel().combo4->setCurrentIndex(0);
    window->accessPanel().text44->setText("pw");
    window->signIn().AgentSecurity();
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.value(0).prompt.toStdString();
    ASSERT_FALSE(window->signIn().signature().isNull()) << "read from the server's files";
    EXPECT_EQ(window->signIn().signature().size(), QSize(40, 20));
    screen().text5->setPlainText("WO-ON-SERVER");
    screen().saveButton->click();
    EXPECT_EQ(window->dataFolder().certificates().scalar("SELECT \"Invoice\" FROM \"Header\"").toString(),
              "WO-ON-SERVER");
    window.reset();
    TestServer::dropSchema(schema);
}
