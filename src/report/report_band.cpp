#include "report/report_band.h"

bool ReportBand::runBeforePrint()
{
    // A band switched off stays out without asking its handlers.
    if (!m_enabled)
        return false;
    bool printBand = true;
    for (const BeforePrint& handler : m_beforePrint)
        handler(*this, printBand);
    return printBand;
}

void ReportBand::runAfterPrint(bool printed)
{
    for (const AfterPrint& handler : m_afterPrint)
        handler(*this, printed);
}
