#include "TestSupport.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    return RunTests(argc, argv, [](int &c, char **v) { return std::make_unique<QCoreApplication>(c, v); });
}
