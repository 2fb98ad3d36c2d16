#pragma once

#include <QWidget>

class QProgressBar;

// The start-up picture with its progress gauge, shown while the windows are created.
class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int GaugeMaximum = 38;

    explicit SplashWindow(QWidget* parent = nullptr);

    // Moves the gauge on; it stops at its maximum.
    void advance(int step);
    int progress() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QProgressBar* m_gauge;
};
