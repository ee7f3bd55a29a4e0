#pragma once

#include <QWidget>
#include <functional>
#include <optional>

class QListWidget;
class QPushButton;

namespace arc {

class DataFolder;
class MessageBoxes;

// The requests of signing certificates awaiting approval, as an
// administrator sees them on the signatories panel: each approved with the
// shop authority's passphrase, which issues the certificate, or discarded.
class PendingCertificates : public QWidget {
    Q_OBJECT
public:
    PendingCertificates(DataFolder &folder, MessageBoxes &messages, QWidget *parent = nullptr);

    // The requests as kept now.
    void refresh();
    // The request chosen in the list.
    void approve();
    void discard();
    // How the passphrase is asked (a hidden input box by default); nullopt: cancelled.
    void setPassphraseAsk(std::function<std::optional<QString>()> ask) { m_askPassphrase = std::move(ask); }

    QListWidget *list;          // PendingCertificates: "NAME (approval number), requested DATE"
    QPushButton *approveButton; // ApproveRequest
    QPushButton *discardButton; // DiscardRequest

signals:
    // The certificate of the signatory of that row is kept now.
    void approved(qint64 signatory);
    // What was done, for the status line.
    void told(const QString &what);

private:
    // The row and name of the request chosen; nullopt when none is.
    std::optional<std::pair<qint64, QString>> chosen() const;

    DataFolder &m_folder;
    MessageBoxes &m_messages;
    std::function<std::optional<QString>()> m_askPassphrase;
};

} // namespace arc
