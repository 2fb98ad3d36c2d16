#pragma once

#include <QColor>
#include <QFrame>

class QLabel;
class QVBoxLayout;

// A framed area of the main window with a heading above its buttons. The main window
// lights up the group under the mouse.
class ButtonGroupFrame : public QFrame
{
    Q_OBJECT
public:
    // Windows colour values: yellow heading and red frame when lit, both grey otherwise.
    static constexpr int LitHeadingColour = 65535;
    static constexpr int LitFrameColour = 255;
    static constexpr int IdleColour = 8421504;

    ButtonGroupFrame(const QString& heading, QWidget* parent = nullptr);

    QLabel* heading() const { return m_heading; }
    QVBoxLayout* buttonLayout() const { return m_buttons; }
    void setLit(bool lit);
    bool isLit() const { return m_lit; }
    QColor headingColour() const { return m_headingColour; }
    QColor frameColour() const { return m_frameColour; }

signals:
    void entered();
    void left();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QLabel* m_heading;
    QVBoxLayout* m_buttons;
    bool m_lit = false;
    QColor m_headingColour;
    QColor m_frameColour;
};
