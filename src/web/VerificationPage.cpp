#include "VerificationPage.h"

#include <QCoreApplication>
#include <QLocale>
#include <QUrl>

namespace arc::VerificationPage {

namespace {

struct PageTexts {
    Q_DECLARE_TR_FUNCTIONS(VerificationPage)
};
QString esc(const QString &text) { return text.toHtmlEscaped(); }

const char *const kStyle =
    "body{margin:0;font:16px/1.45 system-ui,-apple-system,'Segoe UI',Roboto,sans-serif;color:#111;background:#f4f5f7}"
    "main{max-width:40rem;margin:0 auto;padding:1rem}"
    "h1{font-size:1.35rem;margin:.2rem 0 .8rem}h2{font-size:1.1rem;margin:1.2rem 0 .5rem}"
    ".state{padding:.7rem .9rem;border-radius:.4rem;font-weight:600;margin:.4rem 0;overflow-wrap:anywhere}"
    ".issued{background:#e3f4e6;border:1px solid #2e7d32}"
    ".superseded{background:#fff4d6;border:1px solid #b7791f}"
    ".withdrawn,.none{background:#fde8e8;border:1px solid #c62828}"
    "dl{display:grid;grid-template-columns:max-content 1fr;gap:.25rem .8rem;margin:0}"
    "dt{color:#555}dd{margin:0;overflow-wrap:anywhere;white-space:pre-wrap}"
    ".card{background:#fff;border:1px solid #d8dbe0;border-radius:.4rem;padding:.7rem .9rem;margin:.5rem 0}"
    ".links a{display:inline-block;margin:.3rem 1rem .3rem 0}"
    "@media (max-width:24rem){dl{grid-template-columns:1fr}dt{font-size:.85rem}}";

QByteArray document(const QString &title, const QString &body)
{
    const QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
                                        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                                        "<meta name=\"robots\" content=\"noindex\">"
                                        "<title>%1</title><style>%2</style></head>\n<body><main>\n%3</main></body></html>\n")
                             .arg(esc(title), QLatin1String(kStyle), body);
    return html.toUtf8();
}

// One "term: value" row; an empty value shows as a dash.
QString row(const QString &term, const QString &value)
{
    return QStringLiteral("<dt>%1</dt><dd>%2</dd>").arg(esc(term), value.isEmpty() ? QStringLiteral("&#8211;") : esc(value));
}

QString link(const QString &tracking, const QString &code, const QString &suffix)
{
    const QString path = QString::fromLatin1(QUrl::toPercentEncoding(tracking)) + suffix;
    return QStringLiteral("%1?k=%2").arg(path, QString::fromLatin1(QUrl::toPercentEncoding(code)));
}

QString items(const Verification &v)
{
    if (v.deleted)
        return QStringLiteral("<p>%1</p>\n").arg(esc(PageTexts::tr("The certificate's items are no longer in the register.")));
    QString out;
    int n = 0;
    for (const Verification::Item &item : v.items) {
        out += QStringLiteral("<section class=\"card item\"><dl>%1%2%3%4%5%6</dl></section>\n")
                   .arg(row(PageTexts::tr("Item"), QString::number(++n)), row(PageTexts::tr("Part number"), item.partNumber),
                        row(PageTexts::tr("Description"), item.description), row(PageTexts::tr("Serial number"), item.serialNumber),
                        row(PageTexts::tr("Quantity"), item.quantity), row(PageTexts::tr("Status"), item.status));
    }
    return out;
}

QString states(const Verification &v)
{
    QString out;
    const auto state = [&](const char *kind, const QString &inner) {
        out += QStringLiteral("<p class=\"state %1\">%2</p>\n").arg(QLatin1String(kind), inner);
    };
    if (v.withdrawnSigner)
        state("withdrawn", esc(PageTexts::tr("Signed with a withdrawn certificate")));
    if (v.supersededBy) {
        const Verification::Correction &c = *v.supersededBy;
        const QString text = esc(PageTexts::tr("Superseded by correction %1 of %2").arg(c.tracking, dayText(c.issuedOn)));
        state("superseded", c.code.isEmpty()
                                ? text
                                : QStringLiteral("<a id=\"correction\" href=\"%1\">%2</a>").arg(esc(pageLink(c.tracking, c.code)), text));
    }
    if (!v.withdrawnSigner && !v.supersededBy)
        state("issued", esc(PageTexts::tr("Issued %1").arg(dayText(v.issuedOn))));
    return out;
}

} // namespace

QString dayText(const QDate &day) { return QLocale::c().toString(day, QStringLiteral("d MMMM yyyy")); }

QString pageLink(const QString &tracking, const QString &code) { return link(tracking, code, QString()); }
QString jsonLink(const QString &tracking, const QString &code) { return link(tracking, code, QStringLiteral("/json")); }
QString pdfLink(const QString &tracking, const QString &code) { return link(tracking, code, QStringLiteral("/pdf")); }

QByteArray found(const Verification &v)
{
    QString body = QStringLiteral("<h1>%1</h1>\n").arg(esc(v.form.isEmpty() ? PageTexts::tr("Release certificate") : v.form));
    body += states(v);
    body += QStringLiteral("<section class=\"card\"><dl>%1%2%3%4%5%6</dl></section>\n")
                .arg(row(PageTexts::tr("Form"), v.form), row(PageTexts::tr("Tracking number"), v.tracking),
                     row(PageTexts::tr("Organisation"), v.organisation), row(PageTexts::tr("Approval"), v.approval),
                     row(PageTexts::tr("Date"), dayText(v.issuedOn)), row(PageTexts::tr("Signatory"), v.signatory));
    body += QStringLiteral("<h2>%1</h2>\n").arg(esc(PageTexts::tr("Items"))) + items(v);
    body += QStringLiteral("<p class=\"links\"><a id=\"json\" href=\"%1\">%2</a>")
                .arg(esc(jsonLink(v.tracking, v.code)), esc(PageTexts::tr("The same as JSON")));
    if (v.offersPdf)
        body += QStringLiteral("<a id=\"pdf\" href=\"%1\">%2</a>").arg(esc(pdfLink(v.tracking, v.code)), esc(PageTexts::tr("The signed PDF")));
    body += QStringLiteral("</p>\n");
    return document(PageTexts::tr("Certificate %1").arg(v.tracking), body);
}

QByteArray noMatch()
{
    return refusal(PageTexts::tr("No certificate matches"),
                   PageTexts::tr("No certificate issued by this shop has this tracking number and code. Check the address "
                      "against the one printed on the certificate."));
}

QByteArray unavailable()
{
    return refusal(PageTexts::tr("The register is unavailable"),
                   PageTexts::tr("The register of certificates cannot be read at the moment. Try again in a few minutes."));
}

QByteArray refusal(const QString &title, const QString &why)
{
    return document(title, QStringLiteral("<h1>%1</h1>\n<p class=\"state none\">%2</p>\n").arg(esc(title), esc(why)));
}

} // namespace arc::VerificationPage
