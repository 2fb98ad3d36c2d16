#pragma once

#include "report/report_document.h"

// Takes finished pages one by one, so a long report can be written out while it is laid out
// instead of being held whole in memory.
class ReportPageSink
{
public:
    virtual ~ReportPageSink() = default;
    // The document holds the styles, images and pictures the page refers to.
    virtual void takePage(const ReportDocument& resources, ReportPage page) = 0;
};
