#include "FolderMessages.h"
#include "StoredFiles.h"
#include "TestServer.h"
#include "WindowFixture.h"

#include <QBuffer>

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

    // The server is named without its password (the URI's own tests show
    // how), and the folder in use stays.
    serverText->setText("postgresql://arc:hush@/arc?host=/nonexistent/socket&port=5999");
    connect->click();
    EXPECT_FALSE(messages.shown.value(0).prompt.contains("hush"));
    messages.expectAsked("Data source", {"The server database postgresql://arc@/arc?host=/nonexistent/socket&port=5999 "
                                         "cannot be used: ",
                                         "still " + dataFolder()});
    EXPECT_EQ(storedDataPath(), dataFolder());
    EXPECT_TRUE(window->dataFolder().isOpen());

    ASSERT_TRUE(TestServer::configured()) << TestServer::kNotConfigured;
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
    messages.expectNothingAsked();
    EXPECT_EQ(storedDataPath(), uri);
    ASSERT_TRUE(window->dataFolder().isOpen());
    EXPECT_EQ(window->dataFolder().certificates().engine(), arc::Engine::PostgreSQL);
    EXPECT_TRUE(window->setupPanel().folder().startsWith("postgresql://arc@/postgres?host="));

    // Signatories belong to their data source.
    ASSERT_EQ(window->accessPanel().combo4->count(), 1);
    signInAs(*window, "Pat", "pw");
    messages.expectNothingAsked();
    ASSERT_FALSE(window->signIn().signature().isNull()) << "read from the server's files";
    EXPECT_EQ(window->signIn().signature().size(), QSize(40, 20));
    screen().block5Invoice->setPlainText("WO-ON-SERVER");
    screen().saveButton->click();
    EXPECT_EQ(window->dataFolder().certificates().scalar("SELECT \"Invoice\" FROM \"Header\"").toString(),
              "WO-ON-SERVER");
    window.reset();
    TestServer::dropSchema(schema);
}

// The server goes away under the window (its sessions ended, new ones
// refused): Save and New say so and change nothing, New shows no number;
// once the server takes sessions again the next Save reconnects by itself,
// and Connect with the same URI reconnects too.
TEST_F(DataWindowTest, AServerThatGoesAwayIsReportedAndReconnectedOnceBack)
{
    ASSERT_TRUE(TestServer::configured()) << TestServer::kNotConfigured;
    QString schema;
    QUrl url(TestServer::freshSchema(schema));
    // A login of its own, which the server can refuse while the test's stays.
    const QString role = "station_" + schema;
    ASSERT_TRUE(TestServer::admin({"SET client_min_messages = warning", "DROP ROLE IF EXISTS " + role, "CREATE ROLE " + role + " LOGIN",
                                   "GRANT ALL ON SCHEMA " + schema + " TO " + role}));
    url.setUserName(role);
    url.setPassword("hush");
    const auto cut = [&](bool refuseNew) {
        ASSERT_TRUE(TestServer::admin(
            {"ALTER ROLE " + role + (refuseNew ? " NOLOGIN" : " LOGIN"),
             "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE usename = '" + role + "'"}));
    };
    {
        arc::DataFolder server;
        ASSERT_TRUE(server.open(url.toString()).ok());
        ASSERT_TRUE(server.certificates().exec("UPDATE \"Defaults\" SET \"Tracking\" = '000010', \"IncreaseTrack\" = 1").ok());
    }
    storeDataPath(url.toString());
    openWindow();
    messages.shown.clear();
    const Message unreachable =
        arc::FolderMessages::serverUnreachable(window->setupPanel().folder(), "nothing was saved");
    EXPECT_FALSE(unreachable.prompt.contains("hush"));
    expectShown({{screen().block3Tracking, "000011"}});
    screen().block5Invoice->setPlainText("WO-1");
    screen().saveButton->click();
    messages.expectNothingAsked();

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

    auto *serverText = window->setupPanel().findChild<QLineEdit *>("ServerText");
    auto *connect = window->setupPanel().findChild<QPushButton *>("ServerConnect");
    cut(true);
    serverText->setText(url.toString());
    connect->click();
    messages.expectAsked("Data source", {"The server " + window->setupPanel().folder() + " cannot be reached"});
    EXPECT_EQ(window->setupPanel().indicator(), 0);
    cut(false);
    connect->click();
    messages.expectNothingAsked();
    EXPECT_EQ(window->setupPanel().indicator(), 1);
    EXPECT_TRUE(window->dataFolder().isOpen());

    window.reset();
    TestServer::dropSchema(schema);
    TestServer::admin({"DROP OWNED BY " + role, "DROP ROLE " + role});
}
