#include "MenuBar.h"

#include <QAction>
#include <QEvent>
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

namespace arc {

namespace {

struct Entry {
    const char *menu;
    MenuBar::Item item;
    const char *text;
    QKeyCombination keys;
};

constexpr QKeyCombination kNone{};

using I = MenuBar::Item;
const Entry kEntries[] = {
    {"&File", I::New, "&New", Qt::CTRL | Qt::Key_N},
    {"&File", I::Save, "&Save", Qt::CTRL | Qt::Key_S},
    {"&File", I::Duplicate, "&Duplicate", kNone},
    {"&File", I::BatchSerials, "Issue for serial n&umbers...", kNone},
    {"&File", I::Print, "&Print...", Qt::CTRL | Qt::Key_P},
    {"&File", I::WritePdf, "&Write PDF...", kNone},
    {"&File", I::ExportRegister, "Export &register...", kNone},
    {"&File", I::SendByMail, "Send by &e-mail...", kNone},
    {"&File", I::SignOut, "Sign &out", Qt::CTRL | Qt::Key_L},
    {"&File", I::Exit, "E&xit", Qt::CTRL | Qt::Key_Q},
    {"&Certificate", I::Previous, "&Previous", Qt::ALT | Qt::Key_Left},
    {"&Certificate", I::Next, "&Next", Qt::ALT | Qt::Key_Right},
    {"&Certificate", I::Find, "&Find...", Qt::CTRL | Qt::Key_F},
    {"&Certificate", I::ShowAll, "Show &all records", kNone},
    {"&Certificate", I::Recent, "&Recent", kNone},
    {"&Certificate", I::VoidNumber, "&Void number...", kNone},
    {"Set-&up", I::Setup, "&Set-up", kNone},
    {"Set-&up", I::Defaults, "&Defaults", kNone},
    {"Set-&up", I::Parts, "&Parts", kNone},
    {"Set-&up", I::Signatories, "S&ignatories", kNone},
    {"Set-&up", I::Countries, "&Countries", kNone},
    {"Set-&up", I::ForwardHouses, "&Forward Houses", kNone},
    {"Set-&up", I::Statements, "S&tatements", kNone},
    {"&Help", I::About, "&About", kNone},
};

} // namespace

MenuBar::MenuBar(QWidget *parent) : QMenuBar(parent)
{
    setObjectName(QStringLiteral("MenuBar"));
    QMenu *menu = nullptr;
    const char *menuName = nullptr;
    for (const Entry &e : kEntries) {
        if (!menu || qstrcmp(menuName, e.menu) != 0) {
            menu = addMenu(tr(e.menu));
            menuName = e.menu;
        }
        if (e.item == I::SignOut || e.item == I::Exit)
            menu->addSeparator();
        QAction *a = menu->addAction(tr(e.text));
        if (e.keys != kNone) {
            a->setShortcut(QKeySequence(e.keys));
            // While the item is unusable its keys say why instead of
            // doing nothing.
            auto *instead = new QShortcut(QKeySequence(e.keys), parent ? parent : this);
            instead->setEnabled(false);
            connect(instead, &QShortcut::activated, this, [this, item = e.item] { emit unavailable(item); });
            m_unavailableKeys[e.item] = instead;
        }
        // Present but unusable until bound.
        a->setEnabled(false);
        m_actions[e.item] = a;
        connect(a, &QAction::enabledChanged, this, [this, item = e.item](bool on) {
            if (const auto k = m_unavailableKeys.find(item); k != m_unavailableKeys.end())
                k->second->setEnabled(!on);
        });
    }
    // F10 opens the first menu, as on other desktops.
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), parent ? parent : this);
    connect(f10, &QShortcut::activated, this, [this] {
        setFocus(Qt::MenuBarFocusReason);
        setActiveAction(actions().value(0));
    });
}

QString MenuBar::plainText(Item item) const
{
    QString text = action(item)->text();
    return text.remove(QLatin1Char('&'));
}

void MenuBar::bind(Item item, QPushButton *button, QPushButton *opener)
{
    QAction *a = action(item);
    m_bindings[item] = {button, opener};
    disconnect(a, &QAction::triggered, nullptr, nullptr);
    connect(a, &QAction::triggered, this, [this, item] { trigger(item); });
    // Enabling, disabling, showing and hiding reach a button also from its
    // panel and window.
    for (QPushButton *watched : {button, opener})
        if (watched)
            watched->installEventFilter(this);
    if (!a->shortcut().isEmpty()) {
        const QString tip = button->toolTip().isEmpty() ? button->text() : button->toolTip();
        button->setToolTip(QStringLiteral("%1 (%2)").arg(tip, a->shortcut().toString(QKeySequence::NativeText)));
    }
    follow(item);
}

void MenuBar::bind(Item item, std::function<void()> run)
{
    QAction *a = action(item);
    m_bindings.erase(item);
    disconnect(a, &QAction::triggered, nullptr, nullptr);
    connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
    a->setEnabled(true);
}

bool MenuBar::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type t = event->type();
    if (t == QEvent::EnabledChange || t == QEvent::Show || t == QEvent::Hide)
        for (const auto &[item, b] : m_bindings)
            if (watched == b.button || watched == b.opener)
                follow(item);
    return QMenuBar::eventFilter(watched, event);
}

void MenuBar::follow(Item item)
{
    const Binding &b = m_bindings.at(item);
    // A panel's button counts as enabled while its panel can be opened.
    const bool reachable = !b.opener || b.button->isVisible() || b.opener->isEnabled();
    action(item)->setEnabled(b.button->isEnabled() && reachable);
}

void MenuBar::trigger(Item item)
{
    const Binding &b = m_bindings.at(item);
    if (b.opener && !b.button->isVisible())
        b.opener->click();
    // The opener's rules may have kept the panel shut.
    if (!b.opener || b.button->isVisible())
        b.button->click();
}

} // namespace arc
