#include "FolderMessages.h"
#include "StoredFiles.h"
#include "TestServer.h"
#include "WindowFixture.h"

using arc::Message;

// A server that cannot be used is refused by name without its password;
// one that can becomes the data source with its signatories. While it is
// away Save and New say so and change nothing; back, Save and Connect reconnect.
TEST_F(DataWindowTest, TheServerBoxConnectsOrSaysWhyAndAServerThatWasAwayIsReconnected)
{
    TestServer::Schema schema;
    ASSERT_NO_FATAL_FAILURE(schema.make());
    QUrl url(schema.uri);
    // A login of its own, which the server can refuse while the test's stays.
    const QString role = "station_" + schema.name;
    ASSERT_TRUE(TestServer::admin({"SET client_min_messages = warning", "DROP ROLE IF EXISTS " + role, "CREATE ROLE " + role + " LOGIN",
                                   "GRANT ALL ON SCHEMA " + schema.name + " TO " + role}));
    url.setUserName(role);
    url.setPassword("hush");
    const auto cut = [&](bool refuseNew) {
        ASSERT_TRUE(TestServer::admin(
            {"ALTER ROLE " + role + (refuseNew ? " NOLOGIN" : " LOGIN"),
             "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE usename = '" + role + "'"}));
    };
    {
        // A signatory whose bitmap is kept in the database, not in a folder.
        arc::DataFolder server;
        ASSERT_TRUE(server.open(url.toString()).ok());
        ASSERT_TRUE(server.certificates().exec("UPDATE \"Defaults\" SET \"Tracking\" = '000010', \"IncreaseTrack\" = 1").ok());
        writeBitmap(file("pat.bmp"));
        ASSERT_TRUE(arc::StoredFiles::write(server.reference(), "pat.bmp", readFile(file("pat.bmp"))).ok());
        ASSERT_TRUE(server.reference()
                        .exec("INSERT INTO \"Agents\" (\"Name\", \"Password\", \"ApprovalNumber\", \"ElectronicSign\", "
                              "\"UseElectronic\") VALUES ('Pat', 'pw', 'D-1', 'pat.bmp', 1)")
                        .ok());
    }
    openWindow();
    messages.shown.clear();
    auto *serverText = window->setupPanel().findChild<QLineEdit *>("ServerText");
    auto *connect = window->setupPanel().findChild<QPushButton *>("ServerConnect");
    ASSERT_TRUE(serverText && connect);

    serverText->setText("postgresql://arc:hush@/arc?host=/nonexistent/socket&port=5999");
    connect->click();
    EXPECT_FALSE(messages.shown.value(0).prompt.contains("hush"));
    messages.expectAsked("Data source", {"The server database postgresql://arc@/arc?host=/nonexistent/socket&port=5999 "
                                         "cannot be used: ",
                                         "still " + dataFolder()});
    expectInUse(dataFolder());

    serverText->setText(url.toString());
    connect->click();
    messages.expectNothingAsked();
    EXPECT_EQ(storedDataPath(), url.toString());
    EXPECT_EQ(window->dataFolder().certificates().engine(), arc::Engine::PostgreSQL);
    EXPECT_FALSE(window->setupPanel().folder().contains("hush"));
    ASSERT_EQ(window->accessPanel().combo4->count(), 1);
    signInAs(*window, "Pat", "pw");
    EXPECT_EQ(window->signIn().signature().size(), QSize(40, 20)) << "read from the server's files";
    expectShown({{screen().block3Tracking, "000011"}});
    screen().block5Invoice->setPlainText("WO-1");
    screen().saveButton->click();
    messages.expectNothingAsked();

    const Message unreachable = arc::FolderMessages::serverUnreachable(window->setupPanel().folder(), "nothing was saved");
    cut(true);
    screen().block5Invoice->setPlainText("WO-2");
    screen().saveButton->click();
    screen().newButton->click();
    messages.expectAsked({unreachable, unreachable});
    expectShown({{screen().block3Tracking, "000011"}, {screen().block5Invoice, "WO-2"}});

    cut(false);
    screen().saveButton->click();
    messages.expectNothingAsked();
    EXPECT_EQ(window->dataFolder().certificates().scalar("SELECT \"Invoice\" FROM \"Header\"").toString(), "WO-2");
    screen().newButton->click();
    expectShown({{screen().block3Tracking, "000012"}});

    cut(true);
    connect->click();
    messages.expectAsked("Data source", {"The server " + window->setupPanel().folder() + " cannot be reached"});
    EXPECT_EQ(window->setupPanel().indicator(), 0);
    cut(false);
    connect->click();
    messages.expectNothingAsked();
    EXPECT_EQ(window->setupPanel().indicator(), 1);
    EXPECT_TRUE(window->dataFolder().isOpen());

    window.reset();
    TestServer::admin({"DROP OWNED BY " + role, "DROP ROLE " + role});
}
