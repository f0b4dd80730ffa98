#pragma once

#include <iostream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

// Gives the code under test a console made of strings: what it writes to
// std::cout is kept, and what it reads from std::cin is typed beforehand.
class ConsoleTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedOutput = std::cout.rdbuf(output.rdbuf());
        savedInput = std::cin.rdbuf(input.rdbuf());
    }

    void TearDown() override {
        std::cout.rdbuf(savedOutput);
        std::cin.rdbuf(savedInput);
        std::cin.clear();
        std::cout.clear();
    }

    void type(const std::string& replies) { input.str(replies); }

    std::string written() const { return output.str(); }

    void forget_written() { output.str({}); }

private:
    std::ostringstream output;
    std::istringstream input;
    std::streambuf* savedOutput = nullptr;
    std::streambuf* savedInput = nullptr;
};
