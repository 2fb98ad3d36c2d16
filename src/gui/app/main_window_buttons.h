#pragma once

#include <vector>

// One button of the main window's five groups and the window or report it opens.
struct MainWindowButton
{
    int group;              // index into MainWindowButtons::groupHeadings()
    const char* objectName; // stable name for tests
    const char* caption;    // exact, blanks included
    const char* hint;       // empty when none
    const char* target;     // form or report name opened by the button
};

// The main window's button groups, in the order they are shown.
class MainWindowButtons
{
public:
    static const std::vector<const char*>& groupHeadings();
    static const std::vector<const char*>& groupObjectNames();
    static const std::vector<MainWindowButton>& list();
};
