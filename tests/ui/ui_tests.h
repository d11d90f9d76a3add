#pragma once
// The test classes register themselves here; ui_tests_main runs them all.
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "ui_test_suites.h"  // generated: the suite files, so adding one reruns moc

namespace ui_test {

using SuiteMaker = std::function<std::unique_ptr<QObject>()>;
inline std::vector<SuiteMaker>& Registry() {
    static std::vector<SuiteMaker> suites;
    return suites;
}
template <class Suite>
struct Register {
    Register() { Registry().push_back([] { return std::make_unique<Suite>(); }); }
};

}  // namespace ui_test
