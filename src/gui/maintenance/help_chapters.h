#pragma once

#include <vector>

// One chapter of the help viewer's "Zoeken" menu.
struct HelpChapter
{
    const char* submenu;
    const char* item;
    const char* heading;
};

// The chapters of the manual that the help viewer's menu jumps to, in menu order.
class HelpChapters
{
public:
    static const std::vector<HelpChapter>& list();
};
