#pragma once

#include "Finding.h"
#include "Progress.h"

#include <QObject>
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
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
struct IssueRequest;
struct IssueRun;

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
    // Seams: the dialog and the folder the PDF files go to (empty when
    // cancelled).
    // The printer is the print command's.
    void setChoiceRunner(ChoiceRunner runner) { m_choose = std::move(runner); }
    void setFileChooser(std::function<QString()> chooser) { m_chooseFile = std::move(chooser); }
    void setPrinter(QPrinter *printer) { m_printer = printer; }
    // The check of the certificate on screen, run before any copy is
    // stored: a run of signed pages is not made while a blocking finding
    // remains, and the findings passed over are logged with each page.
    void setCertificateCheck(std::function<QList<Finding>()> check) { m_check = std::move(check); }

    void run();
    // Into `folder`: each certificate's own PDF file, named by its tracking
    // number (a signed page as the archive keeps it), and all the pages in
    // one "...-unsigned-overview.pdf" as well; signed pages are issued.
    bool writePdf(const std::vector<qint64> &keys, const QString &folder);
    bool print(const std::vector<qint64> &keys);
    // The pages of a run that was cut off, its copies not yet issued
    // issued first, to PDF files in a folder as writePdf or (`folder`
    // empty) the printer.
    bool finish(const IssueRun &run, const QString &folder);
    // The folder the user chooses, empty when cancelled.
    QString chooseFile() const { return m_chooseFile(); }

signals:
    // What was written or printed, for the status line.
    void told(const QString &what);

private:
    // Pages are made, the whole PDF included, before any is issued: a stop
    // there leaves nothing behind. Issuing is not stopped: each page is
    // archived and logged as it goes and stays issued, so a stop would
    // leave issued pages without the file or print that carries them.
    enum class Made { Done, Failed, Stopped };
    // Every page of `keys`, and the request that issues each signed one.
    // `issued`: keys whose pages were issued already and are only drawn.
    // With `toFolder`, each signed page's copy goes there, and the other
    // pages' own files are made (`unsignedFiles`: name and bytes).
    Made make(const std::vector<qint64> &keys, std::vector<CertificatePage> &out, std::vector<IssueRequest> &requests,
              const Progress &progress, const std::vector<qint64> &issued, const QString &toFolder,
              std::vector<std::pair<QString, QByteArray>> &unsignedFiles);
    // The pages of `keys` to PDF files in the folder `path`, or the
    // printer when it is empty. The signed pages are issued as one run (the rest of
    // `resumed`), logged as such from before its first page is issued until
    // the file is written or the pages printed: a run cut off on the way
    // is named at the next opening of the data source.
    bool deliver(const std::vector<qint64> &keys, const QString &path, const IssueRun *resumed);
    // False (the user told) when a page could not be issued.
    bool issue(const std::vector<IssueRequest> &requests, const Progress &progress);
    // True when made; the user told of a stop.
    bool stopTold(Made made);
    // Whether the run may go on, as the check before printing decides for
    // the certificate on screen; sets m_passed.
    bool passesCheck();

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
    std::function<QList<Finding>()> m_check;
    QStringList m_passed;
};

} // namespace arc
