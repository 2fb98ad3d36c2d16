#pragma once

#include <QColor>
#include <QFrame>

// A panel whose background runs from a start colour to an end colour. Windows carry two of
// them (SRGradient1 for the top bar, SRGradient2 for the body); the start colour is the
// current administration's colour.
class GradientPanel : public QFrame
{
    Q_OBJECT
public:
    explicit GradientPanel(QWidget* parent = nullptr);

    QColor startColour() const { return m_start; }
    void setStartColour(const QColor& colour);
    QColor endColour() const { return m_end; }
    void setEndColour(const QColor& colour);
    // Top to bottom when vertical, else left to right.
    void setVertical(bool vertical);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_start{187, 218, 251};
    QColor m_end{Qt::white};
    bool m_vertical = true;
};
