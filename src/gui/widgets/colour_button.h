#pragma once

#include <QColor>
#include <QPushButton>

// A flat button with a coloured face that lights up under the mouse. Its text is shown
// exactly as given, blanks included, as the program's captions rely on them for spacing.
class ColourButton : public QPushButton
{
    Q_OBJECT
public:
    explicit ColourButton(const QString& text = QString(), QWidget* parent = nullptr);

    QColor faceColour() const { return m_face; }
    void setFaceColour(const QColor& colour);
    QColor textColour() const { return m_text; }
    void setTextColour(const QColor& colour);
    QColor hoverColour() const { return m_hover; }
    void setHoverColour(const QColor& colour);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QColor currentFace() const;

    QColor m_face{225, 225, 225};
    QColor m_text{Qt::black};
    QColor m_hover{255, 255, 200};
    bool m_hovered = false;
};
