#pragma once
// The editor check of every name typed in place (folder tree, folder view, report lists).
#include <QValidator>

// Refuses, with a beep, any text holding a character a file or folder name cannot hold
// (IsForbiddenNameChar); everything else is accepted.
class TFolderNameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};
