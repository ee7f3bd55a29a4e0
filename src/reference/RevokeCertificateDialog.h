#pragma once

#include "ReferenceLists.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QLineEdit;

namespace arc {

class DataFolder;
class MessageBoxes;

// "Revoke": the shop authority, opened with its passphrase, withdraws the
// certificate of `signatory` for the reason chosen. A refusal is told and
// the dialog stays open; accepted once the revocation list is kept.
class RevokeCertificateDialog : public QDialog {
    Q_OBJECT
public:
    RevokeCertificateDialog(DataFolder &folder, MessageBoxes &messages, const AgentEntry &signatory,
                            QWidget *parent = nullptr);

    void submit();

    QLineEdit *passphrase; // the shop authority's
    QComboBox *reason;     // RFC 5280's names
    QDialogButtonBox *buttons;

private:
    DataFolder &m_folder;
    MessageBoxes &m_messages;
    AgentEntry m_signatory;
};

} // namespace arc
