#pragma once
// The one prompt service through which data and file code asks the user. The program installs
// a message-box implementation; tests install a scripted answerer. Nothing here creates widgets.
#include <QString>

enum class TPromptAnswer { Ok, Yes, No, Cancel, YesToAll };

class IPromptService {
public:
    virtual ~IPromptService() = default;
    // Error box with an OK button.
    virtual void Error(const QString &message) = 0;
    // Warning box with an OK button.
    virtual void Warning(const QString &message) = 0;
    // Confirmation with Yes and No: answers Yes or No.
    virtual TPromptAnswer YesNo(const QString &message) = 0;
    // Confirmation with Yes, No, Cancel and Yes to All.
    virtual TPromptAnswer YesNoCancelAll(const QString &message) = 0;
    // Confirmation with Yes, No and Cancel. Services without their own box ask through
    // YesNoCancelAll and read Yes to All as Yes.
    virtual TPromptAnswer YesNoCancel(const QString &message)
    {
        const TPromptAnswer answer = YesNoCancelAll(message);
        return answer == TPromptAnswer::YesToAll ? TPromptAnswer::Yes : answer;
    }
};

// Without a window the service writes errors to stderr and declines every question.
IPromptService &Prompt();
// Installs a service (not owned); nullptr restores the headless one. Returns the previous one.
IPromptService *SetPromptService(IPromptService *service);
