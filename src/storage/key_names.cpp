#include "storage/key_names.h"

#include <atomic>
#include <iterator>

namespace {

struct KeyNameEntry
{
    unsigned code;
    const char* name;
};

// Names are fixed literals, never translated: they are what is printed on the keycaps.
constexpr KeyNameEntry kDefaultNames[] = {
    { 1, "Esc" },
    { 2, "1" },
    { 3, "2" },
    { 4, "3" },
    { 5, "4" },
    { 6, "5" },
    { 7, "6" },
    { 8, "7" },
    { 9, "8" },
    { 10, "9" },
    { 11, "0" },
    { 12, "-" },
    { 13, "=" },
    { 14, "Backspace" },
    { 15, "Tab" },
    { 16, "Q" },
    { 17, "W" },
    { 18, "E" },
    { 19, "R" },
    { 20, "T" },
    { 21, "Y" },
    { 22, "U" },
    { 23, "I" },
    { 24, "O" },
    { 25, "P" },
    { 26, "[" },
    { 27, "]" },
    { 28, "Enter" },
    { 29, "LCtr" },
    { 30, "A" },
    { 31, "S" },
    { 32, "D" },
    { 33, "F" },
    { 34, "G" },
    { 35, "H" },
    { 36, "J" },
    { 37, "K" },
    { 38, "L" },
    { 39, ";" },
    { 40, "'" },
    { 41, "`" },
    { 42, "LShift" },
    { 43, "\\" },
    { 44, "Z" },
    { 45, "X" },
    { 46, "C" },
    { 47, "V" },
    { 48, "B" },
    { 49, "N" },
    { 50, "M" },
    { 51, "," },
    { 52, "." },
    { 53, "/" },
    { 54, "RShift" },
    { 55, "Print Screen" },
    { 56, "LAlt" },
    { 57, "Space" },
    { 58, "CapsLock" },
    { 59, "F1" },
    { 60, "F2" },
    { 61, "F3" },
    { 62, "F4" },
    { 63, "F5" },
    { 64, "F6" },
    { 65, "F7" },
    { 66, "F8" },
    { 67, "F9" },
    { 68, "F10" },
    { 69, "Pause Break" },
    { 70, "Scroll Lock" },
    { 71, "Home" },
    { 72, "Up" },
    { 73, "Page Up" },
    { 74, "Num -" },
    { 75, "Left" },
    { 76, "Num 5" },
    { 77, "Right" },
    { 78, "Num +" },
    { 79, "End" },
    { 80, "Down" },
    { 81, "Page Down" },
    { 82, "Insert" },
    { 83, "Delete" },
    { 87, "F11" },
    { 88, "F12" },
    { 91, "LWindows" },
    { 92, "RWindows" },
    { 93, "App" },
    { 224, "Num De" },
    { 225, "Num Lock" },
    { 226, "Num /" },
    { 227, "Num *" },
    { 228, "Num 9" },
    { 229, "Num Enter" },
    { 230, "Num 1" },
    { 231, "Num 2" },
    { 232, "Num 3" },
    { 233, "Num 4" },
    { 234, "Num 6" },
    { 235, "Num 7" },
    { 236, "Num 8" },
    { 237, "Num 0" },
    { 238, "RCtr" },
    { 239, "RAlt" },
    { 240, "Left Button" },
    { 241, "Right Button" },
    { 242, "Middle Button" },
};

// Only the codes whose French keycap differs; every other code keeps its default name.
constexpr KeyNameEntry kFrenchNames[] = {
    { 1, "Echap" },    { 2, "&" },         { 3, "\xC3\xA9" },  { 4, "\"" },        { 5, "'" },         { 6, "(" },
    { 7, "-" },        { 8, "\xC3\xA8" },  { 9, "_" },         { 10, "\xC3\xA7" }, { 11, "\xC3\xA0" }, { 12, ")" },
    { 14, "Ret.arr" }, { 16, "a" },        { 17, "z" },        { 18, "e" },        { 19, "r" },        { 20, "t" },
    { 21, "y" },       { 22, "u" },        { 23, "i" },        { 24, "o" },        { 25, "p" },        { 26, "^" },
    { 27, "$" },       { 28, "Entree" },   { 29, "LCtrl" },    { 30, "q" },        { 31, "s" },        { 32, "d" },
    { 33, "f" },       { 34, "g" },        { 35, "h" },        { 36, "j" },        { 37, "k" },        { 38, "l" },
    { 39, "m" },       { 40, "\xC3\xB9" }, { 41, "\xC2\xB2" }, { 43, "*" },        { 44, "w" },        { 45, "x" },
    { 46, "c" },       { 47, "v" },        { 48, "b" },        { 49, "n" },        { 50, "," },        { 51, ";" },
    { 52, ":" },       { 53, "!" },        { 57, "espace" },   { 58, "Verr.maj" }, { 224, "Num Del" }, { 238, "RCtrl" },
};

struct KeyPair
{
    int keyCode;
    int usage;
};

// Searched in this order; the letters come first, sorted by their usage.
constexpr KeyPair kConversionTable[] = {
    { 30, 4 },   { 48, 5 },   { 46, 6 },   { 32, 7 },   { 18, 8 },    { 33, 9 },   { 34, 10 },   { 35, 11 },
    { 23, 12 },  { 36, 13 },  { 37, 14 },  { 38, 15 },  { 50, 16 },   { 49, 17 },  { 24, 18 },   { 25, 19 },
    { 16, 20 },  { 19, 21 },  { 31, 22 },  { 20, 23 },  { 22, 24 },   { 47, 25 },  { 17, 26 },   { 45, 27 },
    { 21, 28 },  { 44, 29 },  { 2, 30 },   { 3, 31 },   { 4, 32 },    { 5, 33 },   { 6, 34 },    { 7, 35 },
    { 8, 36 },   { 9, 37 },   { 10, 38 },  { 11, 39 },  { 28, 40 },   { 1, 41 },   { 14, 42 },   { 15, 43 },
    { 57, 44 },  { 12, 45 },  { 13, 46 },  { 26, 47 },  { 27, 48 },   { 43, 49 },  { 39, 51 },   { 40, 52 },
    { 41, 53 },  { 51, 54 },  { 52, 55 },  { 53, 56 },  { 58, 57 },   { 59, 58 },  { 60, 59 },   { 61, 60 },
    { 62, 61 },  { 63, 62 },  { 64, 63 },  { 65, 64 },  { 66, 65 },   { 67, 66 },  { 68, 67 },   { 87, 68 },
    { 88, 69 },  { 55, 70 },  { 70, 71 },  { 69, 72 },  { 82, 73 },   { 71, 74 },  { 73, 75 },   { 83, 76 },
    { 79, 77 },  { 81, 78 },  { 77, 79 },  { 75, 80 },  { 80, 81 },   { 72, 82 },  { 225, 83 },  { 226, 84 },
    { 227, 85 }, { 74, 86 },  { 78, 87 },  { 229, 88 }, { 230, 89 },  { 231, 90 }, { 232, 91 },  { 233, 92 },
    { 76, 93 },  { 234, 94 }, { 235, 95 }, { 236, 96 }, { 228, 97 },  { 237, 98 }, { 224, 99 },  { 93, 101 },
    { 42, 225 }, { 29, 224 }, { 91, 227 }, { 56, 226 }, { 239, 230 }, { 92, 231 }, { 238, 228 }, { 54, 229 },
};

template<std::size_t N>
const char* findName(const KeyNameEntry (&table)[N], unsigned keyCode)
{
    for (const KeyNameEntry& entry : table) {
        if (entry.code == keyCode) {
            return entry.name;
        }
    }
    return nullptr;
}

std::atomic<FrenchLayoutQuery> g_frenchLayoutQuery{ nullptr };

} // namespace

