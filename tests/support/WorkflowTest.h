#pragma once
// Fixture for handler tests: MainWindow as start-up leaves it, with NameList created.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeWindow.h"
#include "NameList.h"

class WorkflowTest : public ::testing::Test {
protected:
    WorkflowTest() { createNameList(); }
    ~WorkflowTest() override { releaseNameList(); }

    // NameList's elements as strings; an absent element reads "".
    static std::vector<std::string> names() {
        std::vector<std::string> result;
        for (std::int32_t i = 1; i <= elementCount(NameList); ++i) {
            result.emplace_back(elementAt(NameList, i).view());
        }
        return result;
    }

    FakeWindow window;
};
