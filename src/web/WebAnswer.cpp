#include "WebAnswer.h"

#include "RateLimit.h"
#include "VerificationJson.h"
#include "VerificationLookup.h"
#include "VerificationPage.h"
#include "WebSource.h"
#include "WithdrawnSigner.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QHttpServerRequest>
#include <QUrlQuery>

namespace arc {

namespace {

struct AnswerTexts {
    Q_DECLARE_TR_FUNCTIONS(VerificationPage)
};

const QByteArray kHtml = QByteArrayLiteral("text/html; charset=utf-8");
const QByteArray kJson = QByteArrayLiteral("application/json");

WebAnswer answer(int status, const QByteArray &type, const QByteArray &body)
{
    WebAnswer a;
    a.status = status;
    a.contentType = type;
    a.body = body;
    // The page runs no script and loads nothing: should anything of the
    // register ever reach it unescaped, the browser still runs none of it.
    a.headers = {{"Content-Security-Policy", "default-src 'none'; style-src 'unsafe-inline'; form-action 'none'; "
                                             "frame-ancestors 'none'; base-uri 'none'"},
                 {"X-Content-Type-Options", "nosniff"},
                 {"Referrer-Policy", "no-referrer"},
                 {"Cache-Control", "no-store"}};
    return a;
}

WebAnswer html(int status, const QByteArray &body) { return answer(status, kHtml, body); }

// The address the limit counts: the peer's; behind a proxy on this host,
// the client's address the proxy names in X-Real-IP.
QString clientOf(const QHttpServerRequest &request)
{
    const QHostAddress peer = request.remoteAddress();
    const QByteArray real = request.value(QByteArrayLiteral("X-Real-IP")).trimmed();
    if (peer.isLoopback() && !real.isEmpty()) {
        const QHostAddress named(QString::fromLatin1(real));
        if (!named.isNull())
            return named.toString();
    }
    return peer.toString();
}

enum class View { Page, Json, Pdf };

WebAnswer pdfOf(WebSource &source, const Verification &v)
{
    QByteArray pdf;
    const DbStatus s = v.offersPdf ? source.file(QStringLiteral("Issued/") + v.pdfFile, WithdrawnSigner::kMaxPdfBytes, pdf)
                                   : DbStatus::failure(DbCondition::ItemNotFound);
    if (!s.ok() && !s.is(DbCondition::ItemNotFound)) {
        source.lost();
        return html(503, VerificationPage::unavailable());
    }
    // Only the page as it was issued: one changed since is not handed out.
    const bool asIssued = s.ok()
        && QString::fromLatin1(QCryptographicHash::hash(pdf, QCryptographicHash::Sha256).toHex()) == v.pdfSha256.toLower();
    if (!asIssued)
        return html(404, VerificationPage::refusal(AnswerTexts::tr("No PDF"), AnswerTexts::tr("The signed PDF of this certificate is not offered here.")));
    WebAnswer a = answer(200, QByteArrayLiteral("application/pdf"), pdf);
    a.headers.append({QByteArrayLiteral("Content-Disposition"), QByteArrayLiteral("inline; filename=\"certificate.pdf\"")});
    return a;
}

} // namespace

WebAnswer WebAnswer::to(WebSource &source, RateLimit &limit, const QHttpServerRequest &request, qint64 nowMs)
{
    if (!limit.admit(clientOf(request), nowMs)) {
        WebAnswer a = html(429, VerificationPage::refusal(AnswerTexts::tr("Too many requests"),
                                                          AnswerTexts::tr("More than 30 requests a minute came from your address. "
                                                             "Wait a minute and try again.")));
        a.headers.append({QByteArrayLiteral("Retry-After"), QByteArrayLiteral("60")});
        return a;
    }
    if (request.method() != QHttpServerRequest::Method::Get) {
        WebAnswer a = html(405, VerificationPage::refusal(AnswerTexts::tr("Method not allowed"), AnswerTexts::tr("This page can only be read.")));
        a.headers.append({QByteArrayLiteral("Allow"), QByteArrayLiteral("GET")});
        return a;
    }
    // The path as sent, split before it is decoded: an encoded slash is
    // part of a tracking number, never a step in the path.
    const QStringList parts = request.url().path(QUrl::FullyEncoded).split(QLatin1Char('/'));
    View view = View::Page;
    if (parts.size() == 4 && parts[3] == QLatin1String("json"))
        view = View::Json;
    else if (parts.size() == 4 && parts[3] == QLatin1String("pdf"))
        view = View::Pdf;
    if (parts.size() < 3 || parts.size() > 4 || !parts[0].isEmpty() || parts[1] != QLatin1String("c") || parts[2].isEmpty()
        || (parts.size() == 4 && view == View::Page))
        return html(404, VerificationPage::refusal(AnswerTexts::tr("Not found"), AnswerTexts::tr("There is no page at this address.")));

    const QString tracking = QUrl::fromPercentEncoding(parts[2].toUtf8());
    const QString code = QUrlQuery(request.url()).queryItemValue(QStringLiteral("k"), QUrl::FullyDecoded);
    const Verification v = VerificationLookup::find(source, tracking, code);
    if (v.outcome == Verification::Outcome::Unavailable) {
        WebAnswer a = view == View::Json ? answer(503, kJson, VerificationJson::error(QStringLiteral("register unavailable")))
                                         : html(503, VerificationPage::unavailable());
        a.headers.append({QByteArrayLiteral("Retry-After"), QByteArrayLiteral("60")});
        return a;
    }
    if (v.outcome == Verification::Outcome::NoMatch)
        return view == View::Json ? answer(404, kJson, VerificationJson::error(QStringLiteral("No certificate matches")))
                                  : html(404, VerificationPage::noMatch());
    switch (view) {
    case View::Json:
        return answer(200, kJson, VerificationJson::found(v));
    case View::Pdf:
        return pdfOf(source, v);
    case View::Page:
        break;
    }
    return html(200, VerificationPage::found(v));
}

} // namespace arc
