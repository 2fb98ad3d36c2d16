#include "report/report_document.h"

#include <atomic>

namespace {
std::atomic<quint64> g_nextDocumentId{1};
}

ReportDocument::ReportDocument(const PageSettings& settings)
    : m_id(g_nextDocumentId++), m_pageSettings(settings)
{
}

int ReportDocument::addStyle(const ItemStyle& style)
{
    const int existing = int(m_styles.indexOf(style));
    if (existing >= 0)
        return existing;
    m_styles.append(style);
    return int(m_styles.size()) - 1;
}

int ReportDocument::addImage(const QImage& image)
{
    const auto found = m_imageByKey.constFind(image.cacheKey());
    if (found != m_imageByKey.constEnd())
        return found.value();
    m_images.append(image);
    const int index = int(m_images.size()) - 1;
    m_imageByKey.insert(image.cacheKey(), index);
    return index;
}

int ReportDocument::addPicture(const QPicture& picture, const QSizeF& frameSize)
{
    m_pictures.append(picture);
    m_pictureFrames.append(frameSize);
    return int(m_pictures.size()) - 1;
}
