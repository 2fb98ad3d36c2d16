#include "gui/app/button_group_frame.h"

#include "core/settings/colour_scheme_record.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

ButtonGroupFrame::ButtonGroupFrame(const QString& heading, QWidget* parent)
    : QFrame(parent), m_heading(new QLabel(heading, this)), m_buttons(new QVBoxLayout)
{
    QFont font = m_heading->font();
    font.setBold(true);
    m_heading->setFont(font);
    m_heading->setAlignment(Qt::AlignCenter);
    // A dark strip under the heading, so that both its yellow and its grey stand out.
    m_heading->setAutoFillBackground(true);
    QPalette strip = m_heading->palette();
    strip.setColor(QPalette::Window, QColor(32, 42, 82));
    m_heading->setPalette(strip);
    m_heading->setContentsMargins(0, 2, 0, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(4);
    layout->addWidget(m_heading);
    layout->addLayout(m_buttons);
    layout->addStretch();
    m_buttons->setSpacing(3);
    setLit(false);
}

void ButtonGroupFrame::setLit(bool lit)
{
    m_lit = lit;
    m_headingColour = ColourSchemeRecord::toQColor(lit ? LitHeadingColour : IdleColour);
    m_frameColour = ColourSchemeRecord::toQColor(lit ? LitFrameColour : IdleColour);
    QPalette palette = m_heading->palette();
    palette.setColor(QPalette::WindowText, m_headingColour);
    m_heading->setPalette(palette);
    update();
}

void ButtonGroupFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_frameColour, 2));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
}

void ButtonGroupFrame::enterEvent(QEnterEvent* event)
{
    emit entered();
    QFrame::enterEvent(event);
}

void ButtonGroupFrame::leaveEvent(QEvent* event)
{
    emit left();
    QFrame::leaveEvent(event);
}
