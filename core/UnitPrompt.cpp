#include "UnitPrompt.h"

#include <cstdio>

namespace {
class THeadlessPrompt : public IPromptService {
public:
    void Error(const QString &message) override { Print("Error", message); }
    void Warning(const QString &message) override { Print("Warning", message); }
    TPromptAnswer YesNo(const QString &message) override
    {
        Print("Question (answered No)", message);
        return TPromptAnswer::No;
    }
    TPromptAnswer YesNoCancelAll(const QString &message) override
    {
        Print("Question (answered Cancel)", message);
        return TPromptAnswer::Cancel;
    }

private:
    static void Print(const char *kind, const QString &message)
    {
        QString text = message;
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        std::fprintf(stderr, "%s: %s\n", kind, text.toLocal8Bit().constData());
    }
};

THeadlessPrompt gHeadless;
IPromptService *gCurrent = &gHeadless;
} // namespace

IPromptService &Prompt() { return *gCurrent; }

IPromptService *SetPromptService(IPromptService *service)
{
    IPromptService *previous = gCurrent == &gHeadless ? nullptr : gCurrent;
    gCurrent = service ? service : &gHeadless;
    return previous;
}
