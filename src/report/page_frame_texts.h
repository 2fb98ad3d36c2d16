#pragma once

#include "report/frame_text_part.h"

#include <QList>

// What one report prints in its frame: the header's title line from left to right, and the
// footer's title, date caption and whether it numbers its pages.
struct PageFrameTexts
{
    QList<FrameTextPart> headerTitle;
    // Printed right-aligned on the header's title line (the budget's description).
    QString headerRightText;
    bool hasFooter = true;
    QList<FrameTextPart> footerTitle;
    QString dateCaption = QStringLiteral("Datum :");
    bool pageNumbers = true;

    // The common frame: a caption followed by the association's name in header and footer.
    static PageFrameTexts standard(const QString& headerCaption, const QString& footerCaption,
                                   const QString& dateCaption = QStringLiteral("Datum :"),
                                   bool pageNumbers = true)
    {
        PageFrameTexts texts;
        texts.headerTitle = {FrameTextPart::fixed(headerCaption), FrameTextPart::associationName()};
        texts.footerTitle = {FrameTextPart::fixed(footerCaption), FrameTextPart::associationName()};
        texts.dateCaption = dateCaption;
        texts.pageNumbers = pageNumbers;
        return texts;
    }
};
