#include "UnitNameValidator.h"

#include "UnitFileOperations.h"

#include <QApplication>

QValidator::State TFolderNameValidator::validate(QString &input, int &) const
{
    if (!HasForbiddenNameChar(input))
        return Acceptable;
    QApplication::beep();
    return Invalid;
}
