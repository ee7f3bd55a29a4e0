#pragma once

#include <QGroupBox>
#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace arc {

class DataFolder;
class EntryBox;
class MessageBoxes;
struct ActivityCounts;

// The activity report on the signatories panel: the item lines the chosen
// signatory released as new, prototype and repaired in a period, and
// their total. Shown only; nothing is stored.
class ActivityReport : public QGroupBox {
    Q_OBJECT
public:
    // `signatory` is the panel's chooser of the signatory counted for.
    ActivityReport(DataFolder &folder, MessageBoxes &messages, QComboBox *signatory, QWidget *parent = nullptr);

    // "Calculate": count and show the four numbers.
    void Calculate();

    // The four boxes' texts for counts, or empty boxes when the counts
    // could not be made.
    static std::array<QString, 4> figures(const ActivityCounts *counts);

    EntryBox *from, *to; // ReportFrom, ReportTo
    QPushButton *calculate;
    std::array<QLineEdit *, 4> results; // Text48_0 to Text48_3: new, prototype, repaired, total

private:
    void periodChanged();
    void showFigures(const ActivityCounts *counts);

    DataFolder &m_folder;
    MessageBoxes &m_messages;
    QComboBox *m_signatory;
};

} // namespace arc
