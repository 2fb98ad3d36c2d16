#pragma once

#include <QDateTime>

class ReportDataSource;
class ReportDocument;
class ReportPage;

// What an element needs while it puts itself on a page.
struct RenderContext
{
    ReportDocument& document;
    ReportPage* page = nullptr;
    // The record being printed, or null for a report without data source.
    const ReportDataSource* dataSource = nullptr;
    int pageNumber = 1;
    QDateTime printTime;
};
