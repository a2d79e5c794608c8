#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>
#include <array>

// "DefaultProfile.bin" in the application directory: the model this installation serves.
// Read only; every accessor opens the file, reads its keys and closes it again. A missing file
// is not an error for the scalar accessors: each returns its documented default.

constexpr int kProductButtonDefaultCount = 20;
constexpr int kProductFilledButtonDefaults = 16;
constexpr int kButtonTableSize = 16;
constexpr quint8 kHiddenButtonSlot = 255;

// Built-in USB identities of the receiver (first kind) and the cable (second kind).
constexpr int kDefaultReceiverVendorId = 0x248A;
constexpr int kDefaultReceiverProductId = 0xFA02;
constexpr int kDefaultCableVendorId = 0x248A;
constexpr int kDefaultCableProductId = 0xFB01;

struct ProductEffectDefault
{
    QColor color;
    qint32 brightness = 0;
    qint32 speed = 0;
};

struct ProductButtonDefault
{
    qint32 ID = 0;
    qint32 Fun = 0;
    qint32 LoopNumber = 0;
    qint32 KeyNumber = 0;
    quint8 Res1 = 0;
    quint8 Res2 = 0;
    quint8 Res3 = 0;
    quint8 Res4 = 0;
};

struct ProductDescription
{
    quint8 dpi = 0;
    std::array<qint32, 8> dpiLevels{};
    qint32 pollrate = 0;
    quint8 ledMode = 0;
    quint8 style = 0;
    std::array<quint8, 4> fontSizes{};
    quint8 buttonCount = 0; // the raw, masked "PROFILE/ButtonCount"
    std::array<QString, 4> fontNames{};
    QColor fontColor;
    QString backPic;
    QString companyName;
    QString productName;
    QString folderPath;
    std::array<quint8, 4> languages{};
    std::array<ProductEffectDefault, 14> effects{};
    std::array<ProductButtonDefault, kProductButtonDefaultCount> buttons{}; // the file fills 0..15
};

struct UsbIdentifiers
{
    int receiverVendorId = kDefaultReceiverVendorId;
    int receiverProductId = kDefaultReceiverProductId;
    int cableVendorId = kDefaultCableVendorId;
    int cableProductId = kDefaultCableProductId;
};

using ButtonTable = std::array<quint8, kButtonTableSize>;

QString productDescriptionPath();
bool productDescriptionExists();

// Returns -1 when the file does not exist (the record keeps what it held), 0 otherwise.
int readProductDescription(ProductDescription& description);

// The counts are stored masked: buttons = ButtonCount ^ MouseDpi, stages = buttons ^ DPICount.
int productButtonCount();
int productDpiStageCount();

// Device button position of each button slot. Returns -1 when the file does not exist, else 0.
int loadButtonMatrix(ButtonTable& matrix);
// The positions the file actually names: -1 for each slot whose key is absent (or no file).
std::array<int, kButtonTableSize> loadNamedButtonPositions();
// Button-page layout (kHiddenButtonSlot marks a slot the page does not show). Returns -1 when
// the file does not exist, else productButtonCount().
int loadButtonPageLayout(ButtonTable& layout);
// Button slots the page shows: the button count minus the hidden entries among the first slots.
int visibleButtonSlotCount(const ButtonTable& layout, int buttonCount);

int productRawButtonCount();
int productMouseDpi();
int productRawDpiCount();
QString productName();
QString productVersion();
int productDisableMacro();
int productLedDisable();
int productShowSleep();
int productSleepMin();
int productSleepMax();
int productScrollRev();
int productMinDelay();
int productColorMode();
int productSync();
int productHighDpiRange();  // "PROFILE/33254"
int productWideRange3327(); // "PROFILE/3327Max": 1 gives sensor 3327 its 1..106 range

void readUsbIdentifiers(int& receiverVendorId, int& receiverProductId, int& cableVendorId, int& cableProductId);
UsbIdentifiers readUsbIdentifiers();
