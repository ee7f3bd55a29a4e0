#pragma once

#include "CertificateContent.h"
#include "CertificatePage.h"

#include <QByteArray>
#include <optional>

namespace arc {

class CertificateOnScreen;
class CertificateScreen;
class DataFolder;
class ItemGridModel;
class MessageBoxes;
class PrintCommand;
class SignIn;

// Printing a signed page issues it: the certificate must first be the
// stored one, one copy of the page is kept in the data folder's archive
// and logged, and a certificate changed after issue is not issued again.
class IssuePrinting {
public:
    IssuePrinting(CertificateOnScreen &certificate, CertificateScreen &screen, ItemGridModel &grid,
                  DataFolder &folder, SignIn &signIn, MessageBoxes &messages);

    // Give the print command these steps.
    void attach(PrintCommand &print);

    // On opening a data source: finish or take back what a killed
    // program left half-issued.
    void finishInterrupted();

    bool mayIssue();
    // The page to issue, drawn from the stored certificate once the screen
    // holds it; nullopt when it does not.
    std::optional<CertificatePage> prepare();
    // The code the page on screen would carry, for the preview.
    QrMatrix previewCode();
    // Signed with the signed-in signatory's key, if he holds one; logged
    // with the findings of the check the user printed it anyway with.
    bool record(const QByteArray &pdf, const QRectF &signatureField, int copies, const QString &userFile,
                const QStringList &passedFindings);

private:
    // The stored certificate when the screen holds exactly that.
    std::optional<CertificateContent> storedAsShown();

    CertificateOnScreen &m_certificate;
    CertificateScreen &m_screen;
    ItemGridModel &m_grid;
    DataFolder &m_folder;
    SignIn &m_signIn;
    MessageBoxes &m_messages;
    // The one reading of the stored certificate a page is issued from.
    std::optional<CertificateContent> m_reading;
};

} // namespace arc
