#pragma once

#include <QFont>
#include <QString>

// Texts cut to the width of their column on paper.
class FittedText
{
public:
    // The text as it is when it fits, else shortened and ended in "…".
    static QString fit(const QString& text, const QFont& font, double widthMm);
};
