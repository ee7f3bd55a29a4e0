#include "DefaultsPanel.h"

#include "NamedWidget.h"
#include "PanelKeys.h"

#include "EntryBox.h"
#include "EntryText.h"
#include "SilentEdit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QLabel>

namespace arc {

DefaultsPanel::DefaultsPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel3D2"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);

    text14 = new EntryBox("Text14", 20);
    text14->setText(QStringLiteral("FAA/United States"));
    text19 = new EntryBox("Text19", 15);
    check3D3 = namedWidget<QCheckBox>("Check3D3", tr("Auto increment Track #"));
    text15 = new EntryText("Text15");
    text15->setEntryLimit(40);
    text15->setFixedHeight(44);
    check3D7 = namedWidget<QCheckBox>("Check3D7", tr("Auto increment Inv #"));
    text24 = new EntryBox("Text24", 50);
    text25 = new EntryBox("Text25", 30);
    text26 = new EntryBox("Text26", 30);
    check3D4 = namedWidget<QCheckBox>("Check3D4", tr("Auto increment Batch #"));
    text39 = new EntryBox("Text39", 50);
    text40 = new EntryBox("Text40", 20);
    text20 = new EntryText("Text20");
    text20->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text12 = new EntryBox("Text12", 50);
    text21 = new EntryBox("Text21", 50);
    text22 = new EntryBox("Text22", 25);
    text23 = new EntryBox("Text23", 25);
    text46 = new EntryBox("Text46", 20);
    text46->setText(QStringLiteral("1"));
    check3D5 = namedWidget<QCheckBox>("Check3D5", tr("Print block 12 (remarks) in large type"));

    auto *title = new QLabel(tr("Defaults Setup"));
    QFont f = title->font();
    f.setBold(true);
    title->setFont(f);
    auto *g = new QGridLayout(this);
    g->addWidget(title, 0, 0, 1, 4, Qt::AlignHCenter);
    int row = 1;
    const auto add = [&](const QString &label, QWidget *w, QCheckBox *beside = nullptr) {
        g->addWidget(new QLabel(label), row, 0);
        g->addWidget(w, row, 1);
        if (beside)
            g->addWidget(beside, row, 2, 1, 2);
        ++row;
    };
    add(tr("Authority/Country"), text14);
    add(tr("Last tracking number used"), text19, check3D3);
    add(tr("Invoice/Contract No."), text15, check3D7);
    add(tr("Description"), text24);
    add(tr("Part Number"), text25);
    add(tr("Serial/Batch Number"), text26, check3D4);
    add(tr("Eligibility"), text39);
    add(tr("Status/work"), text40);
    add(tr("Remarks"), text20);
    add(tr("13d Name"), text12);
    add(tr("14d Name"), text21);
    add(tr("13c Authorization No."), text22);
    add(tr("14c Certificate No."), text23);
    add(tr("Copies"), text46, check3D5);
    closeButton = new QPushButton(tr("&Close"));
    closeButton->setObjectName(QStringLiteral("DefaultsClose"));
    closeButton->setToolTip(tr("Store the defaults and close (Escape)"));
    g->addWidget(closeButton, row, 3, Qt::AlignRight);
    PanelKeys::attach(this, closeButton);
    hide();
}

void DefaultsPanel::show(const DefaultsForm &f)
{
    using SilentEdit::setText;
    // Each switch before its number, as the number's display depends on it.
    check3D3->setChecked(f.increaseTrack);
    check3D7->setChecked(f.increaseInv);
    check3D4->setChecked(f.increaseBatch);
    setText(text14, f.country);
    setText(text19, f.tracking);
    setText(text15, f.invoice);
    setText(text24, f.description);
    setText(text25, f.partNum);
    setText(text26, f.batch);
    setText(text39, f.eligibility);
    setText(text40, f.status);
    setText(text20, f.remarks);
    setText(text12, f.block13dName);
    setText(text21, f.block14dName);
    setText(text22, f.block13cNumber);
    setText(text23, f.block14cNumber);
    setText(text46, f.copies);
    check3D5->setChecked(f.largeRemarks);
    m_loaded = f.loaded;
    QFrame::show();
    raise();
    text14->setFocus();
}

DefaultsForm DefaultsPanel::form() const
{
    DefaultsForm f;
    f.country = text14->text();
    f.tracking = text19->text();
    f.increaseTrack = check3D3->isChecked();
    f.invoice = text15->toPlainText();
    f.increaseInv = check3D7->isChecked();
    f.description = text24->text();
    f.partNum = text25->text();
    f.batch = text26->text();
    f.increaseBatch = check3D4->isChecked();
    f.eligibility = text39->text();
    f.status = text40->text();
    f.remarks = text20->toPlainText();
    f.block13dName = text12->text();
    f.block14dName = text21->text();
    f.block13cNumber = text22->text();
    f.block14cNumber = text23->text();
    f.copies = text46->text();
    f.largeRemarks = check3D5->isChecked();
    f.loaded = m_loaded;
    return f;
}

} // namespace arc
