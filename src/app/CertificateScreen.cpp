#include "CertificateScreen.h"

#include "CertificateFields.h"
#include "DateText.h"
#include "EntryBox.h"
#include "EntryLimit.h"
#include "EntryText.h"
#include "FormDefinition.h"
#include "FormNames.h"
#include "ItemGrid.h"
#include "ItemGridModel.h"
#include "NamedWidget.h"
#include "OrganizationChooser.h"
#include "StatusWords.h"
#include "LineBreaks.h"
#include "SilentEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace arc {

using SilentEdit::setText;
using SilentEdit::setTicked;

namespace {

using B = CertificateBlocks;
using E = CertificateEntries;

// The control of the field a member holds, named as the field table says.
template <typename W, typename Member, typename... Args>
W *shown(Member member, Args &&...args)
{
    return namedWidget<W>(CertificateFields::holding(member).objectName, std::forward<Args>(args)...);
}

// What the box takes, and the caption naming it when a value too long for
// it is refused, as the field table gives them.
template <typename Box, typename Member>
Box *entry(Member member)
{
    const CertificateField &f = CertificateFields::holding(member);
    auto *e = new Box(f.objectName);
    e->setEntryLimit(f.entryLimit);
    e->setAccessibleName(QString::fromLatin1(f.caption));
    return e;
}

EntryText *multiLine(QString B::*member, int lines)
{
    auto *e = entry<EntryText>(member);
    e->setFixedHeight(e->fontMetrics().lineSpacing() * lines + 12);
    return e;
}

template <typename Member>
EntryBox *box(Member member)
{
    return entry<EntryBox>(member);
}

QGroupBox *block(const QString &caption, QLayout *content)
{
    auto *g = new QGroupBox(caption);
    g->setLayout(content);
    return g;
}

} // namespace

CertificateScreen::CertificateScreen(ItemGridModel *lines, std::function<bool()> newForm, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel3D1"));
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildTop());
    layout->addWidget(buildItems(lines, std::move(newForm)));
    layout->addWidget(buildRemarks());
    layout->addWidget(buildSignatures());
    layout->addWidget(buildButtons());

    // The two pop-up lists float over the grid.
    list1 = namedWidget<QListWidget>("List1", this);
    list1->hide();
    list2 = namedWidget<QListWidget>("List2", this);
    list2->hide();

    picture2 = namedWidget<QLabel>("Picture2", this);
    picture2->hide();
    showCaptions(FormDefinition::of(FormNames::kFaa));
    connect(formChoice, &QComboBox::currentTextChanged, this,
            [this](const QString &name) { showCaptions(FormDefinition::of(name)); });
}

QWidget *CertificateScreen::captioned(const QString &key, QWidget *w)
{
    m_captions.insert(key, w);
    return w;
}

void CertificateScreen::showCaptions(const FormDefinition &form)
{
    for (auto it = m_captions.begin(); it != m_captions.end(); ++it) {
        const QString text = form.screen(it.key());
        if (auto *label = qobject_cast<QLabel *>(it.value()))
            label->setText(text);
        else if (auto *frame = qobject_cast<QGroupBox *>(it.value()))
            frame->setTitle(text);
        else if (auto *button = qobject_cast<QPushButton *>(it.value()))
            button->setText(text);
    }
    block13aApproved->setText(form.screenBoxes13a.value(0));
    block13aNonApproved->setText(form.screenBoxes13a.value(1));
    block14aReturnToService->setText(form.screenBoxes14a.value(0));
    block14aOtherRegulation->setText(form.screenBoxes14a.value(1));
    // Only the words the form allows are offered.
    list2->clear();
    list2->addItems(StatusWords::offered(form.rules.statusWords));
}

