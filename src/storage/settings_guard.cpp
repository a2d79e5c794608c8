// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/settings_guard.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryFile>
#include <atomic>
#include <cstring>
#include <map>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

const QString kVariantPrefix = QStringLiteral("@Variant(");
const QString kDateTimePrefix = QStringLiteral("@DateTime(");

// A serialised colour: type id 67 (4 bytes), spec, then alpha, red, green, blue and padding as
// 16-bit values.
constexpr int kColorTypeId = 67;
constexpr int kSerialisedColorLength = 15;
constexpr int kLastColorSpec = 4; // Hsl; the extended spec is never written by us

bool isHexDigit(ushort c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(ushort c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    return (c | 0x20) - 'a' + 10;
}

char simpleEscape(char c)
{
    switch (c) {
        case 'a':
            return '\a';
        case 'b':
            return '\b';
        case 'f':
            return '\f';
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 't':
            return '\t';
        case 'v':
            return '\v';
        case '"':
        case '?':
        case '\'':
        case '\\':
            return c;
        default:
            return 0;
    }
}

// The text of one line as the settings class sees it: escapes undone, quotes gone, other bytes as
// Latin-1.
QString unescapedLine(const QByteArray& line)
{
    QString text;
    text.reserve(line.size());
    int i = 0;
    const int size = line.size();
    while (i < size) {
        const char c = line.at(i);
        if (c == '"') {
            // Quotes only group text; "@"Variant( is read as @Variant( all the same.
            ++i;
            continue;
        }
        if (c != '\\') {
            int end = i + 1;
            while (end < size && line.at(end) != '\\' && line.at(end) != '"') {
                ++end;
            }
            text += QString::fromLatin1(line.constData() + i, end - i);
            i = end;
            continue;
        }
        ++i;
        if (i >= size) {
            break;
        }
        const char escaped = line.at(i++);
        if (const char plain = simpleEscape(escaped)) {
            text += QLatin1Char(plain);
        } else if (escaped == 'x') {
            int value = 0;
            while (i < size && isHexDigit(static_cast<uchar>(line.at(i)))) {
                value = (value << 4) + hexValue(static_cast<uchar>(line.at(i++)));
            }
            text += QChar(static_cast<ushort>(value & 0xFFFF));
        } else if (escaped >= '0' && escaped <= '7') {
            int value = escaped - '0';
            while (i < size && line.at(i) >= '0' && line.at(i) <= '7') {
                value = (value << 3) + (line.at(i++) - '0');
            }
            text += QChar(static_cast<ushort>(value & 0xFFFF));
        } else if (escaped == '\n' || escaped == '\r') {
            if (i < size && (line.at(i) == '\n' || line.at(i) == '\r') && line.at(i) != escaped) {
                ++i;
            }
        }
    }
    return text;
}

uchar latin1At(const QString& text, int index)
{
    const ushort code = text.at(index).unicode();
    return code > 0xFF ? '?' : static_cast<uchar>(code);
}

bool endsValue(const QString& text, int index)
{
    if (index >= text.size()) {
        return true;
    }
    const QChar c = text.at(index);
    return c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char(';') || c.isSpace();
}

bool isWellFormedColor(const QString& text, int start)
{
    if (start + kSerialisedColorLength >= text.size()) {
        return false;
    }
    const bool colourType = latin1At(text, start) == 0 && latin1At(text, start + 1) == 0 &&
                            latin1At(text, start + 2) == 0 && latin1At(text, start + 3) == kColorTypeId;
    const int end = start + kSerialisedColorLength;
    return colourType && latin1At(text, start + 4) <= kLastColorSpec && text.at(end) == QLatin1Char(')') &&
           endsValue(text, end + 1);
}

// The settings class decodes a serialised value only where a value or a list element begins:
// after the '=' or a ',', past spaces. Anywhere else the text is a plain string.
bool startsAValue(const QString& text, int at)
{
    int i = at - 1;
    while (i >= 0 && text.at(i).isSpace()) {
        --i;
    }
    return i < 0 || text.at(i) == QLatin1Char('=') || text.at(i) == QLatin1Char(',');
}

// One right after another '@' is an escaped plain string.
bool holdsUnsafeValue(const QString& text)
{
    for (const QString& prefix : { kVariantPrefix, kDateTimePrefix }) {
        int at = text.indexOf(prefix);
        while (at >= 0) {
            const bool escaped = at > 0 && text.at(at - 1) == QLatin1Char('@');
            if (!escaped && startsAValue(text, at) &&
                (prefix == kDateTimePrefix || !isWellFormedColor(text, at + prefix.size()))) {
                return true;
            }
            at = text.indexOf(prefix, at + 1);
        }
    }
    return false;
}

// End of the line starting at `start`, where an escaped line break continues the line.
int lineEnd(const QByteArray& content, int start)
{
    int i = start;
    const int size = content.size();
    while (i < size) {
        const char c = content.at(i);
        if (c == '\n' || c == '\r') {
            return i;
        }
        if (c == '\\' && i + 1 < size) {
            const char next = content.at(i + 1);
            i += 2;
            if ((next == '\n' || next == '\r') && i < size && (content.at(i) == '\n' || content.at(i) == '\r') &&
                content.at(i) != next) {
                ++i;
            }
            continue;
        }
        ++i;
    }
    return size;
}

// Most lines hold plain numbers under keys with a group separator ("LedMode\\LED_MODE_1_RGB");
// only an at sign, or a hex or octal escape that could spell one, can make a serialised value.
bool mayHoldSerialisedValue(const char* line, int length)
{
    const size_t size = static_cast<size_t>(length);
    if (std::memchr(line, '@', size) != nullptr)
        return true;
    for (const char* escape = static_cast<const char*>(std::memchr(line, '\\', size)); escape;) {
        const size_t at = size_t(escape - line) + 1;
        if (at >= size)
            return false;
        const char next = line[at];
        if (next == 'x' || (next >= '0' && next <= '7'))
            return true;
        escape = static_cast<const char*>(std::memchr(line + at + 1, '\\', size - at - 1));
    }
    return false;
}

} // namespace

