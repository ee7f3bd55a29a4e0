#pragma once

#include "DataView.h"
#include "WriteTransaction.h"

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
