// The verification page over HTTP, on a data folder and on a server
// database: what it shows, what it refuses, and how it keeps to reading.

#include "VerificationServer.h"
#include "WebClient.h"
#include "WebFixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

class VerificationServerTest : public OpenedSourceTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(OpenedSourceTest::SetUp());
        ASSERT_NO_FATAL_FAILURE(web.make(opened));
        ASSERT_NO_FATAL_FAILURE(serve(source()));
    }
    void serve(const QString &from, int perMinute = 1000)
    {
        client.reset();
        server = std::make_unique<arc::VerificationServer>(from, perMinute);
        QString error;
        const quint16 port = server->start(QHostAddress::LocalHost, 0, &error);
        ASSERT_NE(port, 0) << error.toStdString();
        client = std::make_unique<WebClient>(port);
    }
    static QByteArray page(const WebData::Issued &c, const QByteArray &view = {})
    {
        return "/c/" + c.tracking.toLatin1() + view + "?k=" + c.code.toLatin1();
    }
    WebReply get(const QByteArray &target) { return client->fetch(target); }

    WebData web;
    std::unique_ptr<arc::VerificationServer> server;
    std::unique_ptr<WebClient> client;
};

// A path sent, the status and, for a page, what it must say.
struct Case {
    const char *what;
    QByteArray method;
    QByteArray target; // {T} the issued certificate's number, {K} its code
    int status;
    const char *says;
};

const Case kCases[] = {
    {"the page", "GET", "/c/{T}?k={K}", 200, "Fuel pump"},
    {"as JSON", "GET", "/c/{T}/json?k={K}", 200, "\"partNumber\": \"PN-7\""},
    {"the PDF, not offered", "GET", "/c/{T}/pdf?k={K}", 404, "No PDF"},
    {"a wrong code", "GET", "/c/{T}?k=AAAAAAAAAAAAAAAAAAAA", 404, "No certificate matches"},
    {"an unknown number", "GET", "/c/999999?k={K}", 404, "No certificate matches"},
    {"no code", "GET", "/c/{T}", 404, "No certificate matches"},
    {"a code too short", "GET", "/c/{T}?k=ABC", 404, "No certificate matches"},
    {"a code too long", "GET", "/c/{T}?k={K}A", 404, "No certificate matches"},
    {"a code outside base32", "GET", "/c/{T}?k=0189018901890189018A", 404, "No certificate matches"},
    {"a code in lower case", "GET", "/c/{T}?k=aaaaaaaaaaaaaaaaaaaa", 404, "No certificate matches"},
    {"an encoded slash", "GET", "/c/{T}%2F..?k={K}", 404, "No certificate matches"},
    // The client resolves the dots: the server is asked for "/".
    {"dot dot", "GET", "/c/..?k={K}", 404, "Not found"},
    {"an encoded dot dot", "GET", "/c/%2E%2E?k={K}", 404, "Not found"},
    {"dot dot in a number", "GET", "/c/{T}..?k={K}", 404, "No certificate matches"},
    {"a NUL", "GET", "/c/{T}%00?k={K}", 404, "No certificate matches"},
    {"a line break", "GET", "/c/{T}%0A?k={K}", 404, "No certificate matches"},
    {"bytes that are no UTF-8", "GET", "/c/%FF%FE?k={K}", 404, "No certificate matches"},
    {"quotes", "GET", "/c/%22{T}%27?k={K}", 404, "No certificate matches"},
    {"SQL", "GET", "/c/%27%20OR%20%271%27=%271?k={K}", 404, "No certificate matches"},
    {"a view that is none", "GET", "/c/{T}/xml?k={K}", 404, "Not found"},
    {"a deeper path", "GET", "/c/{T}/json/x?k={K}", 404, "Not found"},
    {"the root", "GET", "/", 404, "Not found"},
    {"an icon", "GET", "/favicon.ico", 404, "Not found"},
    {"no number", "GET", "/c/?k={K}", 404, "Not found"},
    {"a POST", "POST", "/c/{T}?k={K}", 405, "Method not allowed"},
    {"a PUT", "PUT", "/c/{T}?k={K}", 405, "Method not allowed"},
    {"a DELETE", "DELETE", "/c/{T}?k={K}", 405, "Method not allowed"},
    {"a body too large", "POST", "/c/{T}?k={K}", 413, "Request too large"},
    {"a number of 10 000 characters", "GET", "/c/{LONG}?k={K}", 431, "Request too large"},
};

} // namespace

