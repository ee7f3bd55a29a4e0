#pragma once

#include "BlankRule.h"
#include "CertificateFields.h"
#include "FormDefinition.h"
#include "ItemLine.h"
#include "PaperSize.h"
#include "QrMatrix.h"

#include <QImage>
#include <QString>
#include <optional>

namespace arc {

// What shapes the page: three settings of the Defaults table, and the
// paper of block 4's organisation.
struct PrintSettings {
    // Print orientation from the first row's User1: none (null) gives the
    // older portrait layout, "2" landscape, anything else portrait.
    std::optional<QString> orientation;
    bool shade = false;        // first row's Shade is 1
    bool largeRemarks = false; // the "Custom" row's IncreaseTrack is 1
    // The paper block 4's organisation keeps; none: the form's.
    std::optional<Paper> paper;
};

// What the certificate screen holds at the moment of printing (the export
// choice is not printed). Multi-line texts break lines with CR LF; a null
// text prints as an empty one.
struct CertificatePage : CertificateEntries {
    PrintSettings settings;
    QString signer;   // the signed-in signatory's own name; empty for none
    QImage signature; // his electronic signature; null when he has none or does not use it
    // The QR code of an issued page, that leads to its verification; empty
    // on a draft.
    QrMatrix verification;

    // Block 13 applies (new parts) when row 0's status is NEW or PROTOTYPE,
    // in any case; block 14 (maintenance) otherwise.
    // The form it is printed as, whose texts the page takes.
    const FormDefinition &definition() const { return FormDefinition::of(form); }
    // The paper it prints on: its organisation's, else its form's.
    Paper paper() const { return settings.paper.value_or(PaperSize::forForm(form)); }

    bool block13Applies() const { return selectsBlock13(lineAt(lines, 0).status.toUpper()); }

    // What a printed box shows, and the message for a value it cannot hold.
    QString text(PrintedBox box) const;
    bool ticked(PrintedBox box) const;
    static QString tooLong(PrintedBox box);

    // The signature goes only under its owner's name: into a block whose
    // name box holds the signed-in signatory's name, never another's.
    bool signsAbove(const QString &name) const
    {
        return !signature.isNull() && signature.width() > 0 && signature.height() > 0 && !BlankRule::isBlank(signer)
               && name.trimmed() == signer.trimmed();
    }
    // Signed in either block, whichever applies: the page is a signed
    // release, not a draft.
    bool carriesSignature() const { return signsAbove(block13dName) || signsAbove(block14dName); }
};

} // namespace arc
