#include "gui/widgets/gradient_panel.h"

#include <QLinearGradient>
#include <QPainter>

GradientPanel::GradientPanel(QWidget* parent) : QFrame(parent) {}

void GradientPanel::setStartColour(const QColor& colour)
{
    if (colour == m_start)
        return;
    m_start = colour;
    update();
}

void GradientPanel::setEndColour(const QColor& colour)
{
    if (colour == m_end)
        return;
    m_end = colour;
    update();
}

void GradientPanel::setVertical(bool vertical)
{
    m_vertical = vertical;
    update();
}

void GradientPanel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QPointF end = m_vertical ? QPointF(0, height()) : QPointF(width(), 0);
    QLinearGradient gradient(QPointF(0, 0), end);
    gradient.setColorAt(0, m_start);
    gradient.setColorAt(1, m_end);
    painter.fillRect(rect(), gradient);
    painter.end();
    QFrame::paintEvent(event);
}
