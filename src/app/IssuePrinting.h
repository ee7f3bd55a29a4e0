#pragma once

#include <QByteArray>

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

    bool mayIssue();
    bool prepare();
    bool record(const QByteArray &pdf, int copies);

private:
    // The screen holds exactly what is stored for the certificate shown.
    bool screenIsStored();

    CertificateOnScreen &m_certificate;
    CertificateScreen &m_screen;
    ItemGridModel &m_grid;
    DataFolder &m_folder;
    SignIn &m_signIn;
    MessageBoxes &m_messages;
};

} // namespace arc
