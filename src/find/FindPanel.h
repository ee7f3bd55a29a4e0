#pragma once

#include "CertificateSearch.h"
#include "FindFields.h"

#include <QFrame>
#include <array>
#include <functional>
#include <utility>

class QPushButton;

namespace arc {

class DataFolder;
class EntryBox;
class FindResults;
class MessageBoxes;
struct Message;

// The find panel "Find Match": twelve boxes, and the searches that let the
// certificate screen walk the certificates matching them. It closes after
// a search; the screen's other buttons are disabled while it is open.
class FindPanel : public QFrame {
    Q_OBJECT
public:
    FindPanel(DataFolder &folder, MessageBoxes &messages, QWidget *parent = nullptr);

    // Said when a search finds nothing.
    static const Message kNoMatch;

    // Asked before a search leaves the certificate on screen: false keeps it.
    void setLeaveCheck(std::function<bool()> mayLeave) { m_mayLeave = std::move(mayLeave); }

    // The "Find" button of the certificate screen.
    void open();
    void findFirst();
    void findLast();
    void showAll();

    // Search by the boxes and show the first or last certificate found.
    void FindRecords();
    // Show this stored certificate (from the list of results, or any other
    // list of keys): the header view stands on it, joining what it walks
    // when it is not among them, and the status line says it was opened.
    // False, the user told, when it is gone.
    bool showCertificate(qint64 formIndex);

    // The list of what the last search found, laid over the window beside the panel.
    FindResults &results() const { return *m_results; }

    std::array<EntryBox *, kFindBoxes> boxes; // FindText_0 to FindText_11
    QPushButton *firstButton, *lastButton, *allButton;
    QPushButton *closeButton; // FindClose

signals:
    // The certificate screen's eleven buttons: off while the panel is open.
    void commandsEnabled(bool on);
    // A search found certificates; the header view stands on the one to show.
    void found();
    // A certificate chosen from a list was opened, for the status line.
    void told(const QString &what);

private:
    void close();
    void listFound(bool show);
    void listUnread(const DbStatus &s);

    DataFolder &m_folder;
    MessageBoxes &m_messages;
    std::function<bool()> m_mayLeave;
    FindResults *m_results;
    bool m_first = false; // the search ends on the first match, else on the last
    bool m_listing = true; // a search lists what it found; Show All Records does not
};

} // namespace arc
