#pragma once

#include "CertificatePage.h"
#include "Finding.h"
#include "PrintCertificate.h"

#include <QObject>
#include <QPrinter>
#include <functional>
#include <memory>

class QPrinterInfo;
class QWidget;

namespace arc {

class DataFolder;
class MessageBoxes;
class PageCanvas;
class PrintPanel;

// The Print button and its panel: the copies, each copy one job on the
// program's printer, the preview and the PDF file. The dialogs it opens
// sit behind seams so tests can drive it without them.
class PrintCommand : public QObject {
    Q_OBJECT
public:
    // What the screen holds at the moment of printing; called per copy.
    using PageSource = std::function<CertificatePage()>;

    // The panel is made over `window`, hidden.
    PrintCommand(MessageBoxes &messages, DataFolder &folder, PageSource page, QWidget *window);
    ~PrintCommand() override;

    PrintPanel &panel() const { return *m_panel; }

    // The Print button: the panel with the default number of copies.
    void open();
    // The panel's buttons.
    void ok();
    void cancel();
    void preview();
    void choosePdf();

    // The certificate's pages as a PDF file on its paper (its
    // organisation's, else Letter for the FAA form and A4 for the EASA and
    // UK forms), quarter-inch margins. False (and the user told) when the
    // file cannot be written.
    bool writePdf(const QString &path);
    // The same page as the bytes of such a file; empty when it cannot be made.
    // `signatureField`, if given, is set to where the signature lies on it
    // (PDF points from the lower-left corner), or to an empty rectangle.
    QByteArray pdfBytes(bool tellTruncation, QRectF *signatureField = nullptr);

    // The printer copies go to; the system's default until one is chosen.
    void setPrinter(const QPrinterInfo &printer);
    QPrinter &printer() { return m_printer; }

    // Seams. The PDF file name, empty when the user cancels.
    using FileChooser = std::function<QString()>;
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    // Shows a preview that paints its pages through `paint`.
    using PreviewRunner = std::function<void(QPrinter &printer, const std::function<void(QPrinter *)> &paint)>;
    void setPreviewRunner(PreviewRunner runner) { m_runPreview = std::move(runner); }
    // The canvas of one printed copy; by default drawn on printer().
    using JobCanvas = std::function<std::unique_ptr<PageCanvas>()>;
    void setJobCanvas(JobCanvas canvas) { m_jobCanvas = std::move(canvas); }
    // Whether any printer is installed.
    using PrinterCheck = std::function<bool()>;
    void setPrinterCheck(PrinterCheck check) { m_hasPrinter = std::move(check); }

    // The mistakes found in the certificate on screen, each a line that
    // starts with its block. Printed pages and PDF files are made only when
    // there are none, or when the user prints anyway; never, for a page
    // issued with a signature, while a blocking one remains.
    using CertificateCheck = std::function<QList<Finding>()>;
    void setCertificateCheck(CertificateCheck check) { m_check = std::move(check); }

    // A page carrying the signature of the block that applies is issued
    // when it is printed or written to PDF. Each hook tells the user why
    // when it returns false, and then nothing is printed or written.
    struct Issuing {
        std::function<bool()> mayIssue; // the certificate may be issued (again)
        // The certificate on screen is made the stored one, and the page to
        // issue is drawn from one reading of what is stored.
        std::function<std::optional<CertificatePage>()> prepare;
        // Keep one copy of the issued page and log it, with the reading
        // the page was drawn from; the user's copy, if `userFile` names
        // one, is put in place only when logged. `signatureField` is where
        // the page's signature lies, for a digital signature over it;
        // `passedFindings` what the check found and the user printed anyway.
        std::function<bool(const QByteArray &pdf, const QRectF &signatureField, int copies, const QString &userFile,
                           const QStringList &passedFindings)>
            record;
        // The QR code the page on screen would be issued with, for the
        // preview; empty when it would be none.
        std::function<QrMatrix()> previewCode;
    };
    void setIssuing(Issuing issuing) { m_issuing = std::move(issuing); }

signals:
    // What was done, for the status line.
    void told(const QString &what);
    // A signed page was issued (kept and logged).
    void issued();

private:
    void tellPdf(const QString &path);
    // The page issued lasts one press of a button.
    struct IssueScope {
        explicit IssueScope(PrintCommand &c) : command(c) {}
        ~IssueScope()
        {
            command.m_issuePage.reset();
            command.m_cutAccepted = false;
            command.m_passed.clear();
        }
        PrintCommand &command;
    };

    CertificatePage currentPage();
    // A draft is drawn without the signature.
    PrintResult render(PageCanvas &canvas, bool tellTruncation, bool draft = false);
    bool printCopies(int copies);
    // Whether to go on: no findings, or the user chose to print anyway
    // (kept in m_passed), which a page issued with blocking findings
    // cannot be.
    bool passesCheck(bool issuing);
    // Whether the page on screen would be issued, and if so whether it is
    // ready to be: false stops the print.
    bool readyToIssue(bool &issuing);
    void askForPdf(bool issuing);
    // False (and the user told) when the file cannot be written whole.
    bool writeFile(const QString &path, const QByteArray &bytes);

    MessageBoxes &m_messages;
    DataFolder &m_folder;
    PageSource m_page;
    QWidget *m_window;
    PrintPanel *m_panel;
    QPrinter m_printer;

    FileChooser m_chooseFile;
    PreviewRunner m_runPreview;
    JobCanvas m_jobCanvas;
    PrinterCheck m_hasPrinter;
    CertificateCheck m_check;
    Issuing m_issuing;
    // While a page is issued: the page drawn from the stored certificate.
    std::optional<CertificatePage> m_issuePage;
    // The user chose to print text the page cannot hold: not asked again.
    bool m_cutAccepted = false;
    // The findings the user printed this page anyway with.
    QStringList m_passed;
};

} // namespace arc
