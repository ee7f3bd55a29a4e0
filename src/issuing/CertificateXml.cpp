#include "CertificateXml.h"

#include "CertificateContent.h"
#include "CertificateFields.h"
#include "FormDefinition.h"
#include "FormNames.h"

#include <QDate>
#include <QRegularExpression>
#include <algorithm>
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
               const std::vector<const CertificateField *> &fields)
    {
        w.writeStartElement(QStringLiteral("ticks"));
        w.writeAttribute(QStringLiteral("number"), number);
        w.writeAttribute(QStringLiteral("name"), blockName(m_form, number));
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const QVariant v = c.value(QLatin1String(fields[i]->column));
            w.writeStartElement(QStringLiteral("tick"));
            w.writeAttribute(QStringLiteral("field"), QLatin1String(fields[i]->column));
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

// The form's blocks in their order: those whose captions the page prints,
// and block 2, its title.
QStringList blocksInOrder()
{
    QStringList blocks = FormDefinition::pageBlocks();
    blocks << QStringLiteral("2");
    const auto key = [](const QString &block) {
        qsizetype digits = 0;
        while (digits < block.size() && block[digits].isDigit())
            ++digits;
        return std::pair(block.left(digits).toInt(), block.mid(digits));
    };
    std::stable_sort(blocks.begin(), blocks.end(), [&](const QString &a, const QString &b) { return key(a) < key(b); });
    return blocks;
}

// The fields of the certificate the page prints in a block.
std::vector<const CertificateField *> printedIn(StoredTable table, const QString &block)
{
    std::vector<const CertificateField *> out;
    for (const CertificateField *f : CertificateFields::of(table))
        if (f->printed != PrintedBox::None && block == QLatin1String(f->block))
            out.push_back(f);
    return out;
}

} // namespace

QByteArray CertificateXml::of(const CertificateContent &c, const Signing &signing)
{
    const QVariant storedForm = c.value(QLatin1String(CertificateFields::holding(&CertificateBlocks::form).column));
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
    for (const PrintedBox box : {PrintedBox::ApprovalNo, PrintedBox::CertificateNo}) {
        const CertificateField &f = *CertificateFields::byPrintedBox(box);
        w.writeStartElement(QStringLiteral("approval"));
        w.writeAttribute(QStringLiteral("block"), QLatin1String(f.block));
        w.writeCharacters(h(f.column).toString().trimmed());
        w.writeEndElement();
    }
    w.writeEndElement();

    // Every block in the form's order, with the fields printed in it; the
    // item lines stand for the blocks of their columns.
    w.writeStartElement(QStringLiteral("blocks"));
    const std::vector<const CertificateField *> columns = CertificateFields::of(StoredTable::Detail);
    for (const QString &number : blocksInOrder()) {
        if (!printedIn(StoredTable::Detail, number).empty()) {
            if (number != QLatin1String(columns.front()->block))
                continue;
            w.writeStartElement(QStringLiteral("items"));
            int line = 0;
            for (const CertificateContent::Line &values : c.lines()) {
                w.writeStartElement(QStringLiteral("item"));
                w.writeAttribute(QStringLiteral("line"), QString::number(++line));
                for (std::size_t f = 0; f < std::size_t(CertificateContent::kLineFields); ++f)
                    x.block(QLatin1String(columns[f]->block), QLatin1String(columns[f]->column), values[f]);
                w.writeEndElement();
            }
            w.writeEndElement();
            continue;
        }
        const std::vector<const CertificateField *> fields = printedIn(StoredTable::Header, number);
        if (fields.empty()) {
            x.block(number, {},
                    number == QLatin1String("2") ? form.title.join(QLatin1Char(' ')).simplified() : QString());
        } else if (fields.front()->kind == FieldKind::Flag) {
            x.ticks(c, number, number.startsWith(QLatin1String("13")) ? form.boxes13a : form.boxes14a, fields);
        } else {
            // Two fields of one block stand side by side.
            static const QString sides[] = {QStringLiteral("left"), QStringLiteral("right")};
            for (std::size_t i = 0; i < fields.size(); ++i)
                x.block(number, QLatin1String(fields[i]->column), h(fields[i]->column),
                        fields.size() > 1 ? sides[std::min<std::size_t>(i, 1)] : QString());
        }
    }
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
