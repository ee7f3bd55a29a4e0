#include "IncrementalUpdate.h"

#include <algorithm>

namespace arc {

IncrementalUpdate::IncrementalUpdate(const QByteArray &pdf) : m_out(pdf)
{
    if (!m_out.endsWith('\n'))
        m_out += '\n';
}

void IncrementalUpdate::add(PdfRef ref, const QByteArray &body)
{
    m_offsets.append({ref, m_out.size()});
    m_out += QByteArray::number(ref.number) + ' ' + QByteArray::number(ref.generation) + " obj\n" + body + "\nendobj\n";
}

QByteArray IncrementalUpdate::finish(const PdfStructure &s, int size)
{
    std::sort(m_offsets.begin(), m_offsets.end(), [](const Entry &a, const Entry &b) { return a.ref.number < b.ref.number; });
    const qsizetype xref = m_out.size();
    m_out += "xref\n";
    for (qsizetype i = 0; i < m_offsets.size();) {
        qsizetype run = i + 1;
        while (run < m_offsets.size() && m_offsets[run].ref.number == m_offsets[run - 1].ref.number + 1)
            ++run;
        m_out += QByteArray::number(m_offsets[i].ref.number) + ' ' + QByteArray::number(run - i) + '\n';
        for (; i < run; ++i)
            m_out += QByteArray::number(m_offsets[i].offset).rightJustified(10, '0') + ' '
                + QByteArray::number(m_offsets[i].ref.generation).rightJustified(5, '0') + " n \n";
    }
    QByteArray trailer = "<<\n/Size " + QByteArray::number(size) + "\n/Root " + s.root().text();
    for (const char *kept : {"/Info", "/ID"}) {
        qsizetype at = PdfStructure::valueOf(s.trailer(), kept);
        if (at < 0)
            continue;
        while (at < s.trailer().size() && QByteArrayView(" \r\n\t").contains(s.trailer()[at]))
            ++at;
        if (at >= s.trailer().size())
            continue;
        const qsizetype end =
            s.trailer()[at] == '[' ? PdfStructure::closing(s.trailer(), at) : s.trailer().indexOf('R', at) + 1;
        if (end > at)
            trailer += '\n' + QByteArray(kept) + ' ' + s.trailer().mid(at, end - at).trimmed();
    }
    trailer += "\n/Prev " + QByteArray::number(s.startXref()) + "\n>>";
    m_out += "trailer\n" + trailer + "\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return m_out;
}

} // namespace arc
