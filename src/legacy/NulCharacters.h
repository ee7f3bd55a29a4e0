#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QVariant>

namespace arc::NulCharacters {

// Removes the NUL characters from one column's texts, which the server
// cannot store and no box lets the user type; how many went.
inline int removeFrom(QList<QVariantList> &rows, int column)
{
    int removed = 0;
    for (QVariantList &row : rows) {
        QVariant &v = row[column];
        if (v.isNull() || v.typeId() != QMetaType::QString)
            continue;
        QString text = v.toString();
        const qsizetype before = text.size();
        text.remove(QChar(0));
        if (text.size() != before) {
            removed += int(before - text.size());
            v = text;
        }
    }
    return removed;
}

// The line telling the user about it.
inline QString reported(const QString &where, int removed)
{
    return QCoreApplication::translate("NulCharacters", "%1: %2 NUL characters removed from its texts").arg(where).arg(removed);
}

} // namespace arc::NulCharacters
