#pragma once

#include <QStatusBar>

class QLabel;

namespace arc {

// The window's status bar: what the user's last action did
// (StatusMessage), the data source in use and who is signed in.
class StatusLine : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusLine(QWidget *parent = nullptr);

    // What just happened. What one action tells is shown together.
    void tell(const QString &what);
    // The data source in use, a server's without its password; empty when
    // none is open.
    void showSource(const QString &source);
    // Who signed in: a name, the master password, or (empty) nobody.
    void showSignedIn(const QString &name, bool master);
    // In red, while the certificate shown is superseded; empty hides it.
    void showSuperseded(const QString &text);

    QLabel *const message;  // StatusMessage
    QLabel *const source;   // StatusSource
    QLabel *const signedIn; // StatusSignedIn
    QLabel *const superseded; // StatusSuperseded

private:
    bool m_joining = false;
};

} // namespace arc
