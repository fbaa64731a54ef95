#pragma once
// Walks the accessibility tree a screen reader sees and lists the controls a user can operate
// that it could not name.
#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <QStringList>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

// Roles of controls a user operates: each needs a name to be announced.
inline bool IsOperableRole(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::Dial:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::List:
    case QAccessible::PageTab:
    case QAccessible::PageTabList:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::ToolBar:
    case QAccessible::MenuItem:
    case QAccessible::MenuBar:
        return true;
    default:
        return false;
    }
}

// "Role objectName (Class)" and the path of object names down to it.
inline QString DescribeAccessible(QAccessibleInterface *iface)
{
    QString path;
    for (QObject *o = iface->object(); o; o = o->parent())
        if (!o->objectName().isEmpty())
            path.prepend(QLatin1Char('/') + o->objectName());
    const char *cls = iface->object() ? iface->object()->metaObject()->className() : "item";
    return QStringLiteral("%1 %2 (%3) \"%4\"")
        .arg(QString::number(int(iface->role()), 16), path, QLatin1String(cls),
             iface->text(QAccessible::Description));
}

// A control is named by its own name or, as Qt gives lists on Linux their current text as name,
// by the label that its label relation points at (a QLabel buddy).
inline bool IsNamed(QAccessibleInterface *iface)
{
    if (!iface->text(QAccessible::Name).trimmed().isEmpty())
        return true;
    for (const auto &[label, relation] : iface->relations(QAccessible::Label))
        if (label && !label->text(QAccessible::Name).trimmed().isEmpty())
            return true;
    return false;
}

inline void CollectNameless(QAccessibleInterface *iface, QStringList &found, int depth = 0)
{
    if (!iface || !iface->isValid() || depth > 40)
        return;
    if (iface->state().invisible)
        return;
    if (IsOperableRole(iface->role()) && !IsNamed(iface))
        found << DescribeAccessible(iface);
    // The cells of a table or list are named from their texts; the table itself is checked.
    const QAccessible::Role role = iface->role();
    if (role == QAccessible::Table || role == QAccessible::Tree || role == QAccessible::List)
        return;
    for (int i = 0; i < iface->childCount(); ++i)
        CollectNameless(iface->child(i), found, depth + 1);
}

// Every menu under a menu bar or a menu, also the sub-menus.
inline void CollectMenus(QMenu *menu, QList<QMenu *> &menus)
{
    if (!menu || menus.contains(menu))
        return;
    menus << menu;
    for (QAction *a : menu->actions())
        CollectMenus(a->menu(), menus);
}

inline QList<QMenu *> MenusOf(QWidget *window)
{
    QList<QMenu *> menus;
    for (QMenuBar *bar : window->findChildren<QMenuBar *>())
        for (QAction *a : bar->actions())
            CollectMenus(a->menu(), menus);
    for (QMenu *menu : window->findChildren<QMenu *>())
        CollectMenus(menu, menus);
    return menus;
}

// The operable controls of a window, its menus and its context menus that have no name.
inline QStringList NamelessControls(QWidget *window)
{
    QStringList found;
    CollectNameless(QAccessible::queryAccessibleInterface(window), found);
    // Menus are windows of their own, walked as they would be when opened.
    for (QMenu *menu : MenusOf(window)) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(menu);
        for (int i = 0; iface && i < iface->childCount(); ++i) {
            QAccessibleInterface *item = iface->child(i);
            if (item && item->role() == QAccessible::MenuItem && item->text(QAccessible::Name).trimmed().isEmpty())
                found << DescribeAccessible(iface) + QStringLiteral(" item ") + QString::number(i);
        }
    }
    return found;
}

// Tool bar buttons the Tab key cannot reach (their commands would be mouse-only).
inline QStringList UnreachableToolButtons(QWidget *window)
{
    QStringList found;
    for (QToolBar *bar : window->findChildren<QToolBar *>())
        for (QToolButton *b : bar->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly))
            if (b->isVisible() && b->objectName() != QLatin1String("qt_toolbar_ext_button") &&
                !(b->focusPolicy() & Qt::TabFocus))
                found << bar->objectName() + QStringLiteral(": \"") + b->text() + QStringLiteral("\" takes no Tab");
    return found;
}
