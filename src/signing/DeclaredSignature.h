#pragma once

#include <QByteArray>
#include <QString>

namespace arc {

// The signature a PDF declares, found by following its own structure: from
// the last trailer and its cross-reference table to the catalogue, its
// form's signature field and that field's value. The value's /ByteRange
// and /Contents are taken only when the ranges begin at 0 and the gap
// between them is exactly the /Contents hex string; nothing else in the
// file is taken for a signature.
struct DeclaredSignature {
    enum class State {
        None,       // the file holds no signature at all
        Unreadable, // it holds one, but not one declared and laid out as a signature must be
        Found,
    };
    State state = State::None;
    QString problem; // why it is Unreadable

    // The signed bytes: [0, gapStart) and [gapEnd, signedEnd).
    qint64 gapStart = 0, gapEnd = 0, signedEnd = 0;
    QByteArray der; // the CMS signature /Contents holds, zeros after it included
    // The file holds another signature dictionary or signature field.
    bool others = false;

    static DeclaredSignature of(const QByteArray &pdf);
};

} // namespace arc
