#include "recordingview.h"

void RecordingView::setShown(Item item, bool shown)
{
    if (shown)
        m_hidden.remove(item);
    else
        m_hidden.insert(item);
}
