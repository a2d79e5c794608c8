#pragma once

#include <QByteArray>

// One configuration section as the mouse keeps it: a write opened by a 0xD1 block at offset 0,
// continued by 0xD2 blocks, closed by the 0xD3 end-of-section write.
class SectionStore final
{
public:
    // Where a write may start: sections 0x01..0x04 at offset 0; the macro section at any offset.
    enum class Start { AtOffsetZero, AnyOffset };

    SectionStore(int capacity, quint16 endOffset, Start start = Start::AtOffsetZero);

    // Applies one block; false when it breaks the block rules (then nothing is stored): a 0xD1 block
    // where no write may start, data past the end, an end-of-section write that is not the expected one.
    bool applyBlock(quint16 offset, quint8 marker, const QByteArray& data);

    // The bytes of the last closed write (zeros before the first).
    QByteArray closed() const { return m_closed; }
    // The bytes written since the last 0xD1, closed or not.
    QByteArray pending() const { return m_pending; }
    bool isOpen() const { return m_open; }
    int closedWrites() const { return m_closedWrites; }
    // Writes that began with a 0xD2 block instead of a 0xD1 block at offset 0.
    int writesWithoutStart() const { return m_writesWithoutStart; }

private:
    quint16 m_endOffset;
    Start m_start;
    QByteArray m_pending;
    QByteArray m_closed;
    bool m_open = false;
    int m_closedWrites = 0;
    int m_writesWithoutStart = 0;
};
