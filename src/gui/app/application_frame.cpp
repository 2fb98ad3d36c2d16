#include "gui/app/application_frame.h"

#include "gui/app/page.h"

#include <QCloseEvent>
#include <QVBoxLayout>

ApplicationFrame::ApplicationFrame(QWidget* parent)
    : QWidget(parent), m_layout(new QVBoxLayout(this))
{
    setObjectName(QStringLiteral("ApplicationFrame"));
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
}

void ApplicationFrame::addPage(Page* page)
{
    page->setParent(this);
    page->hide();
    page->m_frame = this;
    page->installEventFilter(this);
}

void ApplicationFrame::setHomePage(Page* page)
{
    if (page->frame() != this)
        addPage(page);
    m_home = page;
}

void ApplicationFrame::showPage(Page* page)
{
    if (!page)
        return;
    if (page->frame() != this)
        addPage(page);
    if (m_current && m_current != page) {
        m_current->hide();
        m_layout->removeWidget(m_current);
    }
    const bool changed = m_current != page;
    m_current = page;
    if (changed)
        m_layout->addWidget(page);
    setWindowTitle(page->caption());
    fitToPage(page);
    page->show();
    if (changed)
        emit currentPageChanged(page);
    page->runShow();
}

void ApplicationFrame::pageClosed(Page* page)
{
    if (page == m_home) {
        m_closingHome = true;
        emit homeClosed();
        if (!m_inCloseEvent)
            close();
        return;
    }
    Page* back = page->opener() ? page->opener() : m_home;
    page->setOpener(nullptr);
    if (page == m_current)
        showPage(back);
}

bool ApplicationFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowTitleChange && watched == m_current)
        setWindowTitle(m_current->caption());
    return QWidget::eventFilter(watched, event);
}

void ApplicationFrame::closeEvent(QCloseEvent* event)
{
    if (m_closingHome || !m_current) {
        event->accept();
        return;
    }
    m_inCloseEvent = true;
    // The close box closes the shown window; only on the home page does it end the program.
    const bool isHome = m_current == m_home;
    const bool closed = m_current->closePage();
    m_inCloseEvent = false;
    if (isHome && closed)
        event->accept();
    else
        event->ignore();
}

void ApplicationFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_current)
        m_current->runActivate();
    QWidget::changeEvent(event);
}

void ApplicationFrame::fitToPage(Page* page)
{
    const QSize minimum = page->minimumSize().expandedTo(page->minimumSizeHint());
    setMinimumSize(minimum);
    if (width() < minimum.width() || height() < minimum.height())
        resize(size().expandedTo(minimum));
}
