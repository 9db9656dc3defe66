// A fresh simulator and an empty X-Plane folder for each test.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "xpsim.h"

class SimTest : public ::testing::Test {
protected:
    void SetUp() override {
        xpsim::reset();
        char pattern[] = "/tmp/xpsim-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        xpsim::setRoot(root_);
    }

    void TearDown() override {
        xpsim::reset();
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    // Writes a file below the root, making its folders.
    void writeFile(const std::string& relative, const std::string& text) {
        std::filesystem::path path = std::filesystem::path(root_) / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }

    std::string root_;
};
