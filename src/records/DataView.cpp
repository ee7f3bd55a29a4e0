#include "DataView.h"

#include "Database.h"
#include "ReusedQuery.h"
#include "SqlDialectTables.h"

#include <QCoreApplication>
#include <QDate>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <atomic>
#include <limits>

namespace arc {

namespace {

struct DataViewTexts {
    Q_DECLARE_TR_FUNCTIONS(DataView)
};
// The key of the row an INSERT added: returned by the statement where the
// engine needs it asked for, else the driver's last insert id.
qint64 insertedKey(QSqlQuery &q, bool returned)
{
    if (returned)
        return q.next() ? q.value(0).toLongLong() : 0;
    return q.lastInsertId().toLongLong();
}
} // namespace

DataView::DataView(Database &db, const QString &table)
    : m_db(db), m_table(Schema::table(table)), m_row(std::make_unique<QSqlRecord>())
{
    Q_ASSERT(m_table);
}

DataView::~DataView() { showWholeTable(); }

QString DataView::rowIdColumn() const
{
    // Qualified: a result joins the table to its own.
    return SqlDialect::quoted(m_table->name) + QLatin1Char('.') + SqlDialect::rowIdOf(*m_table);
}

void DataView::setNoRow(bool bof, bool eof)
{
    m_bof = bof;
    m_eof = eof;
    *m_row = QSqlRecord();
    m_rowDeleted = false;
}

DbStatus DataView::load(qint64 rowId)
{
    ReusedQuery q;
    DbStatus s = m_db.run(q, QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(SqlDialect::quoted(m_table->name), rowIdColumn()),
                          {rowId});
    if (!s.ok())
        return s;
    if (!q->next())
        return DbStatus::failure(DbCondition::RecordGone, m_table->name);
    standOn(rowId, q->record());
    return {};
}

void DataView::standOn(qint64 rowId, const QSqlRecord &row)
{
    *m_row = row;
    m_rowId = rowId;
    m_bof = m_eof = false;
    m_rowDeleted = false;
}

DbStatus DataView::seek(const QString &condition, const QVariantList &binds, bool forward, Miss miss)
{
    const QString where = condition.isEmpty() ? QString() : QStringLiteral(" WHERE ") + condition;
    const QString order = forward ? QStringLiteral("ASC") : QStringLiteral("DESC");
    // The row found is read by the same statement, its key first.
    const QString sql = QStringLiteral("SELECT %1, %2.* FROM %2%3 ORDER BY %1 %4 LIMIT 1")
                            .arg(rowIdColumn(), SqlDialect::quoted(m_table->name), where, order);
    ReusedQuery q;
    if (DbStatus s = m_db.run(q, sql, binds); !s.ok())
        return s;
    if (q->next()) {
        QSqlRecord row = q->record();
        row.remove(0);
        m_noMatch = false;
        standOn(q->value(0).toLongLong(), row);
        return {};
    }
    missed(miss);
    return {};
}

void DataView::missed(Miss miss)
{
    m_noMatch = true;
    switch (miss) {
    case Miss::Bof: setNoRow(true, false); break;
    case Miss::Eof: setNoRow(false, true); break;
    case Miss::Both: setNoRow(true, true); break;
    case Miss::Stay: break;
    }
}

DbStatus DataView::walkResult(qint64 from, bool forward, const QSet<qint64> *only, Miss miss)
{
    const qint64 step = forward ? 1 : -1;
    for (qint64 place = from + step; place > 0; place += step) {
        if (DbStatus s = m_result.readUpTo(place); !s.ok())
            return s;
        if (place > static_cast<qint64>(m_result.keys().size()))
            break;
        const qint64 key = m_result.keys()[static_cast<size_t>(place - 1)];
        if (only && !only->contains(key))
            continue;
        const DbStatus s = load(key);
        if (s.is(DbCondition::RecordGone))
            continue; // deleted since the search
        if (!s.ok())
            return s;
        m_noMatch = false;
        m_place = place;
        return {};
    }
    missed(miss);
    return {};
}

DbStatus DataView::resultEnd(qint64 &end)
{
    const DbStatus s = m_result.readUpTo(std::numeric_limits<qint64>::max());
    end = static_cast<qint64>(m_result.keys().size()) + 1;
    return s;
}

DbStatus DataView::showResult(const QString &keyQuery, const QVariantList &binds, KeyOrder order,
                              const Database *keySource, const Narrowing &narrowing)
{
    // Read apart, so that a search that fails leaves the walk as it was.
    ResultKeys keys;
    const Database &source = keySource ? *keySource : m_db;
    if (DbStatus s = order == KeyOrder::Ascending ? keys.readAscending(source, keyQuery, binds, SqlDialect::rowIdOf(*m_table))
                                                  : keys.readAll(source, keyQuery, binds);
        !s.ok())
        return s;
    cancelUpdate();
    showWholeTable();
    m_showsResult = true;
    m_result = std::move(keys);
    m_resultQuery = keyQuery;
    m_resultBinds = binds;
    m_resultNarrowing = narrowing;
    m_resultOrder = order;
    setNoRow(true, true);
    return {};
}

void DataView::showWholeTable()
{
    if (!m_showsResult)
        return;
    m_showsResult = false;
    m_result = {};
    m_resultQuery.clear();
    m_resultBinds.clear();
    m_resultNarrowing = {};
    setNoRow(true, true);
}

DbStatus DataView::include(qint64 rowId)
{
    if (showsResult())
        m_result.include(rowId);
    return {};
}

DbStatus DataView::reread()
{
    if (!hasRow())
        return {};
    const qint64 place = m_place;
    const DbStatus s = load(m_rowId);
    m_place = place;
    return s;
}

DbStatus DataView::refresh()
{
    cancelUpdate();
    if (showsResult()) {
        const QString query = m_resultQuery;
        const QVariantList binds = m_resultBinds;
        const Narrowing narrowing = m_resultNarrowing;
        if (DbStatus s = showResult(query, binds, m_resultOrder, nullptr, narrowing); !s.ok())
            return s;
    }
    return moveFirst();
}

DbStatus DataView::moveFirst() { return showsResult() ? walkResult(0, true, nullptr, Miss::Both) : seek({}, {}, true, Miss::Both); }
DbStatus DataView::moveLast()
{
    if (!showsResult())
        return seek({}, {}, false, Miss::Both);
    qint64 end = 0;
    const DbStatus s = resultEnd(end);
    return s.ok() ? walkResult(end, false, nullptr, Miss::Both) : s;
}

DbStatus DataView::moveNext()
{
    if (m_eof)
        return DbStatus::failure(DbCondition::Other, DataViewTexts::tr("no current record"));
    if (showsResult())
        return walkResult(m_bof ? 0 : m_place, true, nullptr, Miss::Eof);
    if (m_bof)
        return seek({}, {}, true, Miss::Eof);
    return seek(rowIdColumn() + QStringLiteral(" > ?"), {place()}, true, Miss::Eof);
}

DbStatus DataView::movePrevious()
{
    if (m_bof)
        return DbStatus::failure(DbCondition::Other, DataViewTexts::tr("no current record"));
    if (showsResult() && !m_eof)
        return walkResult(m_place, false, nullptr, Miss::Bof);
    if (showsResult()) {
        qint64 end = 0;
        const DbStatus s = resultEnd(end);
        return s.ok() ? walkResult(end, false, nullptr, Miss::Bof) : s;
    }
    if (m_eof)
        return seek({}, {}, false, Miss::Bof);
    return seek(rowIdColumn() + QStringLiteral(" < ?"), {place()}, false, Miss::Bof);
}

DbStatus DataView::moveToRow(qint64 rowId)
{
    cancelUpdate();
    if (!showsResult())
        return load(rowId);
    const QSet<qint64> only{rowId};
    const DbStatus s = walkResult(0, true, &only, Miss::Stay);
    return s.ok() && m_noMatch ? DbStatus::failure(DbCondition::RecordGone, m_table->name) : s;
}

DbStatus DataView::find(const QString &criterion, const QVariantList &binds, bool forward, bool fromCurrent)
{
    const bool fromHere = fromCurrent && (hasRow() || m_rowDeleted);
    if (showsResult()) {
        // The rows meeting the criterion, then the first of them walked.
        QSqlQuery q;
        if (DbStatus s = m_db.run(q, QStringLiteral("SELECT %1 FROM %2 WHERE %3").arg(rowIdColumn(), SqlDialect::quoted(m_table->name), criterion), binds);
            !s.ok())
            return s;
        QSet<qint64> only;
        while (q.next())
            only.insert(q.value(0).toLongLong());
        qint64 from = fromHere ? m_place : 0;
        if (!fromHere && !forward)
            if (DbStatus s = resultEnd(from); !s.ok())
                return s;
        return walkResult(from, forward, &only, Miss::Stay);
    }
    QString condition = QLatin1Char('(') + criterion + QLatin1Char(')');
    QVariantList all = binds;
    if (fromHere) {
        condition += QStringLiteral(" AND %1 %2 ?").arg(rowIdColumn(), forward ? QStringLiteral(">") : QStringLiteral("<"));
        all << place();
    }
    return seek(condition, all, forward, Miss::Stay);
}

DbStatus DataView::forEachRow(const std::function<void(DataView &)> &fn)
{
    if (showsResult()) {
        DbStatus s = moveFirst();
        for (; s.ok() && hasRow(); s = moveNext())
            fn(*this);
        return s;
    }
    QSqlQuery q;
    DbStatus s = m_db.run(q, QStringLiteral("SELECT %1, %2.* FROM %2 ORDER BY %1").arg(rowIdColumn(), SqlDialect::quoted(m_table->name)));
    if (!s.ok())
        return s;
    bool any = false;
    while (q.next()) {
        QSqlRecord row = q.record();
        row.remove(0);
        standOn(q.value(0).toLongLong(), row);
        any = true;
        fn(*this);
    }
    m_noMatch = true;
    setNoRow(!any, true);
    return {};
}

DbStatus DataView::findFirst(const QString &c, const QVariantList &b) { return find(c, b, true, false); }
DbStatus DataView::findNext(const QString &c, const QVariantList &b) { return find(c, b, true, true); }
DbStatus DataView::findLast(const QString &c, const QVariantList &b) { return find(c, b, false, false); }
DbStatus DataView::findPrevious(const QString &c, const QVariantList &b) { return find(c, b, false, true); }

int DataView::recordCount(DbStatus *status) const
{
    return m_db.scalar(QStringLiteral("SELECT count(*) FROM ") + SqlDialect::quoted(m_table->name), {}, status).toInt();
}

bool DataView::tableHasRows(DbStatus *status) const
{
    return !m_db.scalar(QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(SqlDialect::quoted(m_table->name)), {}, status).isNull();
}

QVariant DataView::value(const QString &field) const
{
    if (!hasRow())
        return {};
    const QVariant raw = m_row->value(field);
    if (raw.isNull())
        return {};
    const FieldDef *f = m_table->field(field);
    if (!f)
        return raw;
    switch (f->type) {
    case FieldType::Date: {
        const QDate d = QDate::fromString(raw.toString(), Qt::ISODate);
        return d.isValid() ? QVariant(d) : QVariant();
    }
    case FieldType::YesNo:
        return raw.toInt() != 0;
    case FieldType::Counter:
    case FieldType::Long:
        return raw.toLongLong();
    case FieldType::Number:
    case FieldType::Text:
    case FieldType::Blob:
        return raw;
    }
    return raw;
}

QString DataView::text(const QString &field) const
{
    const QVariant v = value(field);
    return v.isNull() ? QString() : v.toString();
}

DbStatus DataView::addNew()
{
    cancelUpdate();
    m_edit = EditMode::Add;
    if (!m_table->hasCounter())
        return {};
    DbStatus s;
    QSqlQuery q;
    const QString returning = SqlDialect::returningKey(*m_table, m_db.engine());
    s = m_db.run(q, SqlDialect::insertDefaultRow(*m_table) + returning);
    if (!s.ok()) {
        m_edit = EditMode::None;
        return s;
    }
    m_newKey = insertedKey(q, !returning.isEmpty());
    return {};
}

DbStatus DataView::edit()
{
    cancelUpdate();
    if (!hasRow())
        return DbStatus::failure(DbCondition::Other, DataViewTexts::tr("no current record"));
    m_edit = EditMode::Edit;
    return {};
}

QVariant DataView::toStored(const FieldDef &f, const QVariant &v) const
{
    if (v.isNull() || !v.isValid())
        return QVariant();
    switch (f.type) {
    case FieldType::Date:
        return v.toDate().isValid() ? QVariant(v.toDate().toString(Qt::ISODate)) : QVariant();
    case FieldType::YesNo:
        return v.toBool() ? 1 : 0;
    default:
        return v;
    }
}

void DataView::setValue(const QString &name, const QVariant &value)
{
    // Field names are not case-sensitive; keep the schema's spelling.
    const FieldDef *f = m_table->field(name);
    const QString field = f ? f->name : name;
    if (!m_pending.contains(field))
        m_pendingOrder << field;
    m_pending.insert(field, value);
}

DbStatus DataView::update()
{
    if (m_edit == EditMode::None)
        return DbStatus::failure(DbCondition::NotEditing, m_table->name);

    QStringList fields;
    for (const QString &name : m_pendingOrder) {
        if (!m_table->field(name))
            return DbStatus::failure(DbCondition::ItemNotFound, name);
        fields << name;
    }
    const bool insert = m_edit == EditMode::Add && !m_table->hasCounter();
    const qint64 target = m_edit == EditMode::Add ? m_newKey.toLongLong() : m_rowId;

    QStringList refused;
    DbStatus s;
    for (;;) {
        QVariantList binds;
        for (const QString &name : fields)
            binds << toStored(*m_table->field(name), m_pending.value(name));
        QString sql;
        if (insert) {
            QStringList cols, marks;
            for (const QString &name : fields) {
                cols << SqlDialect::quoted(name);
                marks << QStringLiteral("?");
            }
            sql = (fields.isEmpty() ? SqlDialect::insertDefaultRow(*m_table)
                                    : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                          .arg(SqlDialect::quoted(m_table->name), cols.join(", "), marks.join(", ")))
                  + SqlDialect::returningKey(*m_table, m_db.engine());
        } else {
            if (fields.isEmpty()) {
                s = {}; // every value was refused: nothing is left to write
                break;
            }
            QStringList sets;
            for (const QString &name : fields)
                sets << SqlDialect::quoted(name) + QStringLiteral(" = ?");
            sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                      .arg(SqlDialect::quoted(m_table->name), sets.join(", "), rowIdColumn());
            binds << target;
        }
        ReusedQuery q;
        s = m_db.run(q, sql, binds);
        if (s.ok() && insert)
            m_lastAdded = insertedKey(*q, !SqlDialect::returningKey(*m_table, m_db.engine()).isEmpty());
        // Another program deleted the row since it was read: writing nothing
        // is not a save.
        if (s.ok() && !insert && q->numRowsAffected() == 0)
            s = DbStatus::failure(DbCondition::RecordGone, m_table->name);
        if (s.is(DbCondition::FieldTooSmall) && !s.refusedFields().isEmpty()
            && fields.removeAll(s.refusedFields().first()) > 0) {
            refused << s.refusedFields().first();
            continue;
        }
        break;
    }
    if (!s.ok())
        return s; // still editing: the caller may cancel or try again

    if (m_edit == EditMode::Add && m_table->hasCounter())
        m_lastAdded = target;
    const bool wasEdit = m_edit == EditMode::Edit;
    m_edit = EditMode::None;
    m_pending.clear();
    m_pendingOrder.clear();
    m_newKey = QVariant();
    // The row is written; unread again, it shows the values as written.
    if (wasEdit)
        (void)load(m_rowId);
    if (!refused.isEmpty()) {
        DbStatus r = DbStatus::failure(DbCondition::FieldTooSmall, refused.join(", "));
        r.setRefusedFields(refused);
        return r;
    }
    return {};
}

void DataView::cancelUpdate()
{
    if (m_edit == EditMode::Add && m_newKey.isValid())
        (void)m_db.exec(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(SqlDialect::quoted(m_table->name), rowIdColumn()),
                        {m_newKey});
    m_edit = EditMode::None;
    m_pending.clear();
    m_pendingOrder.clear();
    m_newKey = QVariant();
}

DbStatus DataView::deleteCurrent()
{
    if (!hasRow())
        return DbStatus::failure(DbCondition::Other, DataViewTexts::tr("no current record"));
    DbStatus s =
        m_db.exec(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(SqlDialect::quoted(m_table->name), rowIdColumn()), {m_rowId});
    if (s.ok()) {
        *m_row = QSqlRecord();
        m_rowDeleted = true;
    }
    return s;
}

} // namespace arc
