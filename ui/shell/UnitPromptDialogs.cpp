#include "UnitPromptDialogs.h"
#include "UnitApplicationNames.h"
#include "UnitException.h"

#include <QApplication>
#include <QMessageBox>

namespace {
QString Shown(const QString &message)
{
    QString text = message;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

QString Title() { return ProgramTitle(); }
} // namespace

void TPromptDialogs::Error(const QString &message)
{
    QMessageBox::critical(QApplication::activeWindow(), Title(), Shown(message), QMessageBox::Ok);
}

void TPromptDialogs::Warning(const QString &message)
{
    QMessageBox::warning(QApplication::activeWindow(), Title(), Shown(message), QMessageBox::Ok);
}

TPromptAnswer TPromptDialogs::YesNo(const QString &message)
{
    const auto answer = QMessageBox::question(QApplication::activeWindow(), Title(), Shown(message),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes ? TPromptAnswer::Yes : TPromptAnswer::No;
}

TPromptAnswer TPromptDialogs::YesNoCancelAll(const QString &message)
{
    const auto answer = QMessageBox::question(QApplication::activeWindow(), Title(), Shown(message),
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                                  | QMessageBox::YesToAll,
                                              QMessageBox::Cancel);
    switch (answer) {
    case QMessageBox::Yes:
        return TPromptAnswer::Yes;
    case QMessageBox::No:
        return TPromptAnswer::No;
    case QMessageBox::YesToAll:
        return TPromptAnswer::YesToAll;
    default:
        return TPromptAnswer::Cancel;
    }
}

TPromptAnswer TPromptDialogs::YesNoCancel(const QString &message)
{
    const auto answer = QMessageBox::question(QApplication::activeWindow(), Title(), Shown(message),
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                              QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        return TPromptAnswer::Yes;
    return answer == QMessageBox::No ? TPromptAnswer::No : TPromptAnswer::Cancel;
}
