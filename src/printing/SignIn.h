#pragma once

#include <QImage>
#include <QObject>

namespace arc {

class AccessPanel;
class DataFolder;
class EntryBox;
class ItemGridModel;
class MessageBoxes;
class SetupStore;

// The boxes of the certificate screen a sign-in fills.
struct SignatureBlocks {
    EntryBox *name13, *number13, *date13; // Text17, Text16, Text18
    EntryBox *name14, *date14;            // Text7, Text6
    QWidget *afterMaster;                 // Text5, the focus after the master password
};

// The Access Control panel's behaviour: the password check that signs a
// signatory in, fills block 13 or 14 and loads the electronic signature.
class SignIn : public QObject {
    Q_OBJECT
public:
    SignIn(AccessPanel &panel, SignatureBlocks blocks, ItemGridModel &lines, DataFolder &folder, SetupStore &setup,
           MessageBoxes &messages, QObject *parent = nullptr);

    void AgentSecurity();

    // The signature printed into the signed block; null when there is none.
    const QImage &signature() const { return m_signature; }

signals:
    void exitRequested();
    void signatureChanged(const QImage &signature);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadSignature(qint64 agentRow);

    AccessPanel &m_panel;
    SignatureBlocks m_blocks;
    ItemGridModel &m_lines;
    DataFolder &m_folder;
    SetupStore &m_setup;
    MessageBoxes &m_messages;
    QImage m_signature;
    bool m_checking = false;
};

} // namespace arc
