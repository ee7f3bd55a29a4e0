#include "MdbTable.h"

namespace arc {

qsizetype MdbTable::rowCount() const { return columns.isEmpty() ? 0 : fieldCount() / columns.size(); }

QVariant MdbTable::value(qsizetype row, int column) const
{
    const qsizetype field = row * columns.size() + column;
    if (m_null[static_cast<size_t>(field)])
        return {};
    if (!m_changed.isEmpty())
        if (const auto it = m_changed.constFind(field); it != m_changed.cend())
            return *it;
    const qsizetype from = start(field);
    return QString::fromUtf8(m_text.constData() + from, m_ends[static_cast<size_t>(field)] - from);
}

void MdbTable::append(const QByteArray &utf8, bool null)
{
    m_text += utf8;
    m_ends.push_back(m_text.size());
    m_null.push_back(null);
}

int MdbTable::removeNuls(int column)
{
    int removed = 0;
    for (qsizetype row = 0; row < rowCount(); ++row) {
        const qsizetype field = row * columns.size() + column;
        const qsizetype from = start(field);
        const QByteArrayView bytes(m_text.constData() + from, m_ends[static_cast<size_t>(field)] - from);
        if (m_null[static_cast<size_t>(field)] || !bytes.contains('\0'))
            continue;
        QString text = value(row, column).toString();
        const qsizetype before = text.size();
        text.remove(QChar(0));
        removed += int(before - text.size());
        m_changed.insert(field, text);
    }
    return removed;
}

} // namespace arc
