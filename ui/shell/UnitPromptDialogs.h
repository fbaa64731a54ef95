#pragma once
// The prompt service shown as message boxes.
#include "UnitPrompt.h"

class QWidget;

class TPromptDialogs : public IPromptService {
public:
    void Error(const QString &message) override;
    void Warning(const QString &message) override;
    TPromptAnswer YesNo(const QString &message) override;
    TPromptAnswer YesNoCancelAll(const QString &message) override;
    TPromptAnswer YesNoCancel(const QString &message) override;
};
