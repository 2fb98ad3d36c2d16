#pragma once

#include <QRectF>
#include <QString>

enum class PageItemKind : quint8
{
    Text,
    Line,
    Rectangle,
    Image,
    Picture,
};

// One thing printed on a page. Positions are millimetres from the paper's top-left corner;
// a line runs from rect.topLeft() to rect.bottomRight(). Look and content live in the
// document's shared tables, referred to by index, to keep a page of many lines small.
struct PageItem
{
    PageItemKind kind = PageItemKind::Text;
    int style = 0;
    // Index of the image or picture for Image and Picture items.
    int resource = -1;
    QRectF rect;
    QString text;
};
