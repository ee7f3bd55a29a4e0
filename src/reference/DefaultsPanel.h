#pragma once

#include "DefaultsForm.h"

#include <QFrame>

class QCheckBox;
class QPushButton;

namespace arc {

class EntryBox;
class EntryText;

// "Defaults Setup": what a new certificate starts from, the default number
// of copies and the large remarks section of the print-out.
class DefaultsPanel : public QFrame {
    Q_OBJECT
public:
    explicit DefaultsPanel(QWidget *parent = nullptr);

    void show(const DefaultsForm &form);
    DefaultsForm form() const;

    EntryBox *text14;  // Authority/Country
    EntryBox *text19;  // the last tracking number used
    QCheckBox *check3D3;
    EntryText *text15; // Invoice/Contract No., two lines
    QCheckBox *check3D7;
    EntryBox *text24, *text25, *text26; // Description, Part Number, Serial/Batch Number
    QCheckBox *check3D4;
    EntryBox *text39, *text40; // Eligibility, Status/work
    EntryText *text20;         // Remarks
    EntryBox *text12, *text21, *text22, *text23; // 13d and 14d names, 13c and 14c numbers
    EntryBox *text46;          // Copies
    QCheckBox *check3D5;       // block 12 printed large
    QPushButton *closeButton;  // DefaultsClose: stores and closes, as the screen's button does

private:
    // The counters as the panel opened with them, given back with its form.
    std::optional<DefaultsForm::Loaded> m_loaded;
};

} // namespace arc
