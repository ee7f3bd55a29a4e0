// The verification page in a real browser: Debian's Chromium, headless,
// opening the pages arc8130-web serves from a test data folder.

#include "WebFixture.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include "TestPaths.h"

namespace {

// Started once for the suite: making the certificates and starting the
// program are the slow part.
class BrowserTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_folder = new QTemporaryDir;
        s_opened = new OpenedSource;
        s_web = new WebData;
        s_opened->open(arc::Engine::SQLite, s_folder->path() + "/");
        s_web->make(*s_opened);
        s_program = new QProcess;
        s_program->setProcessChannelMode(QProcess::SeparateChannels);
        s_program->start(test_paths::program("arc8130-web"), {s_folder->path() + "/", "--listen", "127.0.0.1:0"});
        // "arc8130-web: serving FOLDER on http://127.0.0.1:PORT/"
        const QRegularExpression serving(QStringLiteral("on (http://127\\.0\\.0\\.1:\\d+)/"));
        QString said;
        while (s_base.isEmpty() && s_program->waitForReadyRead(20000)) {
            said += QString::fromUtf8(s_program->readAllStandardOutput());
            if (const QRegularExpressionMatch m = serving.match(said); m.hasMatch())
                s_base = m.captured(1);
        }
    }
    static void TearDownTestSuite()
    {
        s_program->kill();
        s_program->waitForFinished();
        delete s_program;
        delete s_web;
        delete s_opened;
        delete s_folder;
    }
    void SetUp() override
    {
        ASSERT_FALSE(QStandardPaths::findExecutable("chromium").isEmpty())
            << "chromium is not installed: ./dev.sh test installs it";
        ASSERT_FALSE(s_base.isEmpty()) << "arc8130-web did not start";
        ASSERT_TRUE(m_profile.isValid());
    }

    // What Chromium makes of the page, after it ran whatever it would run.
    QString dom(const QString &target)
    {
        const QByteArray out = chromium({"--dump-dom", s_base + target});
        return QString::fromUtf8(out);
    }
    QByteArray chromium(QStringList arguments)
    {
        arguments = QStringList{"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                                "--disable-background-networking", "--disable-component-update", "--disable-sync",
                                "--user-data-dir=" + m_profile.path()}
                    + arguments;
        QProcess browser;
        browser.start("chromium", arguments);
        EXPECT_TRUE(browser.waitForFinished(90000)) << "chromium did not finish";
        return browser.readAllStandardOutput();
    }
    static QString page(const WebData::Issued &c) { return "/c/" + c.tracking + "?k=" + c.code; }

    static inline QTemporaryDir *s_folder = nullptr;
    static inline OpenedSource *s_opened = nullptr;
    static inline WebData *s_web = nullptr;
    static inline QProcess *s_program = nullptr;
    static inline QString s_base;

    QTemporaryDir m_profile; // a fresh profile for every start
};

} // namespace

TEST_F(BrowserTest, AnIssuedCertificatesPageShowsItsItems)
{
    const QString shown = dom(page(s_web->correction));
    for (const char *text : {"Issued 9 December 2026", "<dd>PN-7</dd>", "<dd>Fuel pump</dd>", "<dd>SN-3</dd>"})
        EXPECT_TRUE(shown.contains(text)) << text << " in\n" << shown.toStdString();
}

TEST_F(BrowserTest, ACorrectedCertificatesPageLinksToItsCorrection)
{
    const QString shown = dom(page(s_web->corrected));
    EXPECT_TRUE(shown.contains("<a id=\"correction\" href=\"000124?k=" + s_web->correction.code
                               + "\">Superseded by correction 000124 of 9 December 2026</a>"))
        << shown.toStdString();
}

// The description would give the body an id if it ran; the page shows it as text.
TEST_F(BrowserTest, AScriptInADescriptionIsShownAndNeverRun)
{
    const QString shown = dom(page(s_web->hostile));
    EXPECT_TRUE(shown.contains("&lt;script&gt;document.body.id='x'+'ss'&lt;/script&gt;")) << shown.toStdString();
    EXPECT_FALSE(shown.contains("id=\"xss\""));
    EXPECT_FALSE(shown.contains("<b>bold</b>"));
    EXPECT_FALSE(shown.contains("<img"));
}

// A phone's window. The picture is kept in the test's folder, or where
// ARC_WEB_SCREENSHOT names, to be looked at.
TEST_F(BrowserTest, ThePageFitsAPhonesScreen)
{
    const QString shot = qEnvironmentVariable("ARC_WEB_SCREENSHOT", m_profile.path() + "/phone.png");
    chromium({"--screenshot=" + shot, "--window-size=390,844", "--hide-scrollbars", s_base + page(s_web->corrected)});
    const QImage image(shot);
    ASSERT_FALSE(image.isNull()) << "no screenshot at " << shot.toStdString();
    EXPECT_EQ(image.width(), 390);
    EXPECT_EQ(image.height(), 844);
}
