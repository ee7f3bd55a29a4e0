#include "EmbeddedDataCheck.h"

#include "CertificateContent.h"
#include "CertificateXml.h"
#include "DeclaredSignature.h"
#include "PdfEmbeddedFiles.h"
#include "SignatureReport.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QXmlStreamReader>

namespace arc {

namespace {

struct EmbeddedDataCheckTexts {
    Q_DECLARE_TR_FUNCTIONS(EmbeddedDataCheck)
};

// What the XML holds: the values by field, the lines, and the same as JSON.
struct Parsed {
    qint64 formIndex = -1;
    QHash<QString, QVariant> header;
    std::vector<CertificateContent::Line> lines;
    QString contentSha256;
    QString signerSha256;
    QJsonObject json;
};

QJsonValue valueOf(const QString &text, bool null) { return null ? QJsonValue() : QJsonValue(text); }

// Reads a block's attributes and text, keeping the value under its field.
QJsonObject readBlock(QXmlStreamReader &r, QHash<QString, QVariant> *header, CertificateContent::Line *line, int &column)
{
    const QXmlStreamAttributes a = r.attributes();
    const bool null = a.value(QLatin1String("null")) == QLatin1String("true");
    const QString field = a.value(QLatin1String("field")).toString();
    const QString number = a.value(QLatin1String("number")).toString();
    const QString name = a.value(QLatin1String("name")).toString();
    const QString columnName = a.value(QLatin1String("column")).toString();
    const QString text = r.readElementText();
    const QVariant value = null ? QVariant() : QVariant(text);
    if (line && column < CertificateContent::kLineFields)
        (*line)[std::size_t(column++)] = value;
    else if (header && !field.isEmpty())
        header->insert(field, value);
    QJsonObject o{{QStringLiteral("number"), number}, {QStringLiteral("name"), name}};
    if (!columnName.isEmpty())
        o.insert(QStringLiteral("column"), columnName);
    o.insert(QStringLiteral("value"), valueOf(text, null));
    return o;
}

std::optional<Parsed> parse(const QByteArray &xml, QString &why)
{
    Parsed p;
    QXmlStreamReader r(xml);
    QJsonArray blocks, items, approvals;
    QJsonObject current; // the ticks block being read
    QJsonArray ticks;
    const QString ns = QLatin1String(CertificateXml::kNamespace);
    bool root = false;
    while (!r.atEnd() && !r.hasError()) {
        if (r.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (r.namespaceUri() != ns) {
            r.raiseError(EmbeddedDataCheckTexts::tr("an element outside the certificate's namespace"));
            break;
        }
        const QStringView n = r.name();
        const QXmlStreamAttributes a = r.attributes();
        if (n == QLatin1String("certificate")) {
            root = true;
            bool ok = false;
            p.formIndex = a.value(QLatin1String("formIndex")).toLongLong(&ok);
            if (!ok)
                r.raiseError(EmbeddedDataCheckTexts::tr("no formIndex"));
            p.json.insert(QStringLiteral("formIndex"), QString::number(p.formIndex));
        } else if (!root) {
            r.raiseError(EmbeddedDataCheckTexts::tr("not a certificate"));
        } else if (n == QLatin1String("form")) {
            if (a.hasAttribute(QLatin1String("stored")))
                p.header.insert(QStringLiteral("Form"), a.value(QLatin1String("stored")).toString());
            p.json.insert(QStringLiteral("form"),
                          QJsonObject{{QStringLiteral("name"), a.value(QLatin1String("name")).toString()},
                                      {QStringLiteral("edition"), a.value(QLatin1String("edition")).toString()}});
        } else if (n == QLatin1String("approval")) {
            const QString block = a.value(QLatin1String("block")).toString();
            approvals.append(QJsonObject{{QStringLiteral("block"), block}, {QStringLiteral("number"), r.readElementText()}});
        } else if (n == QLatin1String("item")) {
            CertificateContent::Line line;
            QJsonArray columns;
            int column = 0;
            const QString number = a.value(QLatin1String("line")).toString();
            while (r.readNextStartElement()) {
                if (r.name() != QLatin1String("block") || column >= CertificateContent::kLineFields) {
                    r.raiseError(EmbeddedDataCheckTexts::tr("an item line is not six blocks"));
                    break;
                }
                columns.append(readBlock(r, nullptr, &line, column));
            }
            if (column != CertificateContent::kLineFields)
                r.raiseError(EmbeddedDataCheckTexts::tr("an item line is not six blocks"));
            p.lines.push_back(line);
            items.append(QJsonObject{{QStringLiteral("line"), number}, {QStringLiteral("blocks"), columns}});
        } else if (n == QLatin1String("block")) {
            int column = 0;
            blocks.append(readBlock(r, &p.header, nullptr, column));
        } else if (n == QLatin1String("ticks")) {
            QJsonArray boxes;
            const QString number = a.value(QLatin1String("number")).toString();
            const QString name = a.value(QLatin1String("name")).toString();
            while (r.readNextStartElement()) {
                const QXmlStreamAttributes t = r.attributes();
                const QString field = t.value(QLatin1String("field")).toString();
                const bool ticked = t.value(QLatin1String("ticked")) == QLatin1String("true");
                if (!field.isEmpty())
                    p.header.insert(field, t.hasAttribute(QLatin1String("stored"))
                                               ? QVariant(t.value(QLatin1String("stored")).toString())
                                               : QVariant());
                boxes.append(QJsonObject{{QStringLiteral("text"), r.readElementText()}, {QStringLiteral("ticked"), ticked}});
            }
            blocks.append(QJsonObject{{QStringLiteral("number"), number}, {QStringLiteral("name"), name},
                                      {QStringLiteral("ticks"), boxes}});
        } else if (n == QLatin1String("signatory")) {
            QJsonObject s{{QStringLiteral("name"), a.value(QLatin1String("name")).toString()}};
            p.signerSha256 = a.value(QLatin1String("certificateSha256")).toString();
            if (a.hasAttribute(QLatin1String("certificateSha256")))
                s.insert(QStringLiteral("certificateSha256"), p.signerSha256);
            p.json.insert(QStringLiteral("signatory"), s);
        } else if (n == QLatin1String("contentSha256")) {
            p.contentSha256 = r.readElementText();
            p.json.insert(QStringLiteral("contentSha256"), p.contentSha256);
        } else if (n == QLatin1String("corrects")) {
            p.json.insert(QStringLiteral("corrects"), r.readElementText());
        }
    }
    if (r.hasError() || !root) {
        why = r.hasError() ? r.errorString() : EmbeddedDataCheckTexts::tr("no certificate element");
        return std::nullopt;
    }
    p.json.insert(QStringLiteral("approvals"), approvals);
    p.json.insert(QStringLiteral("blocks"), blocks);
    p.json.insert(QStringLiteral("items"), items);
    return p;
}

bool covered(const QList<PdfStructure::Span> &spans, const DeclaredSignature &d)
{
    return std::all_of(spans.begin(), spans.end(), [&d](const PdfStructure::Span &s) {
        return s.begin >= 0 && s.end <= d.signedEnd && (s.end <= d.gapStart || s.begin >= d.gapEnd);
    });
}

} // namespace

EmbeddedDataCheck EmbeddedDataCheck::of(const QByteArray &pdf)
{
    EmbeddedDataCheck out;
    const auto fail = [&out](Outcome outcome, const QString &detail) {
        out.outcome = outcome;
        out.detail = detail;
        return out;
    };
    const SignatureReport report = SignatureReport::of(pdf);
    if (!report.isSigned)
        return fail(Outcome::NotSigned, EmbeddedDataCheckTexts::tr("The PDF carries no signature."));
    if (!report.intact || report.addedAfterSigning)
        return fail(Outcome::ChangedAfterSigning, EmbeddedDataCheckTexts::tr("Changed after signing."));
    const DeclaredSignature declared = DeclaredSignature::of(pdf);
    const PdfEmbeddedFiles files = PdfEmbeddedFiles::of(pdf);
    if (!files.ok())
        return fail(Outcome::Unreadable, EmbeddedDataCheckTexts::tr("The embedded data cannot be read: %1.").arg(files.problem));
    if (files.files.isEmpty() && !files.hidden)
        return fail(Outcome::NoData, EmbeddedDataCheckTexts::tr("The PDF carries no certificate data."));
    if (files.hidden || files.files.size() > 1 || files.files.front().name != CertificateXml::kFileName)
        return fail(Outcome::OtherFiles, EmbeddedDataCheckTexts::tr("The PDF carries other embedded files than certificate.xml alone."));
    const PdfEmbeddedFiles::File &file = files.files.front();
    out.xml = file.data;
    if (declared.state != DeclaredSignature::State::Found || !covered(file.spans, declared))
        return fail(Outcome::NotCovered,
                    EmbeddedDataCheckTexts::tr("The certificate data is not covered by the signature."));
    QString why;
    const std::optional<Parsed> parsed = parse(file.data, why);
    if (!parsed)
        return fail(Outcome::Unreadable,
                    EmbeddedDataCheckTexts::tr("The certificate data cannot be read: %1.").arg(why));
    const CertificateContent content = CertificateContent::of(parsed->formIndex, parsed->header, parsed->lines);
    if (content.sha256() != parsed->contentSha256)
        return fail(Outcome::HashMismatch,
                    EmbeddedDataCheckTexts::tr("The certificate data does not match its content hash: its values are not those signed for."));
    if (parsed->signerSha256.toLower() != report.signerSha256)
        return fail(Outcome::OtherSigner, EmbeddedDataCheckTexts::tr("The certificate data names another signing certificate than the one "
                                             "that signed the PDF."));
    out.json = parsed->json;
    out.outcome = Outcome::Sound;
    return out;
}

} // namespace arc
