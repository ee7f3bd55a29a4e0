#include "CertificateStore.h"

#include "BlankRule.h"
#include "DateText.h"
#include "LineBreaks.h"
#include "ReusedQuery.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include "SqlDialectLocks.h"
#include "WriteTransaction.h"

namespace arc {

namespace {

struct CertificateStoreTexts {
    Q_DECLARE_TR_FUNCTIONS(CertificateStore)
};

void setText(DataView &v, const char *field, const QString &screenText)
{
    v.setValue(QString::fromLatin1(field), BlankRule::stored(LineBreaks::toStored(screenText)));
}

// A list entry by its name; null when none was chosen.
void setChoice(DataView &v, const char *field, const QString &name)
{
    v.setValue(QString::fromLatin1(field), name.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(name));
}

// A date box is written only when it holds a date; otherwise the row keeps
// what it had.
void setDate(DataView &v, const char *field, const QString &text)
{
    if (BlankRule::isBlank(text))
        return;
    const QDate d = DateText::parse(text);
    if (d.isValid())
        v.setValue(QString::fromLatin1(field), d);
}

// The certificate's lines up to the first empty one, in one statement.
DbStatus insertLines(Database &db, const ItemSlots &lines, qint64 formIndex)
{
    const auto fields = CertificateFields::of(StoredTable::Detail);
    QStringList columns{SqlDialect::quoted(QStringLiteral("FormIndex"))};
    for (const CertificateField *f : fields)
        columns << SqlDialect::quoted(QString::fromLatin1(f->column));
    const QString row = QLatin1Char('(') + QStringList(columns.size(), QStringLiteral("?")).join(QStringLiteral(", ")) + QLatin1Char(')');
    QStringList rows;
    QVariantList binds;
    for (const ItemLine &line : lines) {
        if (line.isEmptyLine())
            break;
        rows << row;
        binds << formIndex;
        for (const CertificateField *f : fields)
            binds << BlankRule::stored(LineBreaks::toStored(line.*f->lineText));
    }
    if (rows.isEmpty())
        return {};
    return db.exec(QStringLiteral("INSERT INTO \"Detail\" (%1) VALUES %2")
                       .arg(columns.join(QStringLiteral(", ")), rows.join(QStringLiteral(", "))),
                   binds);
}

// Too long a value is reported but does not stop the save.
bool failed(const DbStatus &s, bool &tooLong)
{
    if (s.is(DbCondition::FieldTooSmall)) {
        tooLong = true;
        return false;
    }
    return !s.ok();
}

} // namespace

CertificateHeader CertificateStore::currentHeader() const
{
    const DataView &h = m_folder.header();
    CertificateHeader c;
    c.formIndex = h.value(QStringLiteral("FormIndex")).toLongLong();
    for (const CertificateField *f : CertificateFields::of(StoredTable::Header)) {
        const QString column = QString::fromLatin1(f->column);
        if (f->flag)
            c.*f->flag = h.value(column).toBool();
        else if (f->date)
            c.*f->date = h.value(column).toDate();
        else
            c.*f->text = h.text(column);
    }
    return c;
}

DbStatus CertificateStore::repairOrphanLines()
{
    Database &db = m_folder.certificates();
    DbStatus s;
    const QVariant orphan =
        db.scalar(QStringLiteral("SELECT 1 FROM \"Detail\" WHERE \"FormIndex\" IS NULL LIMIT 1"), {}, &s);
    if (!s.ok() || orphan.isNull())
        return s;
    WriteTransaction tx(db);
    if (!tx.ok())
        return tx.status();
    if (s = db.exec(QStringLiteral("UPDATE \"Detail\" SET \"FormIndex\" = 0 WHERE \"FormIndex\" IS NULL")); !s.ok())
        return s;
    return tx.commit();
}

DbStatus CertificateStore::loadLines(qint64 formIndex, ItemSlots &lines)
{
    lines = {};
    DbStatus s = repairOrphanLines();
    if (!s.ok())
        return s;
    s = readLinesAtOnce(m_folder.certificates(), formIndex, lines);
    const DataView &h = m_folder.header();
    if (s.ok() && h.hasRow() && h.value(QStringLiteral("FormIndex")).toLongLong() == formIndex)
        m_shown = {formIndex, fingerprint(h, lines)};
    else
        m_shown = {};
    lines = paddedLines(std::move(lines));
    return s;
}

QString CertificateStore::fingerprint(const DataView &header, const ItemSlots &lines)
{
    QStringList parts;
    for (const FieldDef &f : header.table().fields)
        parts << (header.value(f.name).isNull() ? QStringLiteral("\x01") : header.text(f.name));
    for (const ItemLine &l : lines)
        for (const CertificateField *f : CertificateFields::of(StoredTable::Detail))
            parts << l.*f->lineText;
    return parts.join(QChar(0x1f));
}

DbStatus CertificateStore::checkUnchanged(DataView &header, qint64 formIndex)
{
    if (m_shown.formIndex != formIndex)
        return {}; // never shown here: nothing to compare with
    ItemSlots lines;
    if (DbStatus s = readLinesAtOnce(header.database(), formIndex, lines); !s.ok())
        return s;
    if (fingerprint(header, lines) == m_shown.fingerprint)
        return {};
    return DbStatus::failure(DbCondition::ChangedElsewhere,
                             CertificateStoreTexts::tr("the certificate was changed elsewhere since it was shown"));
}

DbStatus CertificateStore::rememberStored(DataView &header, qint64 formIndex)
{
    DbStatus s = header.moveToRow(formIndex);
    ItemSlots lines;
    if (s.ok())
        s = readLinesAtOnce(header.database(), formIndex, lines);
    if (s.ok())
        m_shown = {formIndex, fingerprint(header, lines)};
    return s;
}

DbStatus CertificateStore::readLinesAtOnce(Database &db, qint64 formIndex, ItemSlots &lines)
{
    // One statement, not a cursor step per line: on a server each step
    // is a round trip, and a step and a save read them.
    lines = {};
    const auto columns = CertificateFields::of(StoredTable::Detail);
    QStringList names;
    for (const CertificateField *f : columns)
        names << QStringLiteral("\"%1\"").arg(QLatin1String(f->column));
    // A folder made elsewhere may hold more than a certificate takes: the
    // lines past the limit are read, so that nothing is lost unseen.
    ReusedQuery q;
    const DbStatus s = db.run(q, QStringLiteral("SELECT %1 FROM \"Detail\" WHERE \"FormIndex\" = ? ORDER BY rowid")
                                     .arg(names.join(QStringLiteral(", "))),
                              {formIndex});
    while (s.ok() && q->next()) {
        ItemLine &line = lines.emplace_back();
        for (int i = 0; i < int(columns.size()); ++i)
            line.*columns[i]->lineText = q->value(i).isNull() ? QString() : q->value(i).toString();
    }
    return s;
}

} // namespace arc

