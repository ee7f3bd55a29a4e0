#include "BatchIssue.h"

#include "ArchiveOf.h"
#include "BatchCopies.h"
#include "BatchDialog.h"
#include "CertificateContent.h"
#include "CheckBeforePrint.h"
#include "CertificateOnScreen.h"
#include "CertificateScreen.h"
#include "DataFolder.h"
#include "EntryBox.h"
#include "EntryLimit.h"
#include "FolderMessages.h"
#include "GivenText.h"
#include "IssuePrompts.h"
#include "IssueRecorder.h"
#include "IssueRuns.h"
#include "ItemGridModel.h"
#include "MessageBoxes.h"
#include "PagesPdf.h"
#include "PageFromScreen.h"
#include "PageVerification.h"
#include "PrintCertificate.h"
#include "PrintPrompts.h"
#include "PrintSettingsReader.h"
#include "ProgressWindow.h"
#include "RecordingCanvas.h"
#include "RunFolder.h"
#include "SignerOf.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QSpinBox>
#include <algorithm>

namespace arc {

namespace {

struct BatchIssueTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::BatchIssue)
};

QString batchTitle() { return BatchIssueTexts::tr("Issue for serial numbers"); }

Message notice(const QString &text, Message::Icon icon = Message::Icon::Exclamation)
{
    return {text, batchTitle(), Message::Buttons::Ok, icon, Message::Answer::Ok};
}

// Said of a run whose pages go out without a digital signature.
QString unsignedNote(const QString &why)
{
    return why.isEmpty() ? QString()
                         : QCoreApplication::translate("BatchIssue", "\nTheir pages are not digitally signed: %1.").arg(why);
}

} // namespace

BatchIssue::BatchIssue(CertificateOnScreen &certificate, CertificateScreen &screen, ItemGridModel &grid,
                       DataFolder &folder, SignIn &signIn, MessageBoxes &messages, QWidget *window)
    : QObject(window), m_certificate(certificate), m_screen(screen), m_grid(grid), m_folder(folder), m_signIn(signIn),
      m_messages(messages), m_window(window)
{
    m_choose = [this](const QString &defaultFirst) -> std::optional<Choice> {
        BatchDialog dialog(defaultFirst, m_window);
        connect(dialog.first, &EntryBox::refused, &dialog,
                [this](const QString &box, int limit) { m_messages.ask(EntryLimit::refusal(box, limit)); });
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return Choice{dialog.first->text().trimmed(), dialog.count->value()};
    };
    m_chooseFile = [this] {
        return QFileDialog::getExistingDirectory(m_window, tr("The folder for the certificates' PDF files"));
    };
}

