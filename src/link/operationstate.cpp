#include "operationstate.h"

#include "userprompt.h"

#include <algorithm>

void OperationState::setProgressRange(int maximum)
{
    m_maximum = std::max(0, maximum);
    m_value = std::min(m_value, m_maximum);
    emit progressChanged(m_value, m_maximum);
}

void OperationState::setProgress(int value)
{
    m_value = std::clamp(value, 0, m_maximum);
    emit progressChanged(m_value, m_maximum);
}

void OperationState::advanceProgress()
{
    setProgress(m_value + 1);
}

void OperationState::setStatus(const QString &text)
{
    m_status = text;
    emit statusChanged(text);
}

bool refusedWhileRunning(const OperationState &state, UserPrompt &prompt)
{
    if (!state.anyRunning())
        return false;
    prompt.beep();
    return true;
}
