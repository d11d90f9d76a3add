// Runs every Qt test class of the desktop program in one process, or only the
// class named by --suite=NAME (CTest runs the sheet's geometry again at other scales).
#include <QApplication>
#include <QTest>
#include <cstring>
#include <string>
#include <vector>

#include "ui_tests.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    std::string only;
    std::vector<char*> args;
    for (int k = 0; k < argc; ++k) {
        if (std::strncmp(argv[k], "--suite=", 8) == 0) only = argv[k] + 8;
        else args.push_back(argv[k]);
    }
    int failures = 0;
    for (const auto& make : ui_test::Registry()) {
        std::unique_ptr<QObject> suite = make();
        if (!only.empty() && only != suite->metaObject()->className()) continue;
        failures += QTest::qExec(suite.get(), static_cast<int>(args.size()), args.data());
    }
    return failures == 0 ? 0 : 1;
}
