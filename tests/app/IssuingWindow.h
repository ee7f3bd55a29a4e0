#pragma once

// The signed-in window with a certificate ready to issue: its organisation
// and one line filled, the PDF file and the printer's job given, the
// tracking numbers counted from 000100.

#include "WindowFixture.h"

#include "BatchIssue.h"
#include "PrintCommand.h"
#include "PrintPanel.h"
#include "RecordingCanvas.h"

#include <QLabel>

class IssuingWindowTest : public SignedInWindowTest {
protected:
    void fillBeforeOpening() override { storedExec("UPDATE Defaults SET Tracking = '000100', IncreaseTrack = 1"); }
    void SetUp() override
    {
        SignedInWindowTest::SetUp();
        arc::PrintCommand &print = window->printCommand();
        print.setFileChooser([this] { return pdfPath; });
        print.setPrinterCheck([] { return true; });
        print.setJobCanvas([this] {
            ++jobs;
            return jobCanvas();
        });
        screen().block4Organization->setPlainText("Acme Aero\n1 Main St");
        fuelPumpLine("NEW");
    }
    // What a print job draws on.
    virtual std::unique_ptr<arc::RecordingCanvas> jobCanvas() { return std::make_unique<arc::RecordingCanvas>(); }

    // The print panel's "Write PDF".
    void pdf()
    {
        window->printCommand().open();
        window->printCommand().panel().pdfButton->click();
    }
    // The print panel's OK with `copies`.
    void ok(const QString &copies)
    {
        window->printCommand().open();
        window->printCommand().panel().text45->setText(copies);
        window->printCommand().panel().okButton->click();
    }
    int logged() { return stored("SELECT count(*) FROM IssueLog").toInt(); }
    // A mark or status label by its name, and its text while it is shown.
    QLabel *label(const char *name) { return window->findChild<QLabel *>(name); }
    QString shown(const char *name) { return label(name)->isVisibleTo(window.get()) ? label(name)->text() : QString(); }
    // "Issue for serial numbers", `count` copies from SN-8, the run's question
    // answered with `answer`: the folder its PDFs are written to.
    QString issueRun(int count, arc::Message::Answer answer = arc::Message::Answer::WritePdf)
    {
        const QString run = folder() + "run/";
        EXPECT_TRUE(QDir().mkpath(run));
        arc::BatchIssue &batch = *window->findChild<arc::BatchIssue *>();
        batch.setChoiceRunner([this, count](const QString &first) {
            offered = first;
            return arc::BatchIssue::Choice{"SN-8", count};
        });
        batch.setFileChooser([run] { return run; });
        messages.answers = {answer};
        screen().batchButton->click();
        return run;
    }

    QString pdfPath = folder() + "certificate.pdf";
    int jobs = 0;
    QString offered; // the first serial number the run was offered
};
