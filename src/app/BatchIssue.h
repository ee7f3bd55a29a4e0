#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace arc {

class CertificateOnScreen;
class CertificateScreen;
class DataFolder;
class IssueCommand;
class ItemGridModel;
class MessageBoxes;
class PrintCommand;
class SignIn;
struct IssueRun;

// The BatchSerials button: copies of the certificate on screen, one per
// serial number, stored together; then their pages issued by the issue
// command, written to PDF files or printed.
class BatchIssue : public QObject {
    Q_OBJECT
public:
    BatchIssue(CertificateOnScreen &certificate, CertificateScreen &screen, ItemGridModel &grid, DataFolder &folder,
               SignIn &signIn, IssueCommand &issue, PrintCommand &print, MessageBoxes &messages, QWidget *window);

    // The first serial number and the count the user chose; nullopt when cancelled.
    struct Choice {
        QString first;
        int count = 0;
    };
    using ChoiceRunner = std::function<std::optional<Choice>(const QString &defaultFirst)>;
    // Seams: the dialog and the folder the PDF files go to (empty when
    // cancelled).
    void setChoiceRunner(ChoiceRunner runner) { m_choose = std::move(runner); }
    void setFileChooser(std::function<QString()> chooser) { m_chooseFile = std::move(chooser); }

    void run();
    // The pages of the stored run `keys` to PDF files in `folder`, or
    // (`folder` empty) the printer, or a folder chosen when there is none;
    // `resumed`: a run cut off, its pages issued before not issued again.
    bool deliver(const std::vector<qint64> &keys, const QString &folder, const IssueRun *resumed = nullptr);
    // The pages of a run that was cut off, its copies not yet issued
    // issued first, delivered so.
    bool finish(const IssueRun &run, const QString &folder);
    // The folder the user chooses, empty when cancelled.
    QString chooseFile() const { return m_chooseFile(); }

private:
    CertificateOnScreen &m_certificate;
    CertificateScreen &m_screen;
    ItemGridModel &m_grid;
    DataFolder &m_folder;
    SignIn &m_signIn;
    IssueCommand &m_issue;
    PrintCommand &m_print;
    MessageBoxes &m_messages;
    QWidget *m_window;
    ChoiceRunner m_choose;
    std::function<QString()> m_chooseFile;
};

} // namespace arc
