#pragma once

#include "DbStatus.h"
#include "ResultKeys.h"
#include "Schema.h"

#include <QSet>
#include <QVariantList>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

QT_FORWARD_DECLARE_CLASS(QSqlRecord)

namespace arc {

class Database;

// An updatable cursor over one table, in stored (row id) order, or over
// the rows a search selected. Moves read only the row they land on, so a
// cursor over a large table costs nothing to open. Criteria are SQL
// conditions written by our code with "?" placeholders; the values always
// travel as bound parameters.
class DataView {
public:
    DataView(Database &db, const QString &table);
    ~DataView();
    DataView(const DataView &) = delete;
    DataView &operator=(const DataView &) = delete;

    const TableDef &table() const { return *m_table; }
    Database &database() const { return m_db; }

    // Re-read the table (or run the search again) and stand on its first row.
    DbStatus refresh();

    // Walk, instead of the whole table, the rows whose keys (the counter,
    // else the row id) `keyQuery` selects, in its order or in the keys'
    // order: a key selected twice is stood on twice. The keys are kept as
    // they were found; rows deleted since are passed over. Stands on no row
    // until moved. The keys are held here, not on the server, and a lost
    // connection loses nothing of them. In the keys' order they are read a
    // part at a time as the walk reaches them: a large result costs the
    // read of its first part; the last row, or a walk back from the end,
    // reads them all.
    enum class KeyOrder { AsSelected, Ascending };
    // A condition every key of the result meets, over the row `r` of
    // another table by the same key (empty: none known): a walk of that
    // table in another order checks it before asking the key query.
    struct Narrowing {
        QString condition;
        QVariantList binds;
    };
    // `keySource`, given, answers the key query instead of the view's own
    // database (a standby of it); a refresh asks the view's own.
    DbStatus showResult(const QString &keyQuery, const QVariantList &binds = {}, KeyOrder order = KeyOrder::AsSelected,
                        const Database *keySource = nullptr, const Narrowing &narrowing = {});
    void showWholeTable();
    bool showsResult() const { return m_showsResult; }
    // The keys of the result walked read so far, in walking order (place n
    // is the n-th key); empty while the whole table is walked.
    const std::vector<qint64> &resultKeys() const { return m_result.keys(); }
    // Whether every key of the result is read.
    bool resultRead() const { return m_result.complete(); }
    // Read the result's keys on until `places` are held, or all of them.
    DbStatus readResult(qint64 places) { return m_result.readUpTo(places); }
    // Read one more part of the result's keys, if any is left.
    DbStatus readResultPart() { return m_result.readPart(); }
    // The query of the result walked and its values.
    const QString &resultQuery() const { return m_resultQuery; }
    const QVariantList &resultBinds() const { return m_resultBinds; }
    const Narrowing &resultNarrowing() const { return m_resultNarrowing; }
    // A row stored while a result is walked joins its end, as a row added
    // through the cursor would; nothing changes while the whole table is.
    DbStatus include(qint64 rowId);

    bool isBof() const { return m_bof; }
    bool isEof() const { return m_eof; }
    bool isEmpty() const { return m_bof && m_eof; }
    bool hasRow() const { return !m_bof && !m_eof && !m_rowDeleted; }

    DbStatus moveFirst();
    DbStatus moveLast();
    DbStatus moveNext();
    DbStatus movePrevious();
    // Stand on the row with this row id (a key kept from an earlier read);
    // while a result is walked, on its first place there.
    DbStatus moveToRow(qint64 rowId);
    // Read the current row again, after a write through another cursor.
    DbStatus reread();

    // Stand on every row in turn, first to last, while `fn` reads it; the
    // view ends past its last row, as after moving through them. The whole
    // table is read by one statement.
    DbStatus forEachRow(const std::function<void(DataView &)> &fn);

    // Finds leave the cursor where it was when nothing matches.
    DbStatus findFirst(const QString &criterion, const QVariantList &binds = {});
    DbStatus findNext(const QString &criterion, const QVariantList &binds = {});
    DbStatus findLast(const QString &criterion, const QVariantList &binds = {});
    DbStatus findPrevious(const QString &criterion, const QVariantList &binds = {});
    bool noMatch() const { return m_noMatch; }

    int recordCount(DbStatus *status = nullptr) const;
    // Whether the table holds any row; cheaper than counting them.
    bool tableHasRows(DbStatus *status = nullptr) const;

    // The current row's field, typed by the schema (QDate for dates, bool
    // for Yes/No); null when the field is null or there is no current row.
    QVariant value(const QString &field) const;
    // The field as text, "" when null.
    QString text(const QString &field) const;
    qint64 rowId() const { return m_rowId; }

    // Start a new row. A table with a counter key gets its row (and key) at
    // once, so call this inside a WriteTransaction; cancelUpdate removes it.
    DbStatus addNew();
    DbStatus edit();
    void setValue(const QString &field, const QVariant &value);
    // Write the pending row. A value refused as too long for its field is
    // left out, the rest is written, and the status says FieldTooSmall with
    // the refused fields. An edited row that is no longer stored gives
    // RecordGone.
    DbStatus update();
    void cancelUpdate();
    bool isEditing() const { return m_edit != EditMode::None; }
    // The key of the row being added (counter tables), or null.
    QVariant newKey() const { return m_edit == EditMode::Add ? m_newKey : QVariant(); }

    DbStatus deleteCurrent();
    // The row id of the row the last update added.
    qint64 lastAddedRowId() const { return m_lastAdded; }

private:
    enum class EditMode { None, Edit, Add };
    enum class Miss { Bof, Eof, Both, Stay };

    // Move to the first row (in the given direction) meeting the condition.
    DbStatus seek(const QString &condition, const QVariantList &binds, bool forward, Miss miss);
    // Within a result: stand on the first place past `from` (before it,
    // walking back) whose row is still stored and, given `only`, whose key
    // is one of those.
    DbStatus walkResult(qint64 from, bool forward, const QSet<qint64> *only, Miss miss);
    // The place past the last, every key read first.
    DbStatus resultEnd(qint64 &end);
    void missed(Miss miss);
    DbStatus find(const QString &criterion, const QVariantList &binds, bool forward, bool fromCurrent);
    DbStatus load(qint64 rowId);
    void standOn(qint64 rowId, const QSqlRecord &row);
    void setNoRow(bool bof, bool eof);
    QString rowIdColumn() const;
    // The current row's place in the walk.
    qint64 place() const { return showsResult() ? m_place : m_rowId; }
    QVariant toStored(const FieldDef &f, const QVariant &v) const;

    Database &m_db;
    const TableDef *m_table;
    bool m_bof = true;
    bool m_eof = true;
    qint64 m_rowId = 0;
    qint64 m_place = 0; // the place in the result
    std::unique_ptr<QSqlRecord> m_row; // never null

    bool m_showsResult = false;
    ResultKeys m_result; // the result walked, one key per place
    QString m_resultQuery;
    QVariantList m_resultBinds;
    Narrowing m_resultNarrowing;
    KeyOrder m_resultOrder = KeyOrder::AsSelected;
    bool m_rowDeleted = false;
    bool m_noMatch = false;

    EditMode m_edit = EditMode::None;
    QVariantMap m_pending;    // field name -> stored value
    QStringList m_pendingOrder;
    QVariant m_newKey;
    qint64 m_lastAdded = 0;
};

} // namespace arc
