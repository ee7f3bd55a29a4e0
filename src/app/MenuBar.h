#pragma once

#include <QMenuBar>
#include <functional>
#include <map>

class QAction;
class QPushButton;
class QShortcut;

namespace arc {

// The window's menus. An item stands for a button: it clicks it, so that
// the button's rules and questions hold, and it is enabled exactly while
// the button is. Items are bound once their buttons exist; until then they
// are shown disabled.
class MenuBar : public QMenuBar {
    Q_OBJECT
public:
    enum class Item {
        New, Save, Duplicate, BatchSerials, Print, WritePdf, ExportRegister, Exit,
        Previous, Next, Find, ShowAll, Recent,
        Setup, Defaults, Parts, Signatories, Countries, ForwardHouses, Statements,
        SendByMail, SignOut, VoidNumber, About,
    };

    explicit MenuBar(QWidget *parent = nullptr);

    QAction *action(Item item) const { return m_actions.at(item); }
    // The item's text without its mnemonic ("Previous").
    QString plainText(Item item) const;

    // The item clicks `button`. A button on a panel that is not open is
    // reached through `opener`, the button that opens the panel, and the
    // item is then enabled while the opener is. A button with a shortcut
    // names it in its tool tip.
    void bind(Item item, QPushButton *button, QPushButton *opener = nullptr);
    // The item runs `run`; it is enabled from now on.
    void bind(Item item, std::function<void()> run);

signals:
    // The item's keys were pressed while it cannot be used.
    void unavailable(Item item);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Binding {
        QPushButton *button;
        QPushButton *opener;
    };
    void follow(Item item);
    void trigger(Item item);

    std::map<Item, QAction *> m_actions;
    std::map<Item, Binding> m_bindings;
    std::map<Item, QShortcut *> m_unavailableKeys;
};

} // namespace arc
