#pragma once

#include "report/report_band.h"

#include <vector>

// The elements of a band whose lines the program fills before every print: elements are
// handed out in order and reused by the next run, and whatever a run does not take stays
// disabled, so a line of an earlier print never shows up again.
template <class Element> class ElementPool
{
public:
    explicit ElementPool(ReportBand& band) : m_band(band) {}

    void reset()
    {
        for (Element* element : m_elements)
            element->setEnabled(false);
        m_used = 0;
    }

    Element* take()
    {
        if (m_used == m_elements.size())
            m_elements.push_back(m_band.template add<Element>());
        Element* element = m_elements[m_used++];
        element->setEnabled(true);
        return element;
    }

    std::size_t used() const { return m_used; }

private:
    ReportBand& m_band;
    std::vector<Element*> m_elements;
    std::size_t m_used = 0;
};
