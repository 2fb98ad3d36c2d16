#pragma once

#include <QString>

class ReportDocument;

// Exports the pages as one HTML file in which every page keeps its printed layout: texts
// placed in millimetres, lines and boxes as inline SVG, images and charts embedded as PNG.
class HtmlSaver
{
public:
    static QString toHtml(const ReportDocument& document);
    static bool save(const ReportDocument& document, const QString& fileName,
                     QString* error = nullptr);
};
