#pragma once

#include "DataView.h"
#include "Database.h"
#include "WriteTransaction.h"

#include <QSqlQuery>
#include <QVariantMap>
#include <gtest/gtest.h>

// `values` to a new row, or with `editFirst` to the first; the new row's key.
inline qint64 writeRow(arc::DataView &view, const QVariantMap &values, bool editFirst = false)
{
    arc::WriteTransaction tx(view.database());
    EXPECT_TRUE(editFirst ? view.moveFirst().ok() && view.edit().ok() : view.addNew().ok());
    const qint64 key = view.newKey().toLongLong();
    for (auto it = values.begin(); it != values.end(); ++it)
        view.setValue(it.key(), it.value());
    EXPECT_TRUE(view.update().ok());
    EXPECT_TRUE(tx.commit().ok());
    return key;
}

// The row of the one signatory named `name`; 0 when none or several are.
inline qint64 signatoryRow(arc::Database &reference, const QString &name)
{
    QSqlQuery q;
    if (!reference.run(q, QStringLiteral("SELECT rowid FROM \"Agents\" WHERE \"Name\" = ?"), {name}).ok() || !q.next())
        return 0;
    const qint64 row = q.value(0).toLongLong();
    return q.next() ? 0 : row;
}
