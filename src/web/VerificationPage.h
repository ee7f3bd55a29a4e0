#pragma once

#include "Verification.h"

#include <QByteArray>

namespace arc {

// The verification page as HTML, laid out for a phone's narrow screen
// first. Every text that comes from the register is escaped; the page
// holds no script. Links are relative to the page's own address, so that
// it works wherever a proxy puts it.
namespace VerificationPage {

QByteArray found(const Verification &v);
// The one page for an unknown number and a wrong code alike.
QByteArray noMatch();
QByteArray unavailable();
// Anything else refused: a title and one line why.
QByteArray refusal(const QString &title, const QString &why);

// Relative addresses from a certificate's page ("/c/TRACKING").
QString pageLink(const QString &tracking, const QString &code);
QString jsonLink(const QString &tracking, const QString &code);
QString pdfLink(const QString &tracking, const QString &code);

// How the page writes a day: "5 December 2026".
QString dayText(const QDate &day);

} // namespace VerificationPage
} // namespace arc
