#include "Mutator.h"

#include <iterator>

namespace fuzz {

namespace {

// What the parsers look for, and numbers at the edges of their types.
const char kBytes[] = "0123456789<>[]()/%\\ \n\r\t\"',@:?&=#+-\x00\xff";
const QByteArray kNumbers[] = {"0", "-1", "2147483647", "2147483648", "4294967296", "9223372036854775807",
                               "9223372036854775808", "18446744073709551616", "99999999999999999999999"};
// Inputs are kept below this size so that a run makes many of them.
constexpr qsizetype kMaxSize = 1 << 20;

} // namespace

quint64 Mutator::next()
{
    // xorshift64*
    m_state ^= m_state >> 12;
    m_state ^= m_state << 25;
    m_state ^= m_state >> 27;
    return m_state * 2685821657736338717ULL;
}

qsizetype Mutator::below(qsizetype n) { return qsizetype(next() % quint64(n)); }

QByteArray Mutator::mutated(QByteArray input, const QList<QByteArray> &others, const QList<QByteArray> &tokens)
{
    for (qsizetype times = 1 + below(4); times > 0; --times)
        once(input, others, tokens);
    if (input.size() > kMaxSize)
        input.truncate(kMaxSize);
    return input;
}

void Mutator::once(QByteArray &input, const QList<QByteArray> &others, const QList<QByteArray> &tokens)
{
    const qsizetype size = input.size();
    const qsizetype at = below(size + 1);
    // A run's length: mostly short, now and then long.
    const auto runLength = [&] { return 1 + below(below(8) == 0 ? qMax<qsizetype>(size / 2, 1) : 16); };
    switch (below(8)) {
    case 0:
        if (at < size)
            input[at] = char(input[at] ^ (1 << below(8)));
        break;
    case 1:
        if (at < size)
            input[at] = kBytes[below(sizeof kBytes - 1)];
        break;
    case 2:
        input.remove(at, runLength());
        break;
    case 3: {
        const QByteArray run = input.mid(below(size + 1), runLength());
        input.insert(below(input.size() + 1), run);
        break;
    }
    case 4:
        if (!tokens.isEmpty())
            input.insert(at, tokens[below(tokens.size())]);
        break;
    case 5: {
        // A number of the input, or any place, given an edge value.
        qsizetype from = at;
        while (from < size && !(input[from] >= '0' && input[from] <= '9'))
            ++from;
        qsizetype to = from;
        while (to < size && input[to] >= '0' && input[to] <= '9')
            ++to;
        input.replace(from < size ? from : at, to - from, kNumbers[below(std::size(kNumbers))]);
        break;
    }
    case 6:
        // Cut short now and then: most inputs keep their end.
        if (below(4) == 0)
            input.truncate(at);
        else if (at < size)
            input[at] = char(below(256));
        break;
    default:
        if (!others.isEmpty()) {
            const QByteArray &other = others[below(others.size())];
            input = input.left(at) + other.mid(below(other.size() + 1));
        }
    }
}

} // namespace fuzz
