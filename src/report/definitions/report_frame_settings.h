#pragma once

#include "report/page_frame_settings.h"

class Settings;

// The page frame's view of the program's settings, taken afresh for every print so a logo
// or name changed in the settings window shows on the next report.
class ReportFrameSettings
{
public:
    static PageFrameSettings from(const Settings& settings);
};
