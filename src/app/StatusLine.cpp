#include "StatusLine.h"

#include "NamedWidget.h"
#include "ServerUri.h"

#include <QLabel>
#include <QTimer>

namespace arc {

StatusLine::StatusLine(QWidget *parent)
    : QStatusBar(parent), message(namedWidget<QLabel>("StatusMessage")), source(namedWidget<QLabel>("StatusSource")),
      signedIn(namedWidget<QLabel>("StatusSignedIn")), superseded(namedWidget<QLabel>("StatusSuperseded"))
{
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(false);
    addWidget(message, 1);
    superseded->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    superseded->hide();
    addPermanentWidget(superseded);
    addPermanentWidget(source);
    addPermanentWidget(signedIn);
    showSource(QString());
    showSignedIn(QString(), false);
}

void StatusLine::tell(const QString &what)
{
    if (m_joining && !message->text().isEmpty()) {
        message->setText(message->text() + QStringLiteral("; ") + what);
        return;
    }
    message->setText(what);
    // An issued page and its copies are one action: told until control
    // returns to the user.
    m_joining = true;
    QTimer::singleShot(0, this, [this] { m_joining = false; });
}

void StatusLine::showSource(const QString &path)
{
    if (path.isEmpty())
        source->setText(tr("No data folder open"));
    else if (ServerUri::isUri(path))
        source->setText(tr("Server: %1").arg(ServerUri::withoutPassword(path)));
    else
        source->setText(tr("Data folder: %1").arg(path));
}

void StatusLine::showSuperseded(const QString &text)
{
    superseded->setText(text);
    superseded->setVisible(!text.isEmpty());
}

void StatusLine::showSignedIn(const QString &name, bool master)
{
    if (master)
        signedIn->setText(tr("Signed in with the master password"));
    else if (name.isNull())
        signedIn->setText(tr("Not signed in"));
    else
        signedIn->setText(tr("Signed in: %1").arg(name));
}

} // namespace arc
