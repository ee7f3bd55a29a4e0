#pragma once

#include <QString>
#include <optional>

// Who may change what on the signatories panel. An administrator keeps
// every signatory; anyone else sees and edits only their own row.
namespace arc::SignatoryRights {

enum class Opening {
    Refused,        // the panel stays shut, without a word
    FirstSignatory, // nobody is stored yet: the panel opens on a new row
    Administrator,  // every signatory may be chosen, added and deleted
    OwnRowOnly,     // only the signed-in signatory's own row
};

// `ownRowFound`: the signed-in signatory's row is stored; `administrator`:
// that row holds the right; `master`: the master password was used to sign
// in instead.
Opening onOpening(bool ownRowFound, bool administrator, bool master, bool noneStored);
inline bool administers(Opening o) { return o == Opening::Administrator || o == Opening::FirstSignatory; }

// Whether "Yes" may be chosen: by an administrator, or with the master
// password typed into "Admin Password" while no one has the right.
bool mayChooseYes(bool administering, const QString &adminPassword, bool administratorExists);

enum class Deleting {
    Nothing,  // nothing chosen, a new row under way, or not an administrator
    SignedIn, // refused: whoever is signed in cannot delete themselves
    Allowed,
};
Deleting mayDelete(bool administering, bool adding, qint64 chosenRow, std::optional<qint64> signedInRow);

} // namespace arc::SignatoryRights

namespace arc::SignatoryRights {

enum class Certifying {
    Nothing, // no stored signatory chosen
    Refused, // neither an administrator nor the signatory himself
    Allowed,
};
// Making or bringing in a signatory's signing certificate.
Certifying mayCertify(bool administering, qint64 chosenRow, std::optional<qint64> signedInRow);

} // namespace arc::SignatoryRights
