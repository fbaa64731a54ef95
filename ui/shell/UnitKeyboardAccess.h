#pragma once
// Keyboard access to a window's commands. Every entry of a menu gets an underlined letter (its
// mnemonic) that no other entry of the same menu uses; letters are chosen from the translated
// captions, so each language gets its own. Tool bar buttons take the focus from the Tab key, so
// that commands found only on a tool bar are reached too.
#include <QList>
#include <QString>

class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

// The caption without its mnemonic marks ("&&" stays a single "&").
QString WithoutMnemonic(const QString &caption);
// The mnemonic letter of a caption (lower case), or a null QChar.
QChar MnemonicOf(const QString &caption);
// Gives each entry without a mnemonic the first free letter of its caption (a word's first letter
// preferred); entries that have one keep it. Sub-menus are done too.
void AssignMnemonics(QMenu *menu);
void AssignMnemonics(QMenuBar *bar);
// Every menu bar, menu and context menu of a window.
void AssignWindowMnemonics(QWidget *window);
// Tab goes through the widgets in the order given (the order a form shows them in, where the
// order they were made in differs).
void ChainTabOrder(const QList<QWidget *> &widgets);
// Lets Tab reach the buttons of a tool bar, also those added later.
void ReachToolButtonsByTab(QToolBar *bar);
// Mnemonics for every menu of the window and Tab for every tool bar button.
void MakeKeyboardAccessible(QWidget *window);