void BatchIssue::run()
{
    if (!FolderMessages::ensureOpen(m_folder, m_messages) || !FolderMessages::ensureReachable(m_folder, m_messages))
        return;
    if (const QString stop = m_signIn.keyState().stopsIssue(); !stop.isEmpty()) {
        m_messages.ask(IssuePrompts::keyStopsIssue(stop));
        return;
    }
    const ItemSlots &lines = m_grid.lines();
    if (lineAt(lines, 0).isEmptyLine() || !lineAt(lines, 1).isEmptyLine()) {
        m_messages.ask(notice(BatchIssueTexts::tr("Issue for serial numbers takes a certificate with one item line, a "
                                                  "serialised part.")));
        return;
    }
    if (!passesCheck())
        return;
    QString first = lineAt(lines, 0).serialNum.trimmed();
    QStringList serials;
    while (serials.isEmpty()) {
        const std::optional<Choice> choice = m_choose(first);
        if (!choice)
            return;
        first = choice->first;
        // Never cut to fit: a number cut short is another part's.
        if (const int limit = BatchDialog::serialLimit(); limit > 0 && first.size() > limit) {
            m_messages.ask(notice(tr("The serial number \"%1\" is %2 characters long; a serial number holds at most %3.")
                                      .arg(GivenText::quoted(first))
                                      .arg(first.size())
                                      .arg(limit)));
            continue;
        }
        serials = BatchCopies::serials(first, std::clamp(choice->count, BatchCopies::kFewest, BatchCopies::kMost));
        if (serials.isEmpty())
            m_messages.ask(notice(BatchIssueTexts::tr("The serial number \"%1\" holds no digits to count up.")
                                      .arg(GivenText::quoted(first))));
    }

    BatchCopies::Result r;
    {
        // Stopping rolls the whole run back, so Cancel is offered.
        ProgressWindow progress(m_window, batchTitle(), ProgressWindow::Stop::Allowed);
        r = BatchCopies::store(m_folder, m_screen.entries(lines), serials, progress.progress());
    }
    if (r.status.is(DbCondition::Cancelled)) {
        m_messages.ask(notice(BatchIssueTexts::tr("Stopped: no certificate was stored and no number used."),
                              Message::Icon::Information));
        return;
    }
    if (!r.status.ok()) {
        m_messages.ask(
            notice(BatchIssueTexts::tr("No certificate was stored and no number used: %1").arg(r.status.detail()),
                   Message::Icon::Critical));
        return;
    }
    // The screen keeps the certificate it shows, and the arrows step from it.
    if (m_certificate.newFormFlag() == 0)
        (void)m_folder.header().moveToRow(m_certificate.currentFormIndex());
    const Message::Answer answer = m_messages.ask(
        {MessageTexts::tr("%1 certificates stored, %2 to %3, serial numbers %4 to %5.")
                 .arg(r.keys.size())
                 .arg(r.trackings.first(), r.trackings.last(), serials.first(), serials.last())
             + unsignedNote(m_signIn.keyState().unsignedWhy()),
         batchTitle(), Message::Buttons::WritePdfPrintClose, Message::Icon::Information, Message::Answer::Close});
    if (answer == Message::Answer::Print) {
        print(r.keys);
    } else if (answer == Message::Answer::WritePdf) {
        if (const QString path = m_chooseFile(); !path.isEmpty())
            writePdf(r.keys, path);
    }
}

bool BatchIssue::passesCheck()
{
    m_passed.clear();
    // The copies differ from the screen only in their numbers: what the
    // screen's page would cut, each copy cuts.
    CertificatePage page = pageFromScreen(m_screen.entries(m_grid.lines()), signerOf(m_signIn));
    page.settings = PrintSettingsReader::read(m_folder.defaults());
    RecordingCanvas dry;
    const QStringList cut = PrintCertificate(dry, page, {}).truncatedCells;
    const std::optional<QStringList> passed = CheckBeforePrint::passed(
        m_messages, CheckBeforePrint::gathered(m_check ? m_check() : QList<Finding>(), cut), page.carriesSignature());
    if (!passed)
        return false;
    m_passed = *passed;
    return true;
}

