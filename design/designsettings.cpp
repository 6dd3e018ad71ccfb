#include "designsettings.h"

QString designkey::numberLimit(int i)
{
    return QStringLiteral("spbNumberLimit_%1").arg(i + 1);
}

DesignSettings heldToRanges(DesignSettings settings)
{
    settings.netWork = settingrange::netWork.held(settings.netWork);
    settings.clearNumberTime = settingrange::clearNumberTime.held(settings.clearNumberTime);
    settings.numberFormat = settingrange::numberFormat.held(settings.numberFormat);
    settings.ticketingInterval = settingrange::ticketingInterval.held(settings.ticketingInterval);
    for (int &limit : settings.numberLimits)
        limit = settingrange::numberLimit.held(limit);
    return settings;
}
