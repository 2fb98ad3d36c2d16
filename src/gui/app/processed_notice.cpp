#include "gui/app/processed_notice.h"

#include <QLabel>
#include <QVBoxLayout>

ProcessedNotice::ProcessedNotice(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TForm12"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(337, 38);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0, 100, 26));
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    auto* text = new QLabel(QStringLiteral("Gegevens verwerkt in de administratie"), this);
    text->setObjectName(QStringLiteral("Label1"));
    text->setAlignment(Qt::AlignCenter);
    QFont font = text->font();
    font.setBold(true);
    text->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(text);

    m_timer.setSingleShot(true);
    m_timer.setInterval(DurationMs);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::hide);
}

void ProcessedNotice::showAt(const QPoint& topLeft)
{
    move(topLeft);
    flash();
}

void ProcessedNotice::showUnplaced()
{
    flash();
}

void ProcessedNotice::flash()
{
    show();
    raise();
    m_timer.start();
}

void ProcessedNotice::enterEvent(QEnterEvent* event)
{
    m_timer.stop();
    hide();
    QWidget::enterEvent(event);
}
