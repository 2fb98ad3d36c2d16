#pragma once

#include "gui/widgets/gradient_panel.h"

class QLabel;

// The coloured bar across the top of a posting window: a large title on the left and the
// window's caption on the right. It carries the administration's colour as SRGradient1.
class PageTitleBar : public GradientPanel
{
    Q_OBJECT
public:
    PageTitleBar(const QString& caption, QWidget* parent);

    QLabel* titleLabel() const { return m_title; }

    // A label in bold, the way the posting windows print their captions.
    static QLabel* boldLabel(const QString& text, QWidget* parent);

private:
    QLabel* m_title;
};
