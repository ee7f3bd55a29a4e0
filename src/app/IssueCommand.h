#pragma once

#include "CertificatePage.h"
#include "Finding.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace arc {

class CertificateOnScreen;
class CertificateScreen;
class DataFolder;
class ItemGridModel;
class MessageBoxes;
class PrintCommand;
class SignIn;
class CertificateContent;
struct IssueRequest;
struct IssueResult;
struct IssueRun;

// Printing or writing a page that carries the signature of the block that
// applies issues it, one certificate or a run of them alike, in one order:
// check; if the user goes on, save (or refuse); read the stored
// certificate back; draw; sign; archive; log; hand out the copies (paper,
// the user's PDF file, or a run's folder). A PDF file is chosen after the
// save, before drawing; a token's PIN when the pages are signed. A page
// without that signature is a draft: checked, then printed or written as
// the screen shows it, never saved, kept or logged.
class IssueCommand : public QObject {
    Q_OBJECT
public:
    IssueCommand(CertificateOnScreen &certificate, CertificateScreen &screen, ItemGridModel &grid, DataFolder &folder,
                 SignIn &signIn, MessageBoxes &messages, PrintCommand &print, QWidget *window);

    // The mistakes found in the certificate on screen, each a line that
    // starts with its block. Pages are made only when there are none, or
    // when the user goes on anyway; never, for a page issued with a
    // signature, while a blocking one remains.
    void setCertificateCheck(std::function<QList<Finding>()> check) { m_check = std::move(check); }

    // The certificate on screen: `copies` on paper (the print panel's OK,
    // and Print in its preview), or to a PDF file the user chooses.
    void toPaper(int copies);
    void toPdf();
    // The page on screen as it would print, with the code it would be
    // issued with; printing from there is toPaper.
    void preview();

    // Issue for serial numbers, before any copy is stored: the check of
    // the certificate on screen the copies are made from.
    bool checkRun();
    // The run's stored certificates, in order, to the printer (`folder`
    // empty) or to the folder: each certificate's own PDF file, named by
    // its tracking number (a signed page as the archive keeps it), and all
    // the pages in one "...-unsigned-overview.pdf". `resumed`: a run cut
    // off, whose pages issued before are only drawn again.
    bool issueRun(const std::vector<qint64> &keys, const QString &folder, const IssueRun *resumed = nullptr);

    // On opening a data source: finish or take back what a killed program
    // left half-issued.
    void finishInterrupted();

signals:
    // What was done, for the status line: the certificate on screen
    // issued, where the pages went.
    void told(const QString &what);

private:
    // Where the pages go.
    struct Handout {
        enum class To { Paper, File, Folder };
        To to = To::Paper;
        int copies = 1;   // of each page, on paper
        QString path;     // the user's file, or the run's folder
        bool run = false; // a run of serial numbers, logged as one
        const IssueRun *resumed = nullptr;
    };
    struct Sheet; // a stored certificate going out
    struct Drawn; // its page drawn, and the request that issues it

    // 1. Whether to go on: the key, the issue log, the findings (the ones
    // passed over kept in m_passed).
    bool check(const CertificatePage &page, bool issuing, bool run);
    bool keyStopsIssue();
    // 2 to 8 for the certificate on screen, checked; a draft is handed
    // out as the screen shows it.
    void handOutShown(const CertificatePage &shown, bool issuing, Handout to);
    // 2 and 3. The certificate on screen stored, and read back: nullopt
    // when the user declined or the store holds something else.
    std::optional<CertificateContent> saveAndReadBack();
    // 4 to 8, for certificates read back.
    bool issue(const std::vector<Sheet> &sheets, const Handout &to);
    // 4. Drawn from what is stored.
    std::optional<Drawn> draw(const Sheet &sheet, const Handout &to);
    // The page on screen unsigned, as the screen shows it.
    void handOutDraft(const CertificatePage &page, const Handout &to);
    // The user told why a page was not issued.
    void tellNotIssued(const IssueResult &result, const IssueRequest &request, bool run);

    // The stored certificate when the screen holds exactly that.
    std::optional<CertificateContent> storedAsShown();
    // The status line told where the pages went.
    void tellHandedOut(const Handout &to, std::size_t certificates);

    CertificateOnScreen &m_certificate;
    CertificateScreen &m_screen;
    ItemGridModel &m_grid;
    DataFolder &m_folder;
    SignIn &m_signIn;
    MessageBoxes &m_messages;
    PrintCommand &m_print;
    QWidget *m_window;
    std::function<QList<Finding>()> m_check;
    // The findings the user went on with, and whether blocks the page cuts
    // are yet to be told while drawing.
    QStringList m_passed;
    bool m_tellCuts = true;
};

} // namespace arc