TEST_P(VerificationServerTest, AnswersEveryPathAndMethodAsTheTableSays)
{
    const QByteArray longNumber(10000, '7');
    QByteArray unknown;
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.what);
        QByteArray target = c.target;
        target.replace("{T}", web.correction.tracking.toLatin1())
            .replace("{K}", web.correction.code.toLatin1())
            .replace("{LONG}", longNumber);
        const QByteArray body = c.status == 413 ? QByteArray(20000, 'x') : QByteArray();
        const WebReply r = client->fetch(target, c.method, body);
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE(r.body.contains(c.says)) << r.body.left(400).toStdString();
        if (QByteArray(c.says) == "No certificate matches") {
            // A wrong code and an unknown number cannot be told apart.
            if (unknown.isEmpty())
                unknown = r.body;
            EXPECT_EQ(r.body, unknown);
        }
    }
}

TEST_P(VerificationServerTest, AnIssuedCertificateShowsItsFormSignatoryAndItems)
{
    const WebReply r = get(page(web.correction));
    ASSERT_EQ(r.status, 200) << r.body.toStdString();
    EXPECT_EQ(r.contentType, "text/html; charset=utf-8");
    EXPECT_TRUE(r.raw->rawHeader("Content-Security-Policy").contains("default-src 'none'"));
    for (const char *text : {"<h1>FAA Form 8130-3</h1>", "<p class=\"state issued\">Issued 9 December 2026</p>",
                             "<dd>000124</dd>", "<dd>Acme Aero</dd>", "<dd>DMIR-7</dd>", "<dd>Pat Doe</dd>",
                             "<dd>PN-7</dd>", "<dd>Fuel pump</dd>", "<dd>SN-1</dd>", "<dd>PN-8</dd>", "<dd>SN-3</dd>",
                             "<dd>2</dd>", "<dd>NEW</dd>"})
        EXPECT_TRUE(r.body.contains(text)) << text;
    EXPECT_TRUE(r.body.contains("href=\"000124/json?k=" + web.correction.code.toLatin1() + "\""));
    EXPECT_FALSE(r.body.contains("The signed PDF")) << "not offered unless the set-up says so";
    EXPECT_FALSE(r.body.contains("<script")) << "the page holds no script";
}

TEST_P(VerificationServerTest, ACorrectedCertificateLinksToItsCorrection)
{
    const WebReply r = get(page(web.corrected));
    ASSERT_EQ(r.status, 200);
    EXPECT_TRUE(r.body.contains("<a id=\"correction\" href=\"000124?k=" + web.correction.code.toLatin1()
                                + "\">Superseded by correction 000124 of 9 December 2026</a>"))
        << r.body.toStdString();
    EXPECT_FALSE(r.body.contains("Issued 5 December")) << "its state is the correction";
    EXPECT_TRUE(r.body.contains("<dd>SN-2</dd>")) << "its own items";
    const QJsonObject json = QJsonDocument::fromJson(get(page(web.corrected, "/json")).body).object();
    EXPECT_EQ(json["state"].toString(), "superseded");
    EXPECT_EQ(json["supersededBy"].toObject()["page"].toString(), "../000124?k=" + web.correction.code);
}

TEST_P(VerificationServerTest, ACertificateDeletedSinceItsIssueStillAnswersIssuedWithoutItems)
{
    const WebReply r = get(page(web.deleted));
    ASSERT_EQ(r.status, 200);
    EXPECT_TRUE(r.body.contains("Issued 5 December 2026"));
    EXPECT_TRUE(r.body.contains("The certificate's items are no longer in the register."));
    EXPECT_FALSE(r.body.contains("Part number"));
    const QJsonObject json = QJsonDocument::fromJson(get(page(web.deleted, "/json")).body).object();
    EXPECT_EQ(json["itemsKept"].toBool(true), false);
    EXPECT_TRUE(json["items"].toArray().isEmpty());
}