BatchIssue::Made BatchIssue::make(const std::vector<qint64> &keys, std::vector<CertificatePage> &out,
                                  std::vector<IssueRequest> &requests, const Progress &progress,
                                  const std::vector<qint64> &issued, const QString &toFolder,
                                  std::vector<std::pair<QString, QByteArray>> &unsignedFiles)
{
    out.clear();
    requests.clear();
    unsignedFiles.clear();
    const PageSigner signer = signerOf(m_signIn);
    for (qint64 key : keys) {
        if (!progress(BatchIssueTexts::tr("Making pages"), static_cast<qint64>(out.size()),
                      static_cast<qint64>(keys.size())))
            return Made::Stopped;
        DbStatus s;
        const std::optional<CertificateContent> stored = CertificateContent::read(m_folder.certificates(), key, &s);
        if (!stored) {
            m_messages.ask(
                notice(BatchIssueTexts::tr("A certificate of the run could not be read: %1").arg(s.detail())));
            return Made::Failed;
        }
        CertificatePage page = pageFromScreen(stored->entries(), signer);
        page.settings = PrintSettingsReader::read(m_folder.defaults());
        if (page.carriesSignature() && std::find(issued.begin(), issued.end(), key) == issued.end()) {
            // Kept and logged before it goes out, one page as a single print is.
            IssueRequest request;
            request.formIndex = key;
            request.contentSha256 = stored->sha256();
            request.signatory = signer.name;
            QString why;
            const std::optional<QrMatrix> code = PageVerification::of(m_folder.defaults(), *stored, &why);
            if (!code) {
                m_messages.ask(PageVerification::notMade(why));
                return Made::Failed;
            }
            page.verification = *code;
            request.pdf = PagesPdf::bytes({page}, &request.signatureField);
            request.signingKey = m_signIn.signingKey();
            request.passedFindings = m_passed;
            // The user's copy, as the archive keeps it.
            if (!toFolder.isEmpty())
                request.userFile = RunFolder::certificateFile(toFolder, page.tracking, key);
            if (request.pdf.isEmpty()) {
                m_messages.ask(IssuePrompts::notRecorded(BatchIssueTexts::tr("the page could not be made")));
                return Made::Failed;
            }
            requests.push_back(request);
        } else if (!toFolder.isEmpty() && !page.carriesSignature()) {
            // A draft's own file; a page issued before is in the archive.
            unsignedFiles.emplace_back(RunFolder::certificateFile(toFolder, page.tracking, key), PagesPdf::bytes({page}));
        }
        out.push_back(page);
    }
    return progress(BatchIssueTexts::tr("Making pages"), static_cast<qint64>(out.size()),
                    static_cast<qint64>(keys.size()))
               ? Made::Done
               : Made::Stopped;
}

bool BatchIssue::issue(const std::vector<IssueRequest> &requests, const Progress &progress)
{
    const std::unique_ptr<IssueArchive> archive = archiveOf(m_folder);
    for (const IssueRequest &request : requests) {
        (void)progress(BatchIssueTexts::tr("Issuing pages"), &request - requests.data(),
                       static_cast<qint64>(requests.size()));
        const IssueResult issued = IssueRecorder(m_folder.certificates(), *archive).record(request);
        if (!issued.ok()) {
            m_messages.ask(issued.outcome == IssueResult::Outcome::SigningFailed ? IssuePrompts::notSigned(issued.detail)
                                                                                 : IssuePrompts::notRecorded(issued.detail));
            return false;
        }
    }
    return true;
}

bool BatchIssue::stopTold(Made made)
{
    if (made == Made::Stopped)
        m_messages.ask(notice(BatchIssueTexts::tr("Stopped: no page was issued, nothing was written or printed."),
                              Message::Icon::Information));
    return made == Made::Done;
}

bool BatchIssue::writePdf(const std::vector<qint64> &keys, const QString &path)
{
    return !path.isEmpty() && deliver(keys, path, nullptr);
}

bool BatchIssue::print(const std::vector<qint64> &keys) { return deliver(keys, QString(), nullptr); }

bool BatchIssue::finish(const IssueRun &run, const QString &path) { return deliver(run.keys, path, &run); }

