#include "UntitledMenu.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QWindow>

namespace {

// The menu bar entry of such a menu. Qt's own entry reads the action's text;
// this one reads the menu's name and otherwise behaves as a menu bar entry.
class UntitledMenuEntry : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    UntitledMenuEntry(QMenuBar *bar, QAction *action) : m_bar(bar), m_action(action) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    bool isValid() const override { return m_bar && m_action && m_action->menu(); }
    QObject *object() const override { return m_action; }
    QWindow *window() const override { return m_bar ? m_bar->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_bar); }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && isValid() ? QAccessible::queryAccessibleInterface(m_action->menu()) : nullptr;
    }
    int childCount() const override { return isValid() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && isValid() && child->object() == m_action->menu() ? 0 : -1;
    }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? m_action->menu()->accessibleName() : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = m_bar->actionGeometry(m_action);
        return QRect(m_bar->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.focusable = true;
        s.hasPopup = true;
        s.disabled = !m_action->isEnabled();
        s.invisible = !m_action->isVisible() || !m_bar->isVisible();
        s.focused = m_bar->activeAction() == m_action;
        s.expanded = m_action->menu()->isVisible();
        return s;
    }

    QStringList actionNames() const override
    {
        if (!isValid() || !m_action->isEnabled())
            return {};
        return {showMenuAction(), pressAction()};
    }
    void doAction(const QString &name) override
    {
        if (isValid() && m_action->isEnabled() && (name == showMenuAction() || name == pressAction()))
            m_bar->setActiveAction(m_action);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<QMenuBar> m_bar;
    QPointer<QAction> m_action;
};

QMenuBar *barOf(QAction *action)
{
    for (QObject *owner : action->associatedObjects())
        if (auto *bar = qobject_cast<QMenuBar *>(owner))
            return bar;
    return nullptr;
}

QAccessibleInterface *accessibleUntitledEntry(const QString &className, QObject *object)
{
    if (className != QLatin1String("QAction"))
        return nullptr;
    auto *action = static_cast<QAction *>(object);
    if (!action->menu() || !action->text().trimmed().isEmpty() || action->menu()->accessibleName().isEmpty())
        return nullptr;
    QMenuBar *bar = barOf(action);
    return bar ? new UntitledMenuEntry(bar, action) : nullptr;
}

} // namespace

void nameUntitledMenu(QMenu *menu, const QString &name)
{
    // Installed before any interface of the entry is asked for; Qt caches them.
    static const bool installed = (QAccessible::installFactory(accessibleUntitledEntry), true);
    Q_UNUSED(installed);
    menu->setAccessibleName(name);
}
