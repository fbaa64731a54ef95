#pragma once
// Commands of orvalis-cli. Each command lives in its own file and registers itself here.
#include <QStringList>
#include <functional>

// A command gets its arguments (after the command name) and returns the exit code. It prints
// results on stdout and clear errors on stderr; an exception's message is printed for it.
using TCliCommand = std::function<int(const QStringList &args)>;

struct TCliRegistration {
    TCliRegistration(const char *name, const char *usage, TCliCommand command);
};

// True when the first argument of the program was "-trace".
bool CliTraceRequested();

// Writes text to stdout / stderr in the terminal's encoding.
void CliOut(const QString &text);
void CliErr(const QString &text);
