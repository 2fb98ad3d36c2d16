#pragma once

#include <QTimer>
#include <QWidget>

// The small dark green "Gegevens verwerkt in de administratie" window that confirms a
// posting for a second and a half. The mouse moving over it hides it at once.
class ProcessedNotice : public QWidget
{
    Q_OBJECT
public:
    static constexpr int DurationMs = 1500;

    explicit ProcessedNotice(QWidget* parent = nullptr);

    // At the given top-left screen position, or where it was last when not placed.
    void showAt(const QPoint& topLeft);
    void showUnplaced();
    bool isTimerActive() const { return m_timer.isActive(); }

protected:
    void enterEvent(QEnterEvent* event) override;

private:
    void flash();

    QTimer m_timer;
};
