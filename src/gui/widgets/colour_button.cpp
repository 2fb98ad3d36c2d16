#include "gui/widgets/colour_button.h"

#include <QEnterEvent>
#include <QPainter>
#include <QPainterPath>

ColourButton::ColourButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

void ColourButton::setFaceColour(const QColor& colour)
{
    m_face = colour;
    update();
}

void ColourButton::setTextColour(const QColor& colour)
{
    m_text = colour;
    update();
}

void ColourButton::setHoverColour(const QColor& colour)
{
    m_hover = colour;
    update();
}

QSize ColourButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(text());
    const int iconWidth = icon().isNull() ? 0 : iconSize().width() + 6;
    return {textWidth + iconWidth + 16, qMax(metrics.height(), iconSize().height()) + 10};
}

void ColourButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath outline;
    outline.addRoundedRect(box, 4, 4);
    QLinearGradient face(box.topLeft(), box.bottomLeft());
    const QColor base = currentFace();
    face.setColorAt(0, base.lighter(isDown() ? 95 : 115));
    face.setColorAt(1, base.darker(isDown() ? 115 : 105));
    painter.fillPath(outline, face);
    painter.setPen(QPen(base.darker(160), 1));
    painter.drawPath(outline);

    QRect content = rect().adjusted(6, 2, -6, -2);
    if (!icon().isNull()) {
        const QRect iconRect(content.left(), content.center().y() - iconSize().height() / 2,
                             iconSize().width(), iconSize().height());
        icon().paint(&painter, iconRect, Qt::AlignCenter,
                     isEnabled() ? QIcon::Normal : QIcon::Disabled);
        content.setLeft(iconRect.right() + 6);
    }
    painter.setPen(isEnabled() ? m_text : QColor(150, 150, 150));
    painter.setFont(font());
    painter.drawText(content, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextDontClip, text());
}

void ColourButton::enterEvent(QEnterEvent* event)
{
    m_hovered = true;
    update();
    QPushButton::enterEvent(event);
}

void ColourButton::leaveEvent(QEvent* event)
{
    m_hovered = false;
    update();
    QPushButton::leaveEvent(event);
}

QColor ColourButton::currentFace() const
{
    if (!isEnabled())
        return m_face.lighter(110);
    return m_hovered ? m_hover : m_face;
}