QByteArray withoutUnsafeValues(const QByteArray& content, bool* damaged)
{
    QByteArray clean;
    bool dropped = false;
    int start = 0;
    const int size = content.size();
    while (start < size) {
        const int end = lineEnd(content, start);
        int next = end;
        while (next < size && (content.at(next) == '\n' || content.at(next) == '\r')) {
            ++next;
        }
        const char* line = content.constData() + start;
        if (mayHoldSerialisedValue(line, end - start) &&
            holdsUnsafeValue(unescapedLine(QByteArray::fromRawData(line, end - start)))) {
            if (!dropped) {
                clean = content.left(start);
                dropped = true;
            }
        } else if (dropped) {
            clean += content.mid(start, next - start);
        }
        start = next;
    }
    if (damaged) {
        *damaged = dropped;
    }
    return dropped ? clean : content;
}

namespace {

std::atomic<quint64> g_openCount{ 0 };

bool readFile(const QString& path, QByteArray& content)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    content = file.readAll();
    return true;
}

// A folder or a device is left to the settings class, which reads nothing from it.
qint64 regularFileSize(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() ? info.size() : 0;
}

} // namespace

bool isOversizedSettingsFile(const QString& path)
{
    return regularFileSize(path) > kMaxSettingsFileBytes;
}

bool hasUnsafeValues(const QString& path)
{
    if (isOversizedSettingsFile(path)) {
        return true;
    }
    QByteArray content;
    bool damaged = false;
    if (readFile(path, content)) {
        withoutUnsafeValues(content, &damaged);
    }
    return damaged;
}

quint64 guardedSettingsOpenCount()
{
    return g_openCount.load();
}

struct GuardedSettings::CheckedFile
{
    std::unique_ptr<QTemporaryFile> cleanCopy;
    std::unique_ptr<QSettings> settings;
    bool damaged = false;
    bool failed = false;
    // What the file was when it was read, so a shared copy is never older than the file.
    qint64 size = -1;
    QDateTime modified;
    quint64 identity = 0; // the inode: a file replaced by rename is another file of the same name
};