QWidget *CertificateScreen::buildTop()
{
    auto *w = new QWidget;
    auto *g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);

    block1Country = box(&B::country);
    block1Country->setText(QStringLiteral("FAA/United States"));
    auto *b1 = new QVBoxLayout;
    b1->addWidget(captioned(QStringLiteral("1"), new QLabel));
    b1->addWidget(block1Country);
    g->addWidget(block(QString(), b1), 0, 0);

    block2Title = new QLabel;
    captioned(QStringLiteral("2"), block2Title);
    block2Title->setAlignment(Qt::AlignCenter);
    QFont f = block2Title->font();
    f.setBold(true);
    block2Title->setFont(f);
    formChoice = shown<QComboBox>(&B::form);
    formChoice->addItems(FormNames::all());
    formChoice->setToolTip(tr("The form the certificate is printed as"));
    auto *b2 = new QVBoxLayout;
    b2->addWidget(block2Title);
    b2->addWidget(formChoice, 0, Qt::AlignCenter);
    g->addLayout(b2, 0, 1);

    block3Tracking = box(&B::tracking);
    auto *b3 = new QVBoxLayout;
    b3->addWidget(block3Tracking);
    // Whether the certificate was issued; on screen only, never printed.
    issuedMark = namedWidget<QLabel>("IssuedMark");
    issuedMark->setAlignment(Qt::AlignCenter);
    // Wrapped within block 3 rather than widening it when it appears.
    issuedMark->setWordWrap(true);
    // Its room is kept while hidden, so that stepping between issued and
    // other certificates does not move the screen.
    QSizePolicy keep(QSizePolicy::Ignored, QSizePolicy::Preferred);
    keep.setRetainSizeWhenHidden(true);
    issuedMark->setSizePolicy(keep);
    issuedMark->hide();
    b3->addWidget(issuedMark);
    supersededMark = namedWidget<QLabel>("SupersededMark");
    supersededMark->setAlignment(Qt::AlignCenter);
    supersededMark->setWordWrap(true);
    supersededMark->setSizePolicy(keep);
    supersededMark->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    supersededMark->hide();
    b3->addWidget(supersededMark);
    g->addWidget(captioned(QStringLiteral("3"), block({}, b3)), 0, 2);

    block4Organization = multiLine(&B::organ1, 5);
    block4Second = multiLine(&B::organ2, 5);
    // The chooser lies over the name-and-address box.
    auto *over = new QWidget;
    auto *overLayout = new QVBoxLayout(over);
    overLayout->setContentsMargins(0, 0, 0, 0);
    overLayout->addWidget(block4Organization);
    combo3 = new OrganizationChooser(over);
    auto *b4 = new QHBoxLayout;
    b4->addWidget(over);
    b4->addWidget(block4Second);
    g->addWidget(captioned(QStringLiteral("4"), block({}, b4)), 1, 0, 1, 2);

    block5Invoice = multiLine(&B::invoice, 3);
    block5Invoice->setEnterMovesOn(true);
    block5Invoice->setCapitals(true);
    auto *b5 = new QVBoxLayout;
    b5->addWidget(block5Invoice);
    g->addWidget(captioned(QStringLiteral("5"), block({}, b5)), 1, 2);
    g->setColumnStretch(0, 2);
    g->setColumnStretch(1, 2);
    g->setColumnStretch(2, 1);
    return w;
}

QWidget *CertificateScreen::buildItems(ItemGridModel *lines, std::function<bool()> newForm)
{
    auto *w = new QWidget;
    auto *v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);

    grid1 = new ItemGrid(lines, std::move(newForm));
    auto *captions = new QHBoxLayout;
    captions->setSpacing(0);
    for (int c = 0; c < 6; ++c) {
        auto *button = new QPushButton;
        captioned(QString::number(6 + c), button);
        button->setFixedWidth(grid1->columnWidth(c));
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(EntryLimit::toolTip(ItemGridModel::limit(c)));
        columnButtons << button;
        captions->addWidget(button);
    }
    captions->addStretch();
    duplicateButton = namedWidget<QPushButton>("DuplicateCertificate", tr("Dup&licate"));
    duplicateButton->setToolTip(tr("A new certificate with the next numbers and these item lines"));
    batchButton = namedWidget<QPushButton>("BatchSerials", tr("Se&rials..."));
    batchButton->setToolTip(tr("Issue for serial numbers: one certificate per serial number"));
    captions->addWidget(duplicateButton);
    captions->addWidget(batchButton);
    v->addLayout(captions);
    v->addWidget(grid1, 0, Qt::AlignLeft);
    return w;
}

