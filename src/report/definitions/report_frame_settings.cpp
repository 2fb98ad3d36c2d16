#include "report/definitions/report_frame_settings.h"

#include "core/settings/settings.h"

PageFrameSettings ReportFrameSettings::from(const Settings& settings)
{
    PageFrameSettings frame;
    frame.associationName = settings.AssociationName();
    frame.logoFile = settings.LogoFile();
    frame.printLogo = settings.mailAndLogo().PrintLogo;
    frame.printLogoLeft = settings.mailAndLogo().PrintLogoLeft;
    frame.printLogoRight = settings.mailAndLogo().PrintLogoRight;
    frame.logoWidth = settings.LogoWidth();
    frame.logoHeight = settings.LogoHeight();
    return frame;
}