TEST_P(VerificationServerTest, APageSignedAfterItsCertificateWasWithdrawnSaysSo)
{
    const WebReply r = get(page(web.withdrawn));
    ASSERT_EQ(r.status, 200);
    EXPECT_TRUE(r.body.contains("<p class=\"state withdrawn\">Signed with a withdrawn certificate</p>"));
    EXPECT_FALSE(r.body.contains("Issued 5 December")) << r.body.toStdString();
    EXPECT_FALSE(get(page(web.correction)).body.contains("Signed with a withdrawn certificate")) << "another key";
}

TEST_P(VerificationServerTest, EveryTextFromTheRegisterIsEscaped)
{
    const WebReply r = get(page(web.hostile));
    ASSERT_EQ(r.status, 200);
    for (const QString &hostile : {WebData::kScript, WebData::kOrganisation, WebData::kSerial}) {
        EXPECT_FALSE(r.body.contains(hostile.toUtf8())) << hostile.toStdString();
        EXPECT_TRUE(r.body.contains(hostile.toHtmlEscaped().toUtf8())) << hostile.toStdString();
    }
    const QJsonObject json = QJsonDocument::fromJson(get(page(web.hostile, "/json")).body).object();
    EXPECT_EQ(json["items"].toArray()[0].toObject()["description"].toString(), WebData::kScript);
}

TEST_P(VerificationServerTest, TheSignedPdfIsOfferedOnlyWhenTheSetUpSaysSoAndOnlyAsIssued)
{
    ASSERT_TRUE(data.certificates().exec("UPDATE \"Defaults\" SET \"VerifyOffersPdf\" = 1").ok());
    const WebReply html = get(page(web.correction));
    EXPECT_TRUE(html.body.contains("<a id=\"pdf\" href=\"000124/pdf?k=" + web.correction.code.toLatin1() + "\">"));
    const WebReply pdf = get(page(web.correction, "/pdf"));
    ASSERT_EQ(pdf.status, 200);
    EXPECT_EQ(pdf.contentType, "application/pdf");
    EXPECT_TRUE(pdf.body.startsWith("%PDF"));
    const QString hash = QString::fromLatin1(QCryptographicHash::hash(pdf.body, QCryptographicHash::Sha256).toHex());
    EXPECT_EQ(data.certificates().scalar("SELECT \"PdfSha256\" FROM \"IssueLog\" WHERE \"Tracking\" = '000124'").toString(), hash);
    EXPECT_EQ(get(page(web.deleted, "/pdf")).status, 200) << "a deleted certificate's page is still kept";
    if (!onServer()) {
        const QString kept = folder() + "Issued/" + web.correction.pdfFile;
        QFile::setPermissions(kept, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        writeFile(kept, pdf.body + "% changed since");
        EXPECT_EQ(get(page(web.correction, "/pdf")).status, 404) << "a page changed since its issue is not handed out";
    }
}

// The register goes away while served, and comes back.
TEST_P(VerificationServerTest, AVanishedRegisterIsUnavailableUntilItComesBack)
{
    ASSERT_EQ(get(page(web.correction)).status, 200);
    QString schema;
    if (onServer()) {
        schema = source().section("search_path%3D", 1).section('&', 0, 0);
        ASSERT_FALSE(schema.isEmpty());
        ASSERT_TRUE(TestServer::admin({QStringLiteral("ALTER SCHEMA %1 RENAME TO %1_away").arg(schema)}));
    } else {
        ASSERT_TRUE(QDir().rename(folder() + "VELLORAN.MDB", folder() + "moved.MDB"));
    }
    const WebReply gone = get(page(web.correction));
    EXPECT_EQ(gone.status, 503);
    EXPECT_TRUE(gone.body.contains("The register is unavailable")) << gone.body.toStdString();
    EXPECT_EQ(gone.raw->rawHeader("Retry-After"), "60");
    EXPECT_EQ(get(page(web.correction, "/json")).status, 503);
    if (onServer())
        ASSERT_TRUE(TestServer::admin({QStringLiteral("ALTER SCHEMA %1_away RENAME TO %1").arg(schema)}));
    else
        ASSERT_TRUE(QDir().rename(folder() + "moved.MDB", folder() + "VELLORAN.MDB"));
    EXPECT_EQ(get(page(web.correction)).status, 200) << "opened again";
}

// It writes nothing to a folder; on a server, a role that may only read is enough.
TEST_P(VerificationServerTest, ServesFromASourceItMayOnlyRead)
{
    if (onServer()) {
        const QString schema = source().section("search_path%3D", 1).section('&', 0, 0);
        const QString role = schema + "_reader";
        ASSERT_TRUE(TestServer::admin({QStringLiteral("DROP ROLE IF EXISTS %1").arg(role),
                                       QStringLiteral("CREATE ROLE %1 LOGIN").arg(role),
                                       QStringLiteral("GRANT USAGE ON SCHEMA %1 TO %2").arg(schema, role),
                                       QStringLiteral("GRANT SELECT ON ALL TABLES IN SCHEMA %1 TO %2").arg(schema, role)}));
        QString uri = source();
        uri.replace("postgresql://arc@", "postgresql://" + role + "@");
        ASSERT_NO_FATAL_FAILURE(serve(uri));
        EXPECT_EQ(get(page(web.correction)).status, 200);
        server.reset();
        client.reset();
        EXPECT_TRUE(TestServer::admin({QStringLiteral("DROP OWNED BY %1").arg(role), QStringLiteral("DROP ROLE %1").arg(role)}));
        return;
    }
    data.close();
    const QByteArray before = readFile(folder() + "VELLORAN.MDB");
    const QStringList files = QDir(folder()).entryList(QDir::Files);
    EXPECT_EQ(get(page(web.correction)).status, 200);
    EXPECT_EQ(readFile(folder() + "VELLORAN.MDB"), before);
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), files) << "no journal or lock left beside it";
}

