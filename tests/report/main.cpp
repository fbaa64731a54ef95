#include "TestSupport.h"

#include <QApplication>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return RunTests(argc, argv, [](int &c, char **v) { return std::make_unique<QApplication>(c, v); });
}
