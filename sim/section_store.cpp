#include "sim/section_store.h"

#include "device/commands.h"

SectionStore::SectionStore(int capacity, quint16 endOffset, Start start)
    : m_endOffset(endOffset)
    , m_start(start)
    , m_pending(capacity, '\0')
    , m_closed(capacity, '\0')
{
}

bool SectionStore::applyBlock(quint16 offset, quint8 marker, const QByteArray& data)
{
    if (marker == BlockMarker::End) {
        const bool wellFormed =
            m_open && offset == m_endOffset && data.size() == 1 && quint8(data.at(0)) == kEndOfSectionByte;
        if (!wellFormed)
            return false;
        m_open = false;
        m_closed = m_pending;
        ++m_closedWrites;
        return true;
    }
    if (offset + data.size() > m_pending.size())
        return false;
    if (marker == BlockMarker::First) {
        if (offset != 0 && m_start == Start::AtOffsetZero)
            return false;
        m_pending.fill('\0');
        m_open = true;
    } else if (marker != BlockMarker::Next) {
        return false;
    } else if (!m_open) {
        // Continuing without a start keeps what the section held, as flash that was not erased.
        m_open = true;
        ++m_writesWithoutStart;
    }
    m_pending.replace(offset, data.size(), data);
    return true;
}
