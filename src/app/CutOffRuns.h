#pragma once

#include "IssueRuns.h"
#include "SignedInAs.h"

#include <QObject>
#include <vector>

namespace arc {

class BatchIssue;
class DataFolder;
class MessageBoxes;

// Runs of Issue for serial numbers whose issue was cut off (the program
// killed, a page that could not be issued): named when their data source
// is opened, at whichever workstation; their rest is issued once their
// signatory signs in, or they are left stored and unissued.
class CutOffRuns : public QObject {
    Q_OBJECT
public:
    CutOffRuns(BatchIssue &batch, DataFolder &folder, MessageBoxes &messages, QObject *parent);

    // On opening a data source: each run cut off is named, and the user
    // chooses to finish it or to leave it.
    void tell();
    // Who is signed in, as sign-in tells it.
    void setSignedIn(const SignedInAs &who) { m_who = who; }
    // After a sign-in: the runs chosen for finishing that are the
    // signatory's own are issued and written or printed.
    void finishForSignedIn();

private:
    BatchIssue &m_batch;
    DataFolder &m_folder;
    SignedInAs m_who;
    MessageBoxes &m_messages;
    std::vector<IssueRun> m_chosen;
};

} // namespace arc
