#pragma once

#include "report/item_style.h"
#include "report/page_settings.h"
#include "report/report_page.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QPicture>

// The laid-out report: page settings, the shared tables of styles, images and recorded
// vector pictures, and the pages that refer to them. When a report is streamed to a writer
// the pages pass by without being kept, and only the shared tables stay here.
class ReportDocument
{
public:
    explicit ReportDocument(const PageSettings& settings = PageSettings());

    // Tells documents apart for the elements' style caches, also when one is freed and
    // another takes its address.
    quint64 id() const { return m_id; }

    const PageSettings& pageSettings() const { return m_pageSettings; }
    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }

    // Equal styles share one index.
    int addStyle(const ItemStyle& style);
    const ItemStyle& style(int index) const { return m_styles.at(index); }
    int styleCount() const { return int(m_styles.size()); }

    // The same image (by Qt's cache key) is kept once however often it prints.
    int addImage(const QImage& image);
    const QImage& image(int index) const { return m_images.at(index); }
    int imageCount() const { return int(m_images.size()); }

    // A vector drawing recorded in a frame of the given size in the picture's own units.
    int addPicture(const QPicture& picture, const QSizeF& frameSize);
    const QPicture& picture(int index) const { return m_pictures.at(index); }
    QSizeF pictureFrame(int index) const { return m_pictureFrames.at(index); }

    void addPage(ReportPage page) { m_pages.append(std::move(page)); }
    int pageCount() const { return int(m_pages.size()); }
    const ReportPage& page(int index) const { return m_pages.at(index); }
    const QList<ReportPage>& pages() const { return m_pages; }

private:
    quint64 m_id;
    PageSettings m_pageSettings;
    QString m_title;
    QList<ItemStyle> m_styles;
    QList<QImage> m_images;
    QHash<qint64, int> m_imageByKey;
    QList<QPicture> m_pictures;
    QList<QSizeF> m_pictureFrames;
    QList<ReportPage> m_pages;
};
