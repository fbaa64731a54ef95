#include "UnitKeyboardAccess.h"

#include "UnitException.h"

#include <QAction>
#include <QEvent>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

QString WithoutMnemonic(const QString &caption)
{
    QString result;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i; // "&x" gives "x", "&&" gives "&"
        result += caption[i];
    }
    return result;
}

QChar MnemonicOf(const QString &caption)
{
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return caption[i + 1].toLower();
    }
    return {};
}

namespace {
// The caption with '&' before the character at `at` of its unmarked text.
QString MarkedAt(const QString &caption, int at)
{
    QString result;
    int plain = 0;
    for (int i = 0; i < caption.size(); ++i) {
        if (plain == at)
            result += u'&';
        if (caption[i] == u'&' && i + 1 < caption.size() && caption[i + 1] == u'&') {
            result += QStringLiteral("&&");
            ++i;
        } else {
            result += caption[i];
        }
        ++plain;
    }
    return result;
}

// The position in the plain text of the letter to mark: the first free word start, else the first
// free letter or digit; -1 when every one is taken.
int FreeLetter(const QString &plain, const QSet<QChar> &used)
{
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < plain.size(); ++i) {
            const QChar c = plain[i];
            if (!c.isLetterOrNumber() || used.contains(c.toLower()))
                continue;
            if (pass == 0 && i > 0 && plain[i - 1].isLetterOrNumber())
                continue;
            return i;
        }
    return -1;
}

void AssignActions(const QList<QAction *> &actions)
{
    QSet<QChar> used;
    for (QAction *a : actions)
        if (!a->isSeparator() && !MnemonicOf(a->text()).isNull())
            used << MnemonicOf(a->text());
    for (QAction *a : actions) {
        if (a->isSeparator() || a->text().isEmpty() || !MnemonicOf(a->text()).isNull())
            continue;
        const int at = FreeLetter(WithoutMnemonic(a->text()), used);
        if (at < 0)
            continue;
        used << WithoutMnemonic(a->text())[at].toLower();
        a->setText(MarkedAt(a->text(), at));
    }
    for (QAction *a : actions)
        if (a->menu())
            AssignMnemonics(a->menu());
}
} // namespace

void AssignMnemonics(QMenu *menu)
{
    if (menu)
        AssignActions(menu->actions());
}

void AssignMnemonics(QMenuBar *bar)
{
    if (bar)
        AssignActions(bar->actions());
}

void AssignWindowMnemonics(QWidget *window)
{
    // The menu bar first: its entries are the ones reached from the keyboard most.
    for (QMenuBar *bar : window->findChildren<QMenuBar *>())
        AssignMnemonics(bar);
    for (QMenu *menu : window->findChildren<QMenu *>())
        AssignMnemonics(menu);
    // Context menus Qt makes from a control's own actions.
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : widgets)
        if (w->contextMenuPolicy() == Qt::ActionsContextMenu)
            AssignActions(w->actions());
}

namespace {
// Tool bars make their buttons without focus; each button is given it once it is polished.
class TToolButtonFocus : public QObject {
public:
    using QObject::QObject;
    static void Apply(QToolBar *bar)
    {
        for (QToolButton *b : bar->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly))
            if (b->objectName() != QLatin1String("qt_toolbar_ext_button"))
                b->setFocusPolicy(Qt::TabFocus);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ChildPolished)
            if (auto *bar = qobject_cast<QToolBar *>(watched))
                Apply(bar);
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

void ChainTabOrder(const QList<QWidget *> &widgets)
{
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

void ReachToolButtonsByTab(QToolBar *bar)
{
    // Once per bar: a window made of panes may be handed the same bar again.
    static const char *const Marked = "toolButtonsTakeTab";
    if (!bar || bar->property(Marked).toBool())
        return;
    bar->setProperty(Marked, true);
    bar->installEventFilter(new TToolButtonFocus(bar));
    TToolButtonFocus::Apply(bar);
}

void MakeKeyboardAccessible(QWidget *window)
{
    AssignWindowMnemonics(window);
    for (QMenuBar *bar : window->findChildren<QMenuBar *>())
        if (bar->accessibleName().isEmpty())
            bar->setAccessibleName(Tr("Menu"));
    for (QToolBar *bar : window->findChildren<QToolBar *>())
        ReachToolButtonsByTab(bar);
}
