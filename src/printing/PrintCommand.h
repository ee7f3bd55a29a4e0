#pragma once

#include "CertificatePage.h"
#include "PrintCertificate.h"

#include <QObject>
#include <QPrinter>
#include <functional>
#include <memory>
#include <vector>

class QPrinterInfo;
class QWidget;

namespace arc {

class DataFolder;
class MessageBoxes;
class PageCanvas;
class PrintPanel;

// The Print button's panel and what pages are made with: copies, each
// copy one job on the program's printer, the preview and PDF files. What
// the panel's buttons ask for is handed on by signal. The dialogs sit
// behind seams so tests can drive it without them.
class PrintCommand : public QObject {
    Q_OBJECT
public:
    // What the screen holds at the moment of printing.
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
    // The number of copies the panel asks for.
    int copies() const;

    // The page on screen, with the print settings read afresh.
    CertificatePage screenPage();
    // The titles of the blocks `page` would print only in part, found by
    // drawing it where nobody sees it.
    QStringList cutBlocks(const CertificatePage &page);
    // Each copy of `page` one job; `tellTruncation` asks before a block
    // printed in part. False (and the user told) when a job was refused.
    bool printCopies(const CertificatePage &page, int copies, bool tellTruncation);
    // Every page in one job.
    bool printRun(const std::vector<CertificatePage> &pages);
    // Shows `page` as it would print, without its signature. True when
    // the user asked to print it from there.
    bool showPreview(const CertificatePage &page);

    // The certificate's pages as a PDF file on its paper (its
    // organisation's, else Letter for the FAA form and A4 for the EASA and
    // UK forms), quarter-inch margins. False (and the user told) when the
    // file cannot be written.
    bool writePdf(const QString &path);
    // The same page as the bytes of such a file; empty when it cannot be made.
    // `signatureField`, if given, is set to where the signature lies on it
    // (PDF points from the lower-left corner), or to an empty rectangle.
    QByteArray pdfBytes(bool tellTruncation, QRectF *signatureField = nullptr);
    QByteArray pdfBytes(const CertificatePage &page, bool tellTruncation, QRectF *signatureField = nullptr);
    // False (and the user told) when the file cannot be written whole.
    bool writeFile(const QString &path, const QByteArray &bytes);

    // The printer copies go to; the system's default until one is chosen.
    void setPrinter(const QPrinterInfo &printer);
    QPrinter &printer() { return m_printer; }
    // Whether any printer is installed.
    bool hasPrinter() const { return m_hasPrinter(); }
    // The PDF file the user chooses, empty when cancelled.
    QString chooseFile() const { return m_chooseFile(); }

    // Seams. The PDF file name, empty when the user cancels.
    using FileChooser = std::function<QString()>;
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    // Shows a preview that paints its pages through `paint`; true when
    // the user asked to print from it.
    using PreviewRunner = std::function<bool(QPrinter &printer, const std::function<void(QPrinter *)> &paint)>;
    void setPreviewRunner(PreviewRunner runner) { m_runPreview = std::move(runner); }
    // The canvas of one printed copy; by default drawn on printer().
    using JobCanvas = std::function<std::unique_ptr<PageCanvas>()>;
    void setJobCanvas(JobCanvas canvas) { m_jobCanvas = std::move(canvas); }
    // Whether any printer is installed.
    using PrinterCheck = std::function<bool()>;
    void setPrinterCheck(PrinterCheck check) { m_hasPrinter = std::move(check); }

signals:
    // The panel's OK with at least one copy, its Write PDF, its Preview.
    void paperAsked(int copies);
    void pdfAsked();
    void previewAsked();

private:
    PrintResult render(PageCanvas &canvas, const CertificatePage &page, bool tellTruncation);

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
};

} // namespace arc
