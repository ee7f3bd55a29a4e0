#pragma once

#include <QImage>
#include <QObject>

namespace arc {

class AccessPanel;
class CertificateScreen;
class DataFolder;
class ItemGridModel;
class MessageBoxes;
class SetupStore;

// The Access Control panel's behaviour: the password check that signs a
// signatory in, fills block 13 or 14 and loads the electronic signature.
class SignIn : public QObject {
    Q_OBJECT
public:
    SignIn(AccessPanel &panel, CertificateScreen &screen, ItemGridModel &lines, DataFolder &folder, SetupStore &setup,
           MessageBoxes &messages, QObject *parent = nullptr);

    void AgentSecurity();

    // The signature printed into the signed block; null when there is none.
    const QImage &signature() const { return m_signature; }

signals:
    void exitRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadSignature(qint64 agentRow);

    AccessPanel &m_panel;
    CertificateScreen &m_screen;
    ItemGridModel &m_lines;
    DataFolder &m_folder;
    SetupStore &m_setup;
    MessageBoxes &m_messages;
    QImage m_signature;
    bool m_checking = false;
};

} // namespace arc
