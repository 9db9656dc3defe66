#include "support/first_load.h"

#include <cstdio>
#include <cstdlib>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {
// gtest prints nothing of a test in that process: the failures are collected
// and written to standard error, which the report here shows.
bool checkFails(const std::function<void()>& check) {
    ::testing::TestPartResultArray results;
    {
        ::testing::ScopedFakeTestPartResultReporter collect(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ALL_THREADS, &results);
        check();
    }
    bool failed = false;
    for (int i = 0; i < results.size(); ++i) {
        const ::testing::TestPartResult& result = results.GetTestPartResult(i);
        if (result.failed()) {
            failed = true;
            std::fprintf(stderr, "%s:%d: %s\n", result.file_name() ? result.file_name() : "?",
                         result.line_number(), result.message());
        }
    }
    return failed;
}
}  // namespace

void expectOnAFirstLoad(SimulatedXPlane& xplane, const std::function<void()>& check) {
    // gtest's death tests in their "threadsafe" style start the binary afresh
    // for the current test, rather than forking this process's state.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            bool failed = checkFails(check);
            xplane.remove();
            std::_Exit(failed ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "")
        << "on a first load of the plug-in";
}