bool BatchIssue::deliver(const std::vector<qint64> &keys, const QString &path, const IssueRun *resumed)
{
    const bool toPrinter = path.isEmpty();
    if (toPrinter && QPrinterInfo::availablePrinters().isEmpty()) {
        // Printing into nothing would lose the pages without a word.
        if (m_messages.ask(PrintPrompts::noPrinter()) != Message::Answer::Yes)
            return false;
        const QString chosen = m_chooseFile();
        return !chosen.isEmpty() && deliver(keys, chosen, resumed);
    }
    IssueRuns runs(m_folder.certificates());
    std::vector<qint64> issued;
    if (resumed) {
        DbStatus s;
        const std::vector<qint64> rest = runs.unissued(*resumed, &s);
        if (!s.ok()) {
            m_messages.ask(IssuePrompts::notRecorded(s.detail()));
            return false;
        }
        std::copy_if(keys.begin(), keys.end(), std::back_inserter(issued),
                     [&rest](qint64 k) { return std::find(rest.begin(), rest.end(), k) == rest.end(); });
    }
    std::vector<CertificatePage> all;
    std::vector<IssueRequest> requests;
    std::vector<std::pair<QString, QByteArray>> unsignedFiles;
    QByteArray bytes;
    {
        ProgressWindow making(m_window, batchTitle(), ProgressWindow::Stop::Allowed);
        Made made = make(keys, all, requests, making.progress(), issued, path, unsignedFiles);
        if (made == Made::Done && !toPrinter) {
            (void)making.progress()(BatchIssueTexts::tr("Writing PDF"), 0, 0);
            bytes = PagesPdf::bytes(all);
            if (making.cancelled())
                made = Made::Stopped;
        }
        if (!stopTold(made))
            return false;
    }
    // Besides the certificates' own files, every page in one file: it
    // carries no digital signature, and says so in its name.
    const QString overview =
        toPrinter || all.empty() ? QString() : RunFolder::overviewFile(path, all.front().tracking, all.back().tracking);
    QSaveFile file(overview);
    if (!toPrinter && (bytes.isEmpty() || !file.open(QIODevice::WriteOnly))) {
        m_messages.ask(PrintPrompts::pdfNotWritten(overview.isEmpty() ? path : overview));
        return false;
    }
    // One PIN for the whole run, asked before its first page is issued.
    const std::unique_ptr<PageSigning> signing = m_signIn.issueSigning();
    if (!requests.empty()) {
        const SigningResult<const SigningKey *> key = signing->key();
        if (!key.ok()) {
            if (key.fault() != SigningFault::Cancelled)
                m_messages.ask(IssuePrompts::notSigned(key.error().message));
            return false;
        }
        for (IssueRequest &r : requests)
            r.signingKey = key.value();
    }
    ProgressWindow issuing(m_window, batchTitle(), ProgressWindow::Stop::NotAllowed);
    std::optional<IssueRuns::Begun> run;
    if (resumed || !requests.empty()) {
        std::vector<qint64> signedKeys;
        for (const IssueRequest &r : requests)
            signedKeys.push_back(r.formIndex);
        run.emplace(resumed ? runs.resume(*resumed) : runs.begin(signedKeys, signerOf(m_signIn).name));
        if (!run->status.ok()) {
            m_messages.ask(IssuePrompts::notRecorded(run->status.detail()));
            return false;
        }
    }
    // A failure from here on leaves the run cut off, and so named.
    if (!issue(requests, issuing.progress()))
        return false;
    if (toPrinter) {
        (void)issuing.progress()(BatchIssueTexts::tr("Printing"), 0, 0);
        QPrinter own(QPrinter::HighResolution);
        if (!PagesPdf::print(m_printer ? *m_printer : own, all)) {
            m_messages.ask(PrintPrompts::jobRefused());
            return false;
        }
    } else {
        for (const auto &[name, pdf] : unsignedFiles) {
            QSaveFile own(name);
            if (pdf.isEmpty() || !own.open(QIODevice::WriteOnly) || own.write(pdf) != pdf.size() || !own.commit()) {
                m_messages.ask(PrintPrompts::pdfNotWritten(name));
                return false;
            }
        }
        if (file.write(bytes) != bytes.size() || !file.commit()) {
            m_messages.ask(PrintPrompts::pdfNotWritten(overview));
            return false;
        }
    }
    if (run)
        (void)runs.end(run->run, IssueRuns::Ending::Issued);
    const QString certificates =
        keys.size() == 1 ? tr("1 certificate") : tr("%1 certificates").arg(static_cast<qint64>(keys.size()));
    if (toPrinter) {
        const QString printer = m_printer ? m_printer->printerName() : QString();
        emit told(tr("%1 sent to %2").arg(certificates, printer.isEmpty() ? tr("the default printer") : printer));
    } else {
        // One PDF per certificate, the overview beside them.
        emit told(keys.size() == 1 ? tr("1 PDF written to %1").arg(QDir::toNativeSeparators(path))
                                   : tr("%1 PDFs written to %2")
                                         .arg(static_cast<qint64>(keys.size()))
                                         .arg(QDir::toNativeSeparators(path)));
    }
    return true;
}

} // namespace arc
