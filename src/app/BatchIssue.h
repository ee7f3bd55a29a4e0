#pragma once

#include "Progress.h"

#include <QObject>
#include <functional>
#include <optional>
#include <vector>

class QPrinter;
class QWidget;

namespace arc {

class CertificateOnScreen;
class CertificateScreen;
class DataFolder;
class ItemGridModel;
class MessageBoxes;
class SignIn;
struct CertificatePage;

// The BatchSerials button: copies of the certificate on screen, one per
// serial number, stored together; then their pages written to one PDF or
// printed, each signed page issued and archived as a single page is.
class BatchIssue : public QObject {
    Q_OBJECT
public:
    BatchIssue(CertificateOnScreen &certificate, CertificateScreen &screen, ItemGridModel &grid, DataFolder &folder,
               SignIn &signIn, MessageBoxes &messages, QWidget *window);

    // The first serial number and the count the user chose; nullopt when cancelled.
    struct Choice {
        QString first;
        int count = 0;
    };
    using ChoiceRunner = std::function<std::optional<Choice>(const QString &defaultFirst)>;
    // Seams: the dialog and the PDF file's name (empty when cancelled).
    // The printer is the print command's.
    void setChoiceRunner(ChoiceRunner runner) { m_choose = std::move(runner); }
    void setFileChooser(std::function<QString()> chooser) { m_chooseFile = std::move(chooser); }
    void setPrinter(QPrinter *printer) { m_printer = printer; }

    void run();
    // All the certificates' pages in one PDF file; signed pages are issued.
    bool writePdf(const std::vector<qint64> &keys, const QString &path);
    bool print(const std::vector<qint64> &keys);

private:
    // Issue the signed pages among `keys` and give every page; false (the
    // user told) when a page could not be read or issued. Not to be
    // stopped: each page is archived and logged as it is issued, and an
    // issued page stays issued, so a stop would leave some issued pages
    // without the file or print that carries them.
    bool pages(const std::vector<qint64> &keys, std::vector<CertificatePage> &out, const Progress &progress);

    CertificateOnScreen &m_certificate;
    CertificateScreen &m_screen;
    ItemGridModel &m_grid;
    DataFolder &m_folder;
    SignIn &m_signIn;
    MessageBoxes &m_messages;
    QWidget *m_window;
    ChoiceRunner m_choose;
    std::function<QString()> m_chooseFile;
    QPrinter *m_printer = nullptr;
};

} // namespace arc