QWidget *CertificateScreen::buildRemarks()
{
    auto *w = new QWidget;
    auto *h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);

    block12Remarks = multiLine(&B::remarks, 5);
    block12Remarks->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto *b12 = new QVBoxLayout;
    b12->addWidget(block12Remarks);
    h->addWidget(captioned(QStringLiteral("12"), block({}, b12)), 3);

    option1 = shown<QRadioButton>(&B::exportChosen, tr("Yes"));
    option2 = namedWidget<QRadioButton>("Option2", tr("No"));
    option2->setChecked(true);
    combo1 = shown<QComboBox>(&B::exportCountry);
    combo2 = shown<QComboBox>(&B::forwarder);
    for (QComboBox *c : {combo1, combo2})
        c->setMinimumContentsLength(16);
    auto *e = new QGridLayout;
    e->addWidget(option1, 0, 0);
    e->addWidget(option2, 0, 1);
    e->addWidget(new QLabel(tr("Country")), 1, 0);
    e->addWidget(combo1, 1, 1);
    e->addWidget(new QLabel(tr("Freight Forwarder")), 2, 0);
    e->addWidget(combo2, 2, 1);
    h->addWidget(block(tr("Export"), e), 1);
    return w;
}

QWidget *CertificateScreen::buildSignatures()
{
    auto *w = new QWidget;
    auto *h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);

    block13aApproved = shown<QCheckBox>(&B::approvedDesign);
    block13aNonApproved = shown<QCheckBox>(&B::nonApprovedDesign);
    block13dName = box(&B::block13dName);
    block13cNumber = box(&B::block13cNumber);
    block13eDate = box(&E::block13eDate);
    block13eDate->setTodayOnDoubleClick(true);
    auto *b13 = new QGridLayout;
    b13->addWidget(captioned(QStringLiteral("13a"), new QLabel), 0, 0, 1, 4);
    b13->addWidget(block13aApproved, 1, 0, 1, 2);
    b13->addWidget(block13aNonApproved, 1, 2, 1, 2);
    b13->addWidget(new QLabel(QStringLiteral("Name")), 2, 0);
    b13->addWidget(block13dName, 2, 1, 1, 3);
    b13->addWidget(new QLabel(QStringLiteral("Authorization No.")), 3, 0);
    b13->addWidget(block13cNumber, 3, 1);
    b13->addWidget(new QLabel(QStringLiteral("Date")), 3, 2);
    b13->addWidget(block13eDate, 3, 3);
    h->addWidget(block(QStringLiteral("13."), b13));

    block14aReturnToService = shown<QCheckBox>(&B::cfrReturnToService);
    block14aOtherRegulation = shown<QCheckBox>(&B::otherRegulation);
    block14dName = box(&B::block14dName);
    block14cNumber = box(&B::block14cNumber);
    block14eDate = box(&E::block14eDate);
    block14eDate->setTodayOnDoubleClick(true);
    auto *b14 = new QGridLayout;
    b14->addWidget(captioned(QStringLiteral("14a"), new QLabel), 0, 0, 1, 4);
    b14->itemAtPosition(0, 0)->widget()->setProperty("wordWrap", true);
    b14->addWidget(block14aReturnToService, 1, 0, 1, 2);
    b14->addWidget(block14aOtherRegulation, 1, 2, 1, 2);
    b14->addWidget(new QLabel(QStringLiteral("Name")), 2, 0);
    b14->addWidget(block14dName, 2, 1, 1, 3);
    b14->addWidget(new QLabel(QStringLiteral("Certificate No.")), 3, 0);
    b14->addWidget(block14cNumber, 3, 1);
    b14->addWidget(new QLabel(QStringLiteral("Date")), 3, 2);
    b14->addWidget(block14eDate, 3, 3);
    h->addWidget(block(QStringLiteral("14."), b14));
    return w;
}

