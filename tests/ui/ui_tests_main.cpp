// Runs every Qt test class of the desktop program in one process.
#include <QApplication>
#include <QTest>

#include "ui_tests.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    int failures = 0;
    for (const auto& make : ui_test::Registry()) {
        std::unique_ptr<QObject> suite = make();
        failures += QTest::qExec(suite.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
