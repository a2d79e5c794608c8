#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// HID report descriptors, read to give each top-level collection of a node the name Windows gives
// it ("HID#VID_3A5C&PID_1001&col04"): the matching rules of discovery and hot-plug are written
// against those names.

struct HidCollection
{
    quint16 usagePage = 0;
    quint16 usage = 0;
    int depth = 0;         // 0 for a top-level collection
    int topLevelIndex = 0; // 1-based position of the top-level collection it belongs to
    bool hasUsage = false; // a usage item came before it
};

// Every collection in descriptor order, nested ones included. A malformed tail ends the list.
std::vector<HidCollection> parseReportDescriptor(const QByteArray& descriptor);

// "HID#VID_%04X&PID_%04X&col%02d".
QByteArray collectionInterfaceName(quint16 vendorId, quint16 productId, int topLevelIndex);

// Names of every top-level collection of a node, in order.
std::vector<QByteArray> topLevelInterfaceNames(quint16 vendorId, quint16 productId, const QByteArray& descriptor);

// Names the enumeration entries of one node, given in the order the system lists them. Entries
// may stand for every collection (nested ones too) or for top-level ones only; each is matched
// to the next collection with its usage pair. Nested collections get an empty name.
class CollectionNamer final
{
public:
    CollectionNamer(quint16 vendorId, quint16 productId, const QByteArray& descriptor);

    QByteArray nameFor(quint16 usagePage, quint16 usage);

private:
    quint16 m_vendorId;
    quint16 m_productId;
    std::vector<HidCollection> m_collections;
    std::size_t m_next = 0;
};

// The descriptor a hidraw node publishes in sysfs, readable without opening the device.
// Empty when devnode is not a hidraw node or the file cannot be read.
QByteArray readHidrawReportDescriptor(const QByteArray& devnode);