namespace {

struct ReadScopeState
{
    int depth = 0;
    std::map<QString, std::shared_ptr<GuardedSettings::CheckedFile>> files;
};

thread_local ReadScopeState t_readScope;

void stamp(GuardedSettings::CheckedFile& file, const QString& path)
{
    const QFileInfo info(path);
    file.size = info.exists() ? info.size() : -1;
    file.modified = info.exists() ? info.lastModified() : QDateTime();
#ifdef Q_OS_UNIX
    struct stat status
    {
    };
    file.identity = ::stat(QFile::encodeName(path).constData(), &status) == 0 ? quint64(status.st_ino) : 0;
#endif
}

bool isCurrent(const GuardedSettings::CheckedFile& file, const QString& path)
{
    GuardedSettings::CheckedFile now;
    stamp(now, path);
    return now.size == file.size && now.modified == file.modified && now.identity == file.identity;
}

std::shared_ptr<GuardedSettings::CheckedFile> checkAndOpen(const QString& path, GuardedSettings::Mode mode)
{
    ++g_openCount;
    auto file = std::make_shared<GuardedSettings::CheckedFile>();
    stamp(*file, path);
    QByteArray content;
    QString openPath = path;
    if (isOversizedSettingsFile(path)) {
        // Never read, never written over: what it holds stays for the user to look at.
        file->damaged = true;
        file->failed = true;
        openPath.clear();
    } else if (readFile(path, content)) {
        const QByteArray clean = withoutUnsafeValues(content, &file->damaged);
        if (file->damaged && mode == GuardedSettings::Mode::Write) {
            QSaveFile repaired(path);
            file->failed =
                !repaired.open(QIODevice::WriteOnly) || repaired.write(clean) != clean.size() || !repaired.commit();
        } else if (file->damaged) {
            file->cleanCopy = std::make_unique<QTemporaryFile>();
            file->failed =
                !file->cleanCopy->open() || file->cleanCopy->write(clean) != clean.size() || !file->cleanCopy->flush();
            openPath = file->cleanCopy->fileName();
        }
        if (file->failed) {
            // Never let the settings class parse what the check refused.
            openPath.clear();
        }
    }
    file->settings = std::make_unique<QSettings>(openPath, QSettings::IniFormat);
    return file;
}

} // namespace

GuardedSettings::GuardedSettings(const QString& path, Mode mode)
{
    if (t_readScope.depth == 0) {
        m_file = checkAndOpen(path, mode);
        return;
    }
    auto shared = t_readScope.files.find(path);
    if (mode == Mode::Write) {
        if (shared != t_readScope.files.end())
            t_readScope.files.erase(shared);
        m_file = checkAndOpen(path, mode);
        return;
    }
    if (shared != t_readScope.files.end() && isCurrent(*shared->second, path)) {
        m_file = shared->second;
        return;
    }
    m_file = checkAndOpen(path, mode);
    t_readScope.files[path] = m_file;
}

GuardedSettings::~GuardedSettings() = default;

QSettings& GuardedSettings::settings()
{
    return *m_file->settings;
}

const QSettings& GuardedSettings::settings() const
{
    return *m_file->settings;
}

bool GuardedSettings::wasDamaged() const
{
    return m_file->damaged;
}

void GuardedSettings::setValue(const QString& key, const QVariant& value)
{
    QSettings& settings = *m_file->settings;
    m_replaced.push_back({ key, settings.contains(key) ? settings.value(key) : QVariant() });
    settings.setValue(key, value);
}

bool GuardedSettings::sync()
{
    QSettings& settings = *m_file->settings;
    settings.sync();
    // A format error only says the old content was malformed; the file is written all the same.
    const bool written = !m_file->failed && settings.status() != QSettings::AccessError;
    if (!written) {
        for (auto replaced = m_replaced.crbegin(); replaced != m_replaced.crend(); ++replaced) {
            if (replaced->value.isValid())
                settings.setValue(replaced->key, replaced->value);
            else
                settings.remove(replaced->key);
        }
    }
    m_replaced.clear();
    return written;
}

SettingsReadScope::SettingsReadScope()
{
    ++t_readScope.depth;
}

SettingsReadScope::~SettingsReadScope()
{
    if (--t_readScope.depth == 0)
        t_readScope.files.clear();
}
