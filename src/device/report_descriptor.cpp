#include "device/report_descriptor.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr quint8 kLongItemPrefix = 0xFE;
constexpr int kTypeMain = 0;
constexpr int kTypeGlobal = 1;
constexpr int kTypeLocal = 2;
constexpr int kTagCollection = 0xA;
constexpr int kTagEndCollection = 0xC;
constexpr int kTagUsagePage = 0x0;
constexpr int kTagPush = 0xA;
constexpr int kTagPop = 0xB;
constexpr int kTagUsage = 0x0;

const char kHidrawDevPrefix[] = "/dev/hidraw";

quint32 littleEndianValue(const QByteArray& bytes, int position, int size)
{
    quint32 value = 0;
    for (int i = 0; i < size; ++i)
        value |= quint32(quint8(bytes.at(position + i))) << (8 * i);
    return value;
}

} // namespace

std::vector<HidCollection> parseReportDescriptor(const QByteArray& descriptor)
{
    std::vector<HidCollection> collections;
    std::vector<quint16> pageStack;
    quint16 usagePage = 0;
    bool haveUsage = false;
    quint32 lastUsage = 0;
    int lastUsageSize = 0;
    int depth = 0;
    int topLevelCount = 0;

    int position = 0;
    const int size = descriptor.size();
    while (position < size) {
        const quint8 prefix = quint8(descriptor.at(position));
        if (prefix == kLongItemPrefix) {
            if (position + 2 >= size)
                break;
            position += 3 + quint8(descriptor.at(position + 1));
            continue;
        }
        static constexpr int kSizes[] = { 0, 1, 2, 4 };
        const int dataSize = kSizes[prefix & 0x3];
        const int type = (prefix >> 2) & 0x3;
        const int tag = prefix >> 4;
        if (position + 1 + dataSize > size)
            break;
        const quint32 value = littleEndianValue(descriptor, position + 1, dataSize);
        position += 1 + dataSize;

        if (type == kTypeGlobal) {
            if (tag == kTagUsagePage) {
                usagePage = quint16(value);
            } else if (tag == kTagPush) {
                pageStack.push_back(usagePage);
            } else if (tag == kTagPop && !pageStack.empty()) {
                usagePage = pageStack.back();
                pageStack.pop_back();
            }
        } else if (type == kTypeLocal) {
            // hidapi pairs a collection with the last usage before it.
            if (tag == kTagUsage) {
                haveUsage = true;
                lastUsage = value;
                lastUsageSize = dataSize;
            }
        } else if (type == kTypeMain) {
            if (tag == kTagCollection) {
                HidCollection collection;
                // A four-byte usage carries its own page in the high half.
                collection.usagePage = lastUsageSize == 4 ? quint16(lastUsage >> 16) : usagePage;
                collection.usage = quint16(lastUsage & 0xFFFF);
                collection.hasUsage = haveUsage;
                collection.depth = depth;
                if (depth == 0)
                    ++topLevelCount;
                collection.topLevelIndex = topLevelCount;
                collections.push_back(collection);
                ++depth;
            } else if (tag == kTagEndCollection && depth > 0) {
                --depth;
            }
            // Local items apply to the next main item only.
            haveUsage = false;
            lastUsage = 0;
            lastUsageSize = 0;
        }
    }
    return collections;
}

QByteArray collectionInterfaceName(quint16 vendorId, quint16 productId, int topLevelIndex)
{
    return QString::asprintf("HID#VID_%04X&PID_%04X&col%02d", vendorId, productId, topLevelIndex).toLatin1();
}

std::vector<QByteArray> topLevelInterfaceNames(quint16 vendorId, quint16 productId, const QByteArray& descriptor)
{
    std::vector<QByteArray> names;
    for (const HidCollection& collection : parseReportDescriptor(descriptor)) {
        if (collection.depth == 0)
            names.push_back(collectionInterfaceName(vendorId, productId, collection.topLevelIndex));
    }
    return names;
}

CollectionNamer::CollectionNamer(quint16 vendorId, quint16 productId, const QByteArray& descriptor)
    : m_vendorId(vendorId)
    , m_productId(productId)
    , m_collections(parseReportDescriptor(descriptor))
{
}

QByteArray CollectionNamer::nameFor(quint16 usagePage, quint16 usage)
{
    for (std::size_t i = m_next; i < m_collections.size(); ++i) {
        const HidCollection& collection = m_collections[i];
        // hidapi lists no entry for a collection without a usage.
        if (!collection.hasUsage || collection.usagePage != usagePage || collection.usage != usage)
            continue;
        m_next = i + 1;
        if (collection.depth != 0)
            return QByteArray();
        return collectionInterfaceName(m_vendorId, m_productId, collection.topLevelIndex);
    }
    return QByteArray();
}

QByteArray readHidrawReportDescriptor(const QByteArray& devnode)
{
    if (!devnode.startsWith(kHidrawDevPrefix))
        return QByteArray();
    const QString node = QFileInfo(QString::fromLocal8Bit(devnode)).fileName();
    QFile file(QStringLiteral("/sys/class/hidraw/%1/device/report_descriptor").arg(node));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}
