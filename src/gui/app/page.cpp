#include "gui/app/page.h"

#include "gui/app/application_frame.h"
#include "gui/app/shell.h"
#include "gui/maintenance/help_viewer_window.h"

Page::Page(QWidget* parent) : QWidget(parent) {}

void Page::openPage(Page& target)
{
    target.setOpener(this);
    if (m_frame)
        m_frame->showPage(&target);
}

void Page::switchToPage(Page& target)
{
    target.setOpener(m_opener);
    if (m_frame)
        m_frame->showPage(&target);
}

bool Page::closePage()
{
    if (!canClose())
        return false;
    onClose();
    emit pageClosed();
    if (m_frame)
        m_frame->pageClosed(this);
    return true;
}

bool Page::isCurrentPage() const
{
    return m_frame && m_frame->currentPage() == this;
}

void Page::showHelp()
{
    HelpViewerWindow::showHelp(*this, helpHeading());
}

void Page::showProcessedNotice()
{
    if (Shell* shell = Shell::instance())
        shell->showProcessedNotice(mapToGlobal(QPoint(300, 300)));
}

void Page::runShow()
{
    onShow();
    emit pageShown();
}
