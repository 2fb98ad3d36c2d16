#pragma once

#include "core/store/filter_condition.h"

#include <vector>

// A node of a parsed filter: a condition, or AND / OR over two or more children.
struct FilterNode
{
    enum class Kind
    {
        Condition,
        And,
        Or,
    };

    Kind kind = Kind::Condition;
    FilterCondition condition;
    std::vector<FilterNode> children;
};
