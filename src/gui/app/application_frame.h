#pragma once

#include <QWidget>

class Page;
class QVBoxLayout;

// The program's one top-level window. Every window of the program is a Page shown in it,
// one at a time; the frame's title is the shown page's caption.
class ApplicationFrame : public QWidget
{
    Q_OBJECT
public:
    explicit ApplicationFrame(QWidget* parent = nullptr);

    // Takes ownership; the page stays hidden until shown.
    void addPage(Page* page);
    // The page shown when a page without opener closes, and whose closing ends the program.
    void setHomePage(Page* page);
    Page* homePage() const { return m_home; }
    Page* currentPage() const { return m_current; }
    // Hides the current page and shows `page` in its place, running its show handler.
    void showPage(Page* page);

signals:
    void currentPageChanged(Page* page);
    // The home page was closed: the program ends.
    void homeClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class Page;
    void pageClosed(Page* page);
    void fitToPage(Page* page);

    QVBoxLayout* m_layout;
    Page* m_home = nullptr;
    Page* m_current = nullptr;
    bool m_closingHome = false;
    bool m_inCloseEvent = false;
};
