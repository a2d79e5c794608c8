#include "sim/sim_trace.h"

namespace {

const char kWritePrefix[] = "W ";
const char kReadPrefix[] = "R ";
const char kTimeoutLine[] = "R timeout";

} // namespace

bool SimTrace::setFile(const QString& path, Start start)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_file.close();
    m_file.setFileName(path);
    const QIODevice::OpenMode how = start == Start::Fresh ? QIODevice::Truncate : QIODevice::Append;
    return m_file.open(QIODevice::WriteOnly | how | QIODevice::Text);
}

QString SimTrace::formatBytes(const quint8* data, int length)
{
    QString text;
    text.reserve(length * 3);
    for (int i = 0; i < length; ++i) {
        if (i)
            text += QLatin1Char(' ');
        text += QStringLiteral("%1").arg(data[i], 2, 16, QLatin1Char('0'));
    }
    return text;
}

void SimTrace::recordWrite(const quint8* data, int length)
{
    append(QLatin1String(kWritePrefix) + formatBytes(data, length));
}

void SimTrace::recordRead(const quint8* data, int length)
{
    append(QLatin1String(kReadPrefix) + formatBytes(data, length));
}

void SimTrace::recordTimeout()
{
    append(QLatin1String(kTimeoutLine));
}

void SimTrace::append(const QString& line)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lines.append(line);
    if (m_file.isOpen()) {
        m_file.write(line.toLatin1() + '\n');
        m_file.flush();
    }
}

QStringList SimTrace::lines() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lines;
}

int SimTrace::writes() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    int count = 0;
    for (const QString& line : m_lines)
        count += line.startsWith(QLatin1String(kWritePrefix)) ? 1 : 0;
    return count;
}

int SimTrace::reads() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    int count = 0;
    for (const QString& line : m_lines)
        count += line.startsWith(QLatin1String(kReadPrefix)) ? 1 : 0;
    return count;
}

int SimTrace::timeouts() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_lines.count(QLatin1String(kTimeoutLine)));
}

void SimTrace::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lines.clear();
}
