#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace arc {

class DataFolder;
class MessageBoxes;

// The signatories panel's signature pictures: the files stored for the
// open data folder, "Choose..." to copy one in under a safe name, and the
// chosen one shown as it prints.
class SignatureFiles : public QWidget {
    Q_OBJECT
public:
    SignatureFiles(DataFolder &folder, MessageBoxes &messages, QWidget *parent = nullptr);

    // The stored files listed again, `name` chosen when it is one of them.
    void list(const QString &name = {});
    // The chosen file's name; empty when none is.
    QString chosen() const;
    void setChoosing(bool on);

    QListWidget *files;           // File1
    QPushButton *chooseSignature; // SignatureChoose: a bitmap copied in beside the others
    QLabel *signaturePreview;     // SignaturePreview: the chosen file as it prints

    // Seam: the bitmap file "Choose..." copies in; empty when cancelled.
    void setFileChooser(std::function<QString()> chooser) { m_chooseFile = std::move(chooser); }

signals:
    // The user (or a copy just made) changed the chosen file.
    void chosenChanged();
    // What was done, for the status line.
    void told(const QString &what);

private:
    void addSignature();
    void showPreview();

    DataFolder &m_folder;
    MessageBoxes &m_messages;
    std::function<QString()> m_chooseFile;
};

} // namespace arc
