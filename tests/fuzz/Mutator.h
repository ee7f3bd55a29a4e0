#pragma once

#include <QByteArray>
#include <QList>

namespace fuzz {

// Makes new inputs from known ones, deterministically: the same seed gives
// the same inputs in the same order. Each input gets one to four of these:
// a bit flipped, a byte set to one that matters to the parsers, a run of
// bytes dropped or repeated, a token or a number that overflows put in, the
// input cut short, or its end taken from another input.
class Mutator {
public:
    explicit Mutator(quint64 seed) : m_state(seed ? seed : 1) {}

    QByteArray mutated(QByteArray input, const QList<QByteArray> &others, const QList<QByteArray> &tokens);
    // A number below n (n > 0).
    qsizetype below(qsizetype n);

private:
    quint64 next();
    void once(QByteArray &input, const QList<QByteArray> &others, const QList<QByteArray> &tokens);

    quint64 m_state;
};

} // namespace fuzz
