#pragma once

#include <QWidget>

class ApplicationFrame;

// One window of the program, shown as a page of the single application frame. Opening
// another window puts it in this page's place; closing a window brings back the page that
// opened it. The show and close handlers of a window go in onShow() and onClose().
class Page : public QWidget
{
    Q_OBJECT
public:
    explicit Page(QWidget* parent = nullptr);

    // The window's caption: the frame's title while the page is shown.
    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    // Shows `target` in this page's place; closing the target brings this page back.
    void openPage(Page& target);
    // A shortcut to a sibling: `target` takes this page's place, this page is hidden
    // without closing, and closing the target returns to this page's opener.
    void switchToPage(Page& target);
    // Runs the close handler and brings back the opener (the main window when there is
    // none). False when canClose() refused.
    bool closePage();

    Page* opener() const { return m_opener; }
    void setOpener(Page* opener) { m_opener = opener; }
    ApplicationFrame* frame() const { return m_frame; }
    bool isCurrentPage() const;

    // The manual heading of this window's help button.
    virtual QString helpHeading() const { return {}; }
    // Opens the help viewer at helpHeading().
    void showHelp();
    // Flashes "Gegevens verwerkt in de administratie" 300 pixels right of and below this
    // page's top-left corner.
    void showProcessedNotice();

signals:
    void pageShown();
    void pageClosed();

protected:
    // Runs every time the page becomes the visible one.
    virtual void onShow() {}
    // Runs when the page is left through closePage() or the frame's close box.
    virtual void onClose() {}
    // Runs when the frame becomes the active window while this page is shown.
    virtual void onActivate() {}
    virtual bool canClose() { return true; }

private:
    friend class ApplicationFrame;
    void runShow();
    void runActivate() { onActivate(); }

    ApplicationFrame* m_frame = nullptr;
    Page* m_opener = nullptr;
};
