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

    // Mistyped, with a "/" in the password: still named without it.
    serverText->setText("postgresql://arc:hush/quiet@db.shop.example:5432/arc");
    connect->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].prompt.contains("db.shop.example")) << messages.shown[0].prompt.toStdString();
    for (const char *piece : {"hush", "quiet"})
        EXPECT_FALSE(messages.shown[0].prompt.contains(piece)) << messages.shown[0].prompt.toStdString();
    messages.shown.clear();

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
    if (!TestServer::configured())
        GTEST_SKIP() << "ARC_TEST_PG is not set (./dev.sh test sets it)";
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
    const QString unreachable =
        "The server " + window->setupPanel().folder() + " cannot be reached; nothing was saved";
    EXPECT_FALSE(unreachable.contains("hush"));
    expectShown({{screen().block3Tracking, "000011"}});
    screen().block5Invoice->setPlainText("WO-1");
    screen().saveButton->click();
    ASSERT_TRUE(messages.shown.isEmpty()) << messages.shown.value(0).prompt.toStdString();

    cut(true);
    screen().block5Invoice->setPlainText("WO-2");
    screen().saveButton->click();
    screen().newButton->click();
    ASSERT_EQ(messages.shown.size(), 2) << messages.shown.value(0).prompt.toStdString();
    EXPECT_EQ(messages.shown[0].prompt, unreachable);
    EXPECT_EQ(messages.shown[1].prompt, unreachable);
    expectShown({{screen().block3Tracking, "000011"}, {screen().block5Invoice, "WO-2"}});
    messages.shown.clear();

    cut(false);
    screen().saveButton->click();
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.value(0).prompt.toStdString();
    EXPECT_EQ(window->dataFolder().certificates().scalar("SELECT \"Invoice\" FROM \"Header\"").toString(), "WO-2");
    screen().newButton->click();
    expectShown({{screen().block3Tracking, "000012"}});

    auto *serverText = window->setupPanel().findChild<QLineEdit *>("ServerText");
    auto *connect = window->setupPanel().findChild<QPushButton *>("ServerConnect");
    cut(true);
    serverText->setText(url.toString());
    connect->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].prompt.startsWith("The server " + window->setupPanel().folder() + " cannot be reached"))
        << messages.shown[0].prompt.toStdString();
    EXPECT_EQ(window->setupPanel().indicator(), 0);
    cut(false);
    connect->click();
    EXPECT_EQ(messages.shown.size(), 1) << messages.shown.value(1).prompt.toStdString();
    EXPECT_EQ(window->setupPanel().indicator(), 1);
    EXPECT_TRUE(window->dataFolder().isOpen());

    window.reset();
    TestServer::dropSchema(schema);
    TestServer::admin({"DROP OWNED BY " + role, "DROP ROLE " + role});
}
