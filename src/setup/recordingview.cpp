#include "recordingview.h"

void RecordingView::setShown(Item item, bool shown)
{
    if (shown)
        m_hidden.remove(item);
    else
        m_hidden.insert(item);
}

void RecordingView::selectRole(int entry)
{
    m_roleEntry = entry;
    if (m_session)
        m_session->roleChanged(entry);
}

void RecordingView::setLoggerTicked(bool ticked)
{
    m_loggerTicked = ticked;
    if (m_session)
        m_session->loggerChanged(ticked);
}
