#include "setuprecord.h"

#include "settinglines.h"

#include <tuple>

static constexpr std::array<qint32, 7> kRates{1200, 2400, 4800, 9600, 19200, 38400, 115200};

qint32 baudRateOfIndex(qint32 index)
{
    return index >= 1 && index <= qint32(kRates.size()) ? kRates[size_t(index - 1)] : 0;
}

qint32 baudIndexOfRate(qint32 rate)
{
    for (size_t i = 0; i < kRates.size(); ++i)
        if (kRates[i] == rate)
            return qint32(i + 1);
    return 0;
}

bool SetupRecord::operator==(const SetupRecord &o) const
{
    const auto fields = [](const SetupRecord &r) {
        return std::tie(r.Role, r.Logger, r.HostIP, r.HostPort, r.APN, r.GPRSID, r.GPRSPass, r.SMSNum, r.Baud, r.ERecep,
                        r.ESender, r.EmailInterval, r.MailServer, r.XUser, r.OnTime, r.OffTime);
    };
    return sameMailPassword(XPas, o.XPas) && fields(*this) == fields(o);
}
