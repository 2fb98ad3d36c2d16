#pragma once

#include <QColor>
#include <QFont>

// How a page item looks. Pages refer to styles by index, so a report of many thousands of
// lines shares a handful of fonts instead of carrying one per item.
struct ItemStyle
{
    QFont font = defaultFont();
    QColor color = Qt::black;
    // Fill behind a text or inside a rectangle; an invalid colour leaves it transparent.
    QColor background;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wordWrap = false;
    // The frame around a text, and the stroke of lines and rectangles.
    bool frame = false;
    QColor frameColor = Qt::black;
    double lineWidthMm = 0.2;
    Qt::PenStyle lineStyle = Qt::SolidLine;

    bool operator==(const ItemStyle& other) const = default;

    static QFont defaultFont(double pointSize = 10, bool bold = false);
};
