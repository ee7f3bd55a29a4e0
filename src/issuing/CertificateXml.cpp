#include "CertificateXml.h"

#include "CertificateContent.h"
#include "CertificateFields.h"
#include "FormDefinition.h"
#include "FormNames.h"

#include <QDate>
#include <array>
#include <QRegularExpression>
#include <QXmlStreamWriter>

namespace arc {

namespace {

// A block's name as its caption prints it, without its number and colon.
QString blockName(const FormDefinition &form, const QString &block)
{
    static const QRegularExpression number(QStringLiteral("^\\s*\\d+[a-z]?\\.\\s*"));
    QString name = form.caption(block).join(QLatin1Char(' ')).simplified();
    name.remove(number);
    while (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

class Writer {
public:
    Writer(QByteArray &out, const FormDefinition &form) : w(&out), m_form(form) { w.setAutoFormatting(true); }

    // A value as stored: a null marked as one, anything else as its text.
    void block(const QString &number, const QString &field, const QVariant &value, const QString &column = {})
    {
        w.writeStartElement(QStringLiteral("block"));
        w.writeAttribute(QStringLiteral("number"), number);
        w.writeAttribute(QStringLiteral("name"), blockName(m_form, number));
        if (!field.isEmpty())
            w.writeAttribute(QStringLiteral("field"), field);
        if (!column.isEmpty())
            w.writeAttribute(QStringLiteral("column"), column);
        if (value.isNull() && !field.isEmpty())
            w.writeAttribute(QStringLiteral("null"), QStringLiteral("true"));
        characters(value.toString());
        w.writeEndElement();
    }

    // A reader takes a bare CR for a line end: written as a reference, so
    // that every value reads back as stored.
    void characters(const QString &text)
    {
        for (const QChar c : text)
            if ((c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || c.unicode() == 0xFFFE
                || c.unicode() == 0xFFFF)
                unwritable = true;
        const QStringList parts = text.split(QLatin1Char('\r'));
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (i > 0)
                w.writeEntityReference(QStringLiteral("#13"));
            w.writeCharacters(parts[i]);
        }
    }

    void ticks(const CertificateContent &c, const QString &number, const QStringList &texts,
               const std::array<const char *, 2> &fields)
    {
        w.writeStartElement(QStringLiteral("ticks"));
        w.writeAttribute(QStringLiteral("number"), number);
        w.writeAttribute(QStringLiteral("name"), blockName(m_form, number));
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const QVariant v = c.value(QLatin1String(fields[i]));
            w.writeStartElement(QStringLiteral("tick"));
            w.writeAttribute(QStringLiteral("field"), QLatin1String(fields[i]));
            w.writeAttribute(QStringLiteral("ticked"), v.toInt() == 1 ? QStringLiteral("true") : QStringLiteral("false"));
            if (!v.isNull())
                w.writeAttribute(QStringLiteral("stored"), v.toString());
            characters(texts.value(qsizetype(i)).simplified());
            w.writeEndElement();
        }
        w.writeEndElement();
    }

    QXmlStreamWriter w;
    bool unwritable = false; // a value holds a character XML cannot carry

private:
    const FormDefinition &m_form;
};

} // namespace

QByteArray CertificateXml::of(const CertificateContent &c, const Signing &signing)
{
    const QVariant storedForm = c.value(QStringLiteral("Form"));
    const QString formName = FormNames::effective(storedForm.toString());
    const FormDefinition &form = FormDefinition::of(formName);
    QByteArray out;
    Writer x(out, form);
    QXmlStreamWriter &w = x.w;
    const auto h = [&c](const char *field) { return c.value(QLatin1String(field)); };
    w.writeStartDocument();
    w.writeDefaultNamespace(QLatin1String(kNamespace));
    w.writeStartElement(QStringLiteral("certificate"));
    w.writeAttribute(QStringLiteral("version"), QStringLiteral("1"));
    w.writeAttribute(QStringLiteral("formIndex"), QString::number(c.formIndex()));

    w.writeStartElement(QStringLiteral("form"));
    w.writeAttribute(QStringLiteral("name"), formName);
    w.writeAttribute(QStringLiteral("edition"), form.footerLeft);
    // Only a form other than the FAA's is kept with the certificate's content.
    if (!storedForm.isNull())
        w.writeAttribute(QStringLiteral("stored"), storedForm.toString());
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("approvals"));
    for (const auto &[block, field] : {std::pair{"13c", "AuthNum"}, std::pair{"14c", "CertNum"}}) {
        w.writeStartElement(QStringLiteral("approval"));
        w.writeAttribute(QStringLiteral("block"), QLatin1String(block));
        w.writeCharacters(h(field).toString().trimmed());
        w.writeEndElement();
    }
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("blocks"));
    x.block(QStringLiteral("1"), QStringLiteral("Country"), h("Country"));
    x.block(QStringLiteral("2"), {}, form.title.join(QLatin1Char(' ')).simplified());
    x.block(QStringLiteral("3"), QStringLiteral("Tracking"), h("Tracking"));
    x.block(QStringLiteral("4"), QStringLiteral("Organ1"), h("Organ1"), QStringLiteral("left"));
    x.block(QStringLiteral("4"), QStringLiteral("Organ2"), h("Organ2"), QStringLiteral("right"));
    x.block(QStringLiteral("5"), QStringLiteral("Invoice"), h("Invoice"));
    w.writeStartElement(QStringLiteral("items"));
    const std::vector<const CertificateField *> columns = CertificateFields::of(StoredTable::Detail);
    int number = 0;
    for (const CertificateContent::Line &line : c.lines()) {
        w.writeStartElement(QStringLiteral("item"));
        w.writeAttribute(QStringLiteral("line"), QString::number(++number));
        for (std::size_t f = 0; f < std::size_t(CertificateContent::kLineFields); ++f)
            x.block(QLatin1String(columns[f]->block), QLatin1String(columns[f]->column), line[f]);
        w.writeEndElement();
    }
    w.writeEndElement();
    x.block(QStringLiteral("12"), QStringLiteral("Remarks"), h("Remarks"));
    x.ticks(c, QStringLiteral("13a"), form.boxes13a, {"New", "Overhaul"});
    x.block(QStringLiteral("13b"), {}, {});
    x.block(QStringLiteral("13c"), QStringLiteral("AuthNum"), h("AuthNum"));
    x.block(QStringLiteral("13d"), QStringLiteral("Name17"), h("Name17"));
    x.block(QStringLiteral("13e"), QStringLiteral("Date18"), h("Date18"));
    x.ticks(c, QStringLiteral("14a"), form.boxes14a, {"CFRRTS", "OtherRTS"});
    x.block(QStringLiteral("14b"), {}, {});
    x.block(QStringLiteral("14c"), QStringLiteral("CertNum"), h("CertNum"));
    x.block(QStringLiteral("14d"), QStringLiteral("Name22"), h("Name22"));
    x.block(QStringLiteral("14e"), QStringLiteral("Date23"), h("Date23"));
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("signatory"));
    w.writeAttribute(QStringLiteral("name"), signing.signatory);
    if (!signing.signerSha256.isEmpty())
        w.writeAttribute(QStringLiteral("certificateSha256"), signing.signerSha256.toLower());
    w.writeEndElement();
    w.writeTextElement(QStringLiteral("contentSha256"), c.sha256());
    if (!signing.corrects.isEmpty())
        w.writeTextElement(QStringLiteral("corrects"), signing.corrects);
    w.writeEndElement();
    w.writeEndDocument();
    return x.unwritable || w.hasError() ? QByteArray() : out;
}

} // namespace arc
