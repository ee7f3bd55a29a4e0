#pragma once

#include <QString>
#include <QStringList>

namespace arc {

class DataFolder;

// What moving the keys kept by name to their signatories' rows did.
struct NamedKeysMoved {
    // Names more than one signatory has: the key kept under such a name is
    // set aside for neither of them, and each needs a new certificate.
    QStringList shared;
    QString failure; // what could not be moved, in plain words; empty when all was
};

// Earlier versions kept a signatory's key under his name. On opening a
// data source each such key moves to the one signatory of that name (his
// row); when several share the name, to a set-aside entry nobody signs
// with. A key whose name no signatory has any more stays where it is.
class NamedKeys {
public:
    static NamedKeysMoved moveToRows(DataFolder &source);
    // The entry a key of a shared name is set aside in.
    static QString setAsideEntry(const QString &name);
    // What an administrator is told of `moved`; empty when nothing is to tell.
    static QString told(const NamedKeysMoved &moved);
};

} // namespace arc