void setFrenchLayoutQuery(FrenchLayoutQuery query)
{
    g_frenchLayoutQuery.store(query);
}

QString keyName(unsigned keyCode)
{
    const FrenchLayoutQuery query = g_frenchLayoutQuery.load();
    return keyName(keyCode, query && query() ? KeyLayout::French : KeyLayout::Default);
}

QString keyName(unsigned keyCode, KeyLayout layout)
{
    if (layout == KeyLayout::French) {
        if (const char* name = findName(kFrenchNames, keyCode)) {
            return QString::fromUtf8(name);
        }
    }
    const char* name = findName(kDefaultNames, keyCode);
    return name ? QString::fromUtf8(name) : QString();
}

bool scanToUsage(unsigned keyCode, int& usage)
{
    bool found = false;
    for (const KeyPair& pair : kConversionTable) {
        if (static_cast<unsigned>(pair.keyCode) == keyCode) {
            usage = pair.usage;
            found = true;
        }
    }
    return found;
}

bool usageToScan(unsigned usage, int& keyCode)
{
    bool found = false;
    for (const KeyPair& pair : kConversionTable) {
        if (static_cast<unsigned>(pair.usage) == usage) {
            keyCode = pair.keyCode;
            found = true;
        }
    }
    return found;
}

int keyConversionPairCount()
{
    return static_cast<int>(std::size(kConversionTable));
}
