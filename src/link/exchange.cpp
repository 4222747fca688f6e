#include "exchange.h"

#include "operationstate.h"
#include "seriallink.h"

QString CleanReply(const QString &text)
{
    qsizetype end = 0;
    while (end < text.size()) {
        const ushort c = text.at(end).unicode();
        if (c < 32 || c > 127)
            break;
        ++end;
    }
    QString kept = text.left(end);
    qsizetype first = 0;
    while (first < kept.size() && kept.at(first) == QLatin1Char(' '))
        ++first;
    qsizetype last = kept.size();
    while (last > first && kept.at(last - 1) == QLatin1Char(' '))
        --last;
    return kept.mid(first, last - first);
}

void setReplyLookUp(SerialLink &Comm)
{
    Comm.setLookUpInputLen(200);
    Comm.setLookUpSeparator(QLatin1Char('|'));
    Comm.setLookUpText(QStringLiteral("ERROR\r\n|OK\r\n"));
    Comm.setLookUpTimeOut(40000);
}

QString GetResponse(SerialLink &Comm, OperationState &state, const QString &command)
{
    state.ReplyMissing = false;
    if (state.AbortRequested)
        return QStringLiteral("ERROR");

    Comm.Pause(200);
    Comm.setInBufferCount(0);
    Comm.OutputLine(command);

    setReplyLookUp(Comm);
    const qint16 r = qint16(Comm.LookUp());
    state.ReplyMissing = r < 0;

    QString result;
    if (r == 0) {
        result = QStringLiteral("ERROR");
    } else if (r == 1) {
        result = Comm.LookUpInput();
        result.chop(4);
    }
    result.remove(QStringLiteral("\r\n"));
    result = CleanReply(result);
    state.advanceProgress();
    return result;
}

bool lineLost(const SerialLink &Comm)
{
    return !Comm.PortOpen() || Comm.lastError() == SerialLink::Error::LineDropped;
}

ExchangeEnd exchangeEnd(const SerialLink &Comm, const OperationState &state, const QString &reply)
{
    if (lineLost(Comm))
        return ExchangeEnd::lineLost;
    if (state.ReplyMissing)
        return ExchangeEnd::Unanswered;
    return reply == QLatin1String("ERROR") ? ExchangeEnd::Refused : ExchangeEnd::Answered;
}