QWidget *CertificateScreen::buildButtons()
{
    auto *w = new QWidget;
    auto *h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    auto add = [&](const char *name, const QString &caption, QStyle::StandardPixmap icon = QStyle::SP_CustomBase,
                   const QString &tip = {}) {
        auto *b = namedWidget<QPushButton>(name, caption);
        if (icon != QStyle::SP_CustomBase)
            b->setIcon(style()->standardIcon(icon));
        b->setToolTip(tip);
        h->addWidget(b);
        return b;
    };
    setupButton = add("Command3D18", tr("Se&t-up"));
    defaultsButton = add("Command3D23", tr("Def&aults"));
    deleteButton = add("Command3D15", tr("&Delete"));
    previousButton = add("Command3D17", QString(), QStyle::SP_ArrowLeft, tr("Previous certificate"));
    findButton = add("Command3D27", tr("F&ind"));
    nextButton = add("Command3D16", QString(), QStyle::SP_ArrowRight, tr("Next certificate"));
    partsButton = add("Command3D26", QString(), QStyle::SP_FileDialogDetailedView, tr("Parts"));
    editorButton = add("SSCommand3", QString(), QStyle::SP_FileIcon, tr("Text editor"));
    printButton = add("Command3D14", tr("&Print"));
    newButton = add("Command3D19", tr("&New"));
    saveButton = add("Command3D13", tr("&Save"));
    exitButton = add("Command3D12", tr("E&xit"));
    return w;
}

void CertificateScreen::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    placeLists();
}

void CertificateScreen::placeLists()
{
    // Each list drops from its column's caption over the grid.
    const QPoint grid = grid1->mapTo(this, QPoint(0, 0));
    auto place = [&](QListWidget *list, int column) {
        int x = grid.x();
        for (int c = 0; c < column; ++c)
            x += grid1->columnWidth(c);
        list->setGeometry(x, grid.y(), std::max(grid1->columnWidth(column), 160), grid1->height() * 2 / 3);
        list->raise();
    };
    place(list1, ItemGridModel::PartNoColumn);
    place(list2, ItemGridModel::StatusColumn);
}

void CertificateScreen::showHeader(const CertificateHeader &c)
{
    for (const CertificateField *f : CertificateFields::of(StoredTable::Header)) {
        if (!*f->block)
            continue; // the export frame follows its own rule
        QWidget *w = findChild<QWidget *>(QLatin1String(f->objectName));
        if (w == formChoice)
            formChoice->setCurrentText(FormNames::effective(c.*f->text));
        else if (f->flag)
            setTicked(qobject_cast<QCheckBox *>(w), c.*f->flag);
        else if (f->date)
            setText(qobject_cast<QLineEdit *>(w), DateText::format(c.*f->date));
        else if (auto *line = qobject_cast<QLineEdit *>(w))
            setText(line, c.*f->text);
        else
            setText(qobject_cast<QPlainTextEdit *>(w), c.*f->text);
    }
}

CertificateEntries CertificateScreen::entries(const ItemSlots &lines) const
{
    CertificateEntries e;
    for (const CertificateField *f : CertificateFields::of(StoredTable::Header)) {
        const QWidget *w = findChild<QWidget *>(QLatin1String(f->objectName));
        if (w == formChoice) {
            e.*f->text = formChoice->currentText();
        } else if (f->flag) {
            e.*f->flag = qobject_cast<const QAbstractButton *>(w)->isChecked();
        } else if (f->dateText) {
            e.*f->dateText = qobject_cast<const QLineEdit *>(w)->text();
        } else if (const auto *list = qobject_cast<const QComboBox *>(w)) {
            e.*f->text = list->currentIndex() > 0 ? list->currentText() : QString(); // not the placeholder
        } else if (const auto *line = qobject_cast<const QLineEdit *>(w)) {
            e.*f->text = line->text();
        } else {
            e.*f->text = qobject_cast<const QPlainTextEdit *>(w)->toPlainText();
        }
    }
    e.lines = lines;
    return e;
}

void CertificateScreen::setCommandsEnabled(bool enabled)
{
    for (QPushButton *b : {defaultsButton, deleteButton, findButton, partsButton, printButton, newButton, saveButton,
                           exitButton, previousButton, nextButton, duplicateButton, batchButton})
        b->setEnabled(enabled);
}

} // namespace arc