namespace arc {

DbStatus CertificateStore::save(const CertificateEntries &e, bool asNew, qint64 &formIndex)
{
    DataView &h = m_folder.header();
    qint64 key = asNew ? 0 : formIndex;
    bool tooLong = false;
    const DbStatus s = writeCertificate(e, asNew, key, tooLong);
    if (!s.ok())
        return s; // everything was rolled back
    formIndex = key;
    // The certificate is stored: a view that cannot follow it now says so
    // when it is next moved.
    if (asNew) {
        (void)h.include(key);
        (void)h.findFirst(QStringLiteral("\"FormIndex\" = ?"), {key});
    } else if (h.hasRow() && h.rowId() == key) {
        (void)h.reread();
    }
    (void)m_folder.detail().refresh();
    (void)m_folder.defaults().refresh();
    return tooLong ? DbStatus::failure(DbCondition::FieldTooSmall) : DbStatus();
}

DbStatus CertificateStore::writeCertificate(const CertificateEntries &e, bool add, qint64 &formIndex, bool &tooLong)
{
    Database &db = m_folder.certificates();
    // A cursor of its own: the screen's may walk a search that no longer
    // holds the certificate on screen.
    DataView h(db, QStringLiteral("Header"));
    WriteTransaction tx(db);
    if (!tx.ok())
        return tx.status();

    DbStatus s;
    if (add) {
        if (s = h.addNew(); !s.ok())
            return s;
        formIndex = h.newKey().toLongLong();
    } else {
        // Other stations wait here until this save is committed, and this
        // one reads what they committed before.
        if (const QString lock = SqlDialect::lockRow(h.table(), db.engine()); !lock.isEmpty())
            if (s = db.exec(lock, {formIndex}); !s.ok())
                return s;
        // A stored certificate whose row is gone (deleted at another
        // workstation) is not quietly stored as a new one: the caller asks.
        if (s = h.moveToRow(formIndex); !s.ok())
            return s;
        if (s = checkUnchanged(h, formIndex); !s.ok())
            return s;
        if (s = h.edit(); !s.ok())
            return s;
    }
    for (const CertificateField *f : CertificateFields::of(StoredTable::Header)) {
        switch (f->kind) {
        case FieldKind::Flag: h.setValue(QString::fromLatin1(f->column), e.*f->flag); break;
        case FieldKind::Date: setDate(h, f->column, e.*f->dateText); break;
        case FieldKind::Choice: setChoice(h, f->column, e.*f->text); break;
        case FieldKind::Line:
        case FieldKind::Lines: setText(h, f->column, e.*f->text); break;
        }
    }
    if (s = h.update(); failed(s, tooLong)) {
        h.cancelUpdate();
        return s;
    }

    if (s = db.exec(QStringLiteral("DELETE FROM \"Detail\" WHERE \"FormIndex\" = ?"), {formIndex}); !s.ok())
        return s;
    s = insertLines(db, e.lines, formIndex);
    if (s.is(DbCondition::FieldTooSmall)) {
        // A value too long for its field refused them all: one by one,
        // each written without what is refused.
        DataView &d = m_folder.detail();
        for (const ItemLine &line : e.lines) {
            if (line.isEmptyLine())
                break;
            if (s = d.addNew(); !s.ok())
                return s;
            d.setValue(QStringLiteral("FormIndex"), formIndex);
            for (const CertificateField *f : CertificateFields::of(StoredTable::Detail))
                setText(d, f->column, line.*f->lineText);
            if (s = d.update(); failed(s, tooLong)) {
                d.cancelUpdate();
                return s;
            }
        }
    } else if (!s.ok()) {
        return s;
    }
    const Shown before = m_shown;
    if (s = rememberStored(h, formIndex); !s.ok())
        return s;
    if (s = tx.commit(); !s.ok())
        m_shown = before;
    return s;
}

DbStatus CertificateStore::deleteCurrent()
{
    DataView &h = m_folder.header();
    const qint64 key = h.value(QStringLiteral("FormIndex")).toLongLong();
    const DbStatus s = removeCertificate();
    // Still stored: stand on it again. The first failure is the one told.
    if (!s.ok() && key > 0)
        (void)h.findFirst(QStringLiteral("\"FormIndex\" = ?"), {key});
    (void)m_folder.detail().refresh();
    return s;
}

DbStatus CertificateStore::removeCertificate()
{
    Database &db = m_folder.certificates();
    DataView &h = m_folder.header();
    if (!h.hasRow())
        return DbStatus::failure(DbCondition::Other, CertificateStoreTexts::tr("no certificate to delete"));
    WriteTransaction tx(db);
    if (!tx.ok())
        return tx.status();
    const qint64 key = h.value(QStringLiteral("FormIndex")).toLongLong();
    DbStatus s = db.exec(QStringLiteral("DELETE FROM \"Detail\" WHERE \"FormIndex\" = ?"), {key});
    if (!s.ok())
        return s;
    if (s = h.deleteCurrent(); !s.ok())
        return s;
    return tx.commit();
}

} // namespace arc
