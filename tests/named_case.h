#pragma once

#include <ostream>
#include <string>

#include <gtest/gtest.h>

// Rows of a table of cases carry a `name` that becomes the test's name in CTest.
struct CaseName {
    template <class Row> std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};
