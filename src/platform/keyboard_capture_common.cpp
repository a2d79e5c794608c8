#include "platform/keyboard_capture_backend.h"

#include <Qt>
#include <iterator>

namespace {

struct CodePair
{
    int from;
    int to;
};

// Evdev numbers the main block like the PC scan codes; these are the keys where they part.
constexpr CodePair kEvdevToKeyCode[] = {
    { 55, 227 }, { 69, 225 }, { 71, 235 }, { 72, 236 }, { 73, 228 }, { 74, 74 },   { 75, 233 },
    { 76, 76 },  { 77, 234 }, { 78, 78 },  { 79, 230 }, { 80, 231 }, { 81, 232 },  { 82, 237 },
    { 83, 224 }, { 96, 229 }, { 97, 238 }, { 98, 226 }, { 99, 55 },  { 100, 239 }, { 102, 71 },
    { 103, 72 }, { 104, 73 }, { 105, 75 }, { 106, 77 }, { 107, 79 }, { 108, 80 },  { 109, 81 },
    { 110, 82 }, { 111, 83 }, { 119, 69 }, { 125, 91 }, { 126, 92 }, { 127, 93 },
};

// The keys a PC keyboard sends with the 0xE0 prefix.
bool isExtendedEvdev(int evdevCode)
{
    return (evdevCode >= 96 && evdevCode <= 100) || (evdevCode >= 102 && evdevCode <= 111) ||
           (evdevCode >= 125 && evdevCode <= 127);
}

constexpr int kLastMainBlockEvdev = 88;

// Keys other than letters and digits, named by the evdev key they sit on in a US layout.
constexpr CodePair kQtKeyToEvdev[] = {
    { Qt::Key_Escape, 1 },     { Qt::Key_Minus, 12 },    { Qt::Key_Equal, 13 },       { Qt::Key_Backspace, 14 },
    { Qt::Key_Tab, 15 },       { Qt::Key_Backtab, 15 },  { Qt::Key_BracketLeft, 26 }, { Qt::Key_BracketRight, 27 },
    { Qt::Key_Return, 28 },    { Qt::Key_Control, 29 },  { Qt::Key_Semicolon, 39 },   { Qt::Key_Apostrophe, 40 },
    { Qt::Key_QuoteLeft, 41 }, { Qt::Key_Shift, 42 },    { Qt::Key_Backslash, 43 },   { Qt::Key_Comma, 51 },
    { Qt::Key_Period, 52 },    { Qt::Key_Slash, 53 },    { Qt::Key_Alt, 56 },         { Qt::Key_Space, 57 },
    { Qt::Key_CapsLock, 58 },  { Qt::Key_NumLock, 69 },  { Qt::Key_ScrollLock, 70 },  { Qt::Key_F11, 87 },
    { Qt::Key_F12, 88 },       { Qt::Key_Enter, 96 },    { Qt::Key_Print, 99 },       { Qt::Key_AltGr, 100 },
    { Qt::Key_Home, 102 },     { Qt::Key_Up, 103 },      { Qt::Key_PageUp, 104 },     { Qt::Key_Left, 105 },
    { Qt::Key_Right, 106 },    { Qt::Key_End, 107 },     { Qt::Key_Down, 108 },       { Qt::Key_PageDown, 109 },
    { Qt::Key_Insert, 110 },   { Qt::Key_Delete, 111 },  { Qt::Key_Pause, 119 },      { Qt::Key_Meta, 125 },
    { Qt::Key_Super_L, 125 },  { Qt::Key_Super_R, 126 }, { Qt::Key_Menu, 127 },
};

// Runs of neighbouring keys on a US keyboard and the evdev code of each run's first key.
struct KeyRow
{
    const char* keys;
    int firstEvdev;
};

constexpr KeyRow kCharacterRows[] = {
    { "1234567890", 2 },
    { "QWERTYUIOP", 16 },
    { "ASDFGHJKL", 30 },
    { "ZXCVBNM", 44 },
};

constexpr int kFirstFunctionKeyEvdev = 59; // F1..F10 follow each other

int mapCode(const CodePair* begin, const CodePair* end, int from)
{
    for (const CodePair* pair = begin; pair != end; ++pair) {
        if (pair->from == from)
            return pair->to;
    }
    return 0;
}

int evdevFromQtKey(int qtKey)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F10)
        return kFirstFunctionKeyEvdev + (qtKey - Qt::Key_F1);
    if (qtKey > 0 && qtKey < 0x80) {
        for (const KeyRow& row : kCharacterRows) {
            for (int column = 0; row.keys[column] != '\0'; ++column) {
                if (row.keys[column] == qtKey)
                    return row.firstEvdev + column;
            }
        }
    }
    return mapCode(std::begin(kQtKeyToEvdev), std::end(kQtKeyToEvdev), qtKey);
}

} // namespace

CapturedKey keyFromEvdev(int evdevCode, bool released)
{
    CapturedKey key;
    key.keyCode = mapCode(std::begin(kEvdevToKeyCode), std::end(kEvdevToKeyCode), evdevCode);
    if (key.keyCode == 0 && evdevCode >= 1 && evdevCode <= kLastMainBlockEvdev)
        key.keyCode = evdevCode;
    if (key.keyCode != 0 && isExtendedEvdev(evdevCode))
        key.flags |= KeyFlag::Extended;
    if (released)
        key.flags |= KeyFlag::Released;
    return key;
}

CapturedKey keyFromWindowEvent(quint32 nativeScanCode, int qtKey, bool released)
{
    CapturedKey key;
    if (keyFromNativeScanCode(nativeScanCode, released, key))
        return key;
    // Letting evdev decide keeps the extended flag the same for both kinds of event.
    const int evdevCode = evdevFromQtKey(qtKey);
    if (evdevCode != 0)
        return keyFromEvdev(evdevCode, released);
    key = CapturedKey();
    key.flags = released ? KeyFlag::Released : 0;
    return key;
}

template<typename Emit>
void GlobalKeyCapture::Backend::post(quint64 session, Emit emitSignal)
{
    QMetaObject::invokeMethod(
        &m_owner,
        [this, session, emitSignal] {
            if (session == m_session)
                emitSignal(m_owner);
        },
        Qt::QueuedConnection);
}

void GlobalKeyCapture::Backend::postReady(quint64 session)
{
    post(session, [](GlobalKeyCapture& owner) { emit owner.ready(); });
}

void GlobalKeyCapture::Backend::postKey(quint64 session, CapturedKey key)
{
    post(session, [key](GlobalKeyCapture& owner) { emit owner.keyEvent(key.keyCode, key.flags); });
}

GlobalKeyCapture::GlobalKeyCapture(QObject* parent)
    : QObject(parent)
    , m_backend(createKeyCaptureBackend(*this))
{
}

GlobalKeyCapture::~GlobalKeyCapture()
{
    stop();
}

bool GlobalKeyCapture::start()
{
    return m_backend->start();
}

void GlobalKeyCapture::stop()
{
    m_backend->stop();
}

bool GlobalKeyCapture::isRunning() const
{
    return m_backend->isRunning();
}
