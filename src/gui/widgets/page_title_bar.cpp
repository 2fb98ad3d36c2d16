#include "gui/widgets/page_title_bar.h"

#include <QHBoxLayout>
#include <QLabel>

PageTitleBar::PageTitleBar(const QString& caption, QWidget* parent) : GradientPanel(parent)
{
    setObjectName(QStringLiteral("SRGradient1"));
    setVertical(false);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 6, 12, 6);
    m_title = boldLabel(QString(), this);
    m_title->setObjectName(QStringLiteral("titleLabel"));
    QFont font = m_title->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    m_title->setFont(font);
    auto* captionLabel = boldLabel(caption, this);
    captionLabel->setObjectName(QStringLiteral("captionLabel"));
    row->addWidget(m_title);
    row->addStretch(1);
    row->addWidget(captionLabel);
}

QLabel* PageTitleBar::boldLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}