// Only the program brings a register up to its version; the page never does.
TEST_P(VerificationServerTest, ARegisterOfAnEarlierVersionIsUnavailableAndLeftAsItIs)
{
    const arc::Engine engine = GetParam();
    for (const QString &sql : arc::SqlDialect::setUserVersion(arc::Schema::version - 1, engine, arc::StoreKind::Certificates))
        ASSERT_TRUE(data.certificates().exec(sql).ok());
    EXPECT_EQ(get(page(web.correction)).status, 503);
    EXPECT_EQ(data.certificates().scalar(arc::SqlDialect::userVersionQuery(engine, arc::StoreKind::Certificates)).toInt(),
              arc::Schema::version - 1);
}

ARC_ON_BOTH_ENGINES(VerificationServerTest);

// The limit counts every request of an address, answered or refused.
TEST(VerificationRateLimit, MoreThanThirtyRequestsAMinuteFromOneAddressAreRefused)
{
    QTemporaryDir dir;
    ASSERT_TRUE(madeDataFolder(dir.path() + "/"));
    arc::VerificationServer server(dir.path() + "/");
    const quint16 port = server.start(QHostAddress::LocalHost, 0, nullptr);
    ASSERT_NE(port, 0);
    WebClient client(port);
    for (int i = 0; i < 30; ++i)
        ASSERT_EQ(client.fetch(i % 2 ? "/" : "/c/1?k=AAAAAAAAAAAAAAAAAAAA").status, 404) << i;
    const WebReply refused = client.fetch("/c/1?k=AAAAAAAAAAAAAAAAAAAA");
    EXPECT_EQ(refused.status, 429);
    EXPECT_EQ(refused.raw->rawHeader("Retry-After"), "60");
    // Behind a proxy on this host, each client the proxy names has its own.
    const QList<QPair<QByteArray, QByteArray>> proxied = {{"X-Real-IP", "192.0.2.9"}};
    EXPECT_EQ(client.fetch("/", "GET", {}, proxied).status, 404);
    EXPECT_EQ(client.fetch("/", "GET", {}, {{"X-Real-IP", "not an address"}}).status, 429);
}
