#include "SigningFixture.h"
#include "ProgramRun.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <openssl/pkcs12.h>

using namespace arc;

namespace signing {

const ShopAuthority &authority()
{
    static const ShopAuthority made = std::move(ShopAuthority::create({}, kPassphrase).value());
    return made;
}

StoredSigningKey madeKey(const QString &password, const Validity &validity)
{
    SigningResult<StoredSigningKey> key =
        SigningKey::make(authority(), {QStringLiteral("J. Smith"), QStringLiteral("ARC-1234")}, password, validity);
    EXPECT_TRUE(key.ok()) << key.error().message.toStdString();
    return key.ok() ? key.value() : StoredSigningKey();
}

QByteArray pkcs12Of(const StoredSigningKey &stored, const QString &password, const QString &filePassword)
{
    SigningResult<SigningKey> key = SigningKey::open(stored, password);
    if (!key.ok())
        return {};
    X509ListPtr issuers(sk_X509_new_null());
    for (size_t i = 1; i < key->chain().size(); ++i)
        sk_X509_push(issuers.get(), key->chain()[i].get());
    const QByteArray pass = filePassword.toUtf8();
    Pkcs12Ptr p12(PKCS12_create(pass.constData(), "signatory", key->key(), key->certificate(), issuers.get(), 0, 0,
                                0, 0, 0));
    BioPtr out(BIO_new(BIO_s_mem()));
    return p12 && i2d_PKCS12_bio(out.get(), p12.get()) == 1 ? bioBytes(out.get()) : QByteArray();
}

QByteArray qtPage()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("ARC 8130"));
        writer.setTitle(QStringLiteral("AUTHORIZED RELEASE CERTIFICATE"));
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        QPainter painter(&writer);
        painter.drawText(600, 600, QStringLiteral("FAA Form 8130-3"));
        painter.drawRect(600, 4000, 2400, 300);
    }
    return buffer.data();
}

namespace {

QByteArray xrefEntry(qsizetype offset) { return QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n"; }

} // namespace

QByteArray pdfOf(const QList<QByteArray> &objects)
{
    QByteArray pdf = "%PDF-1.4\n";
    QByteArray xref = "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype i = 0; i < objects.size(); ++i) {
        xref += xrefEntry(pdf.size());
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype start = pdf.size();
    return pdf + xref + "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n"
        + QByteArray::number(start) + "\n%%EOF\n";
}

QByteArray updated(const QByteArray &pdf, int number, const QByteArray &body)
{
    const qsizetype keyword = pdf.lastIndexOf("startxref");
    const QByteArray prev = pdf.mid(keyword + 9).trimmed().split('\n').first();
    const QByteArray trailer = pdf.mid(pdf.lastIndexOf("trailer"));
    const QByteArray size = trailer.mid(trailer.indexOf("/Size") + 6).split(' ').first();
    QByteArray out = pdf;
    const qsizetype at = out.size();
    out += QByteArray::number(number) + " 0 obj\n" + body + "\nendobj\n";
    const qsizetype start = out.size();
    return out + "xref\n" + QByteArray::number(number) + " 1\n" + xrefEntry(at) + "trailer\n<< /Size " + size
        + " /Root 1 0 R /Prev " + prev + " >>\nstartxref\n" + QByteArray::number(start) + "\n%%EOF\n";
}

QByteArray blankPage()
{
    return pdfOf({"<< /Type /Catalog /Pages 2 0 R >>", kPages,
                  "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R >>", kEmptyContent});
}

std::optional<QString> pdfsig(const QByteArray &pdf)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pdfsig"));
    if (program.isEmpty())
        return std::nullopt;
    QTemporaryFile file;
    EXPECT_TRUE(file.open() && file.write(pdf) == pdf.size() && file.flush());
    return ProgramRun::of(program, {file.fileName()}).said;
}

} // namespace signing
