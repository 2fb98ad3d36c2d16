#include "gui/app/splash_window.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_gauge(new QProgressBar(this))
{
    setObjectName(QStringLiteral("TForm28"));
    setFixedSize(420, 240);
    m_gauge->setObjectName(QStringLiteral("Gauge1"));
    m_gauge->setRange(0, GaugeMaximum);
    m_gauge->setValue(0);
    m_gauge->setTextVisible(false);
    m_gauge->setGeometry(20, 206, 380, 16);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SplashWindow::advance(int step)
{
    m_gauge->setValue(qMin(GaugeMaximum, m_gauge->value() + step));
}

int SplashWindow::progress() const
{
    return m_gauge->value();
}

void SplashWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, QColor(187, 218, 251));
    background.setColorAt(1, QColor(40, 80, 150));
    painter.fillRect(rect(), background);
    painter.setPen(QPen(QColor(20, 40, 90), 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));

    QFont title = font();
    title.setPointSize(28);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(20, 40, 90));
    painter.drawText(QRect(0, 40, width(), 60), Qt::AlignCenter, QStringLiteral("Fondirex"));
    QFont subtitle = font();
    subtitle.setPointSize(11);
    painter.setFont(subtitle);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 110, width(), 60), Qt::AlignCenter,
                     QStringLiteral("Financiële en ledenadministratie\nvoor verenigingen"));
}
