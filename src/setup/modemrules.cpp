#include "modemrules.h"

#include "setuprecord.h"

QStringList baudRateTexts()
{
    QStringList texts;
    for (qint32 index = 1; baudRateOfIndex(index) != 0; ++index)
        texts << QString::number(baudRateOfIndex(index));
    return texts;
}

bool loggerTypeFixesMode(const QString &type)
{
    return type == QLatin1String("1") || type == QLatin1String("40") || type == QLatin1String("100")
           || type == QLatin1String("50");
}

bool loggerTypeHidesPassword(const QString &type)
{
    return type == QLatin1String("50");
}

qint16 normalisedDeviceCount(qint16 count)
{
    return count == 1 || count == 2 || count == 3 || count == 9 ? count : qint16(3);
}

QString defaultTessarinHost()
{
    return QStringLiteral("gw.tessarin.example.net");
}

QString FilterPassword(const QString &text)
{
    QString kept;
    for (const QChar c : text.left(8)) {
        const char16_t code = c.unicode();
        if ((code >= u'0' && code <= u'9') || (code >= u'A' && code <= u'^'))
            kept += c;
    }
    return kept;
}
