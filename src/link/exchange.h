#pragma once

#include <QString>

class SerialLink;
class OperationState;

// Keeps a reply up to its first character below 32 or above 127, then trims
// spaces at both ends.
QString CleanReply(const QString &text);

// The look-up every answer ends with: "ERROR" or "OK" on a line of its own,
// the first 200 characters kept, 40 seconds at most.
void setReplyLookUp(SerialLink &Comm);

// One command line and its answer: "ERROR" for a refusal or a pending abort
// (nothing sent then), "" after the 40-second time-out or a bare "OK", else
// the text before the final "OK" line, lines joined and cleaned. Sets
// state.ReplyMissing when no final line came.
QString GetResponse(SerialLink &Comm, OperationState &state, const QString &command);

// The port is closed or the line dropped: no answer can come any more.
bool lineLost(const SerialLink &Comm);

// How the exchange that gave reply ended. Silence is no acceptance: the
// modem may or may not have carried the command out.
enum class ExchangeEnd { Answered, Refused, Unanswered, lineLost };
ExchangeEnd exchangeEnd(const SerialLink &Comm, const OperationState &state, const QString &reply);
