#pragma once

#include <QObject>
#include <functional>
#include <optional>

class QWidget;

namespace arc {

class CertificateOnScreen;
class DataFolder;
class MessageBoxes;

// What the menus do beyond the screen's buttons: signing out, voiding a
// number by hand, sending the issued page by e-mail, and About.
class BenchActions : public QObject {
    Q_OBJECT
public:
    BenchActions(QWidget *window, CertificateOnScreen &certificate, DataFolder &folder, MessageBoxes &messages,
                 std::function<void()> coverWindow);

    struct VoidChoice {
        QString number, reason;
    };
    // Asks which number to void and why; nullopt: cancelled. Replaceable.
    std::function<std::optional<VoidChoice>(const QString &offered)> chooseVoid;
    // Asked before signing out whether the open panels may be left (their
    // edits settled); false keeps the one signed in. Replaceable.
    std::function<bool()> panelsMayLeave;
    // The desktop's mail program, found on the PATH.
    static QString mailProgram() { return QStringLiteral("xdg-email"); }

    // Unsaved changes are asked about first; the certificate then shows as
    // stored, the key opened at sign-in is dropped and the sign-in panel
    // covers the window.
    void signOut();
    void voidNumber();
    void sendByMail();
    void about();

signals:
    void told(const QString &what);
    // The one signed in is to be signed out.
    void signOutAsked();

private:
    // The issued page of the certificate on screen, written where the mail
    // program can read it; empty when there is none (the user was told).
    QString issuedPage(QString &tracking);

    QWidget *m_window;
    CertificateOnScreen &m_certificate;
    DataFolder &m_folder;
    MessageBoxes &m_messages;
    std::function<void()> m_cover;
};

} // namespace arc
