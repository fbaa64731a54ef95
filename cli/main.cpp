// orvalis-cli: the program's data and gauge code without a window, for scripts and tests.
#include "UnitException.h"
#include "UnitStorage.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {
int Usage()
{
    std::fprintf(stderr, "usage: orvalis-cli [-trace] COMMAND [ARGUMENTS...]\n");
    return 2;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Orvalis"));
    QCoreApplication::setOrganizationName(QStringLiteral("Ventrax"));
    InitConfigurationStore();
    QStringList args = QCoreApplication::arguments().mid(1);
    if (!args.isEmpty() && args.first() == QLatin1String("-trace"))
        args.removeFirst();
    if (args.isEmpty())
        return Usage();
    std::fprintf(stderr, "orvalis-cli: unknown command \"%s\"\n", qPrintable(args.first()));
    return Usage();
}
