#pragma once
// Switches of the program's command line that lower layers need to know about.
#include <QStringList>

// True when the first argument after the program name, lower-cased, is "-trace": the gauge
// link then records every byte it exchanges in a trace file.
bool TraceRequested(const QStringList &arguments);
// The same for the running application's arguments (false without an application object).
bool TraceRequested();

// True when an argument is the switch `name` introduced by "/" or "-", letter case ignored
// ("/Embedding", "-EMBEDDING").
bool HasSwitch(const QStringList &arguments, const QString &name);
