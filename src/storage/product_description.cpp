// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/product_description.h"

#include "storage/paths.h"
#include "storage/settings_guard.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kProductFile = QStringLiteral("/DefaultProfile.bin");

const QString kButtonCountKey = QStringLiteral("PROFILE/ButtonCount");
const QString kMouseDpiKey = QStringLiteral("PROFILE/MouseDpi");
const QString kDpiCountKey = QStringLiteral("PROFILE/DPICount");
const QString kProductNameKey = QStringLiteral("PROFILE/ProductName");
const QString kVersionKey = QStringLiteral("PROFILE/Version");
const QString kDisableMacroKey = QStringLiteral("PROFILE/DisableMacro");
const QString kLedDisableKey = QStringLiteral("PROFILE/ledDisable");
const QString kShowSleepKey = QStringLiteral("PROFILE/ShowSleep");
const QString kSleepMinKey = QStringLiteral("PROFILE/SleepMin");
const QString kSleepMaxKey = QStringLiteral("PROFILE/SleepMax");
const QString kScrollRevKey = QStringLiteral("PROFILE/ScrollRev");
const QString kMinDelayKey = QStringLiteral("PROFILE/MinDelay");
const QString kColorModeKey = QStringLiteral("PROFILE/ColorMode");
const QString kSyncKey = QStringLiteral("PROFILE/Sync");
const QString kHighDpiRangeKey = QStringLiteral("PROFILE/33254");
const QString kWideRange3327Key = QStringLiteral("PROFILE/3327Max");
const QString kVid1Key = QStringLiteral("PROFILE/vid1");
const QString kPid1Key = QStringLiteral("PROFILE/pid1");
const QString kVid2Key = QStringLiteral("PROFILE/vid2");
const QString kPid2Key = QStringLiteral("PROFILE/pid2");

const QString kDpiKey = QStringLiteral("PROFILE/dpi");
const QString kDpiLevelKey = QStringLiteral("PROFILE/DPI_INFO_%1_xy");
const QString kPollrateKey = QStringLiteral("PROFILE/pollrate");
const QString kLedModeKey = QStringLiteral("PROFILE/LedMode");
const QString kStyleKey = QStringLiteral("PROFILE/Style");
const QString kFontSizeKey = QStringLiteral("PROFILE/FontSize_%1");
const QString kFontNameKey = QStringLiteral("PROFILE/FontName_%1");
const QString kLanguageKey = QStringLiteral("PROFILE/Lang_%1");
const QString kFontColorKey = QStringLiteral("PROFILE/Font_RGB");
const QString kBackPicKey = QStringLiteral("PROFILE/BackPic");
const QString kCompanyNameKey = QStringLiteral("PROFILE/CompanyName");
const QString kFolderPathKey = QStringLiteral("PROFILE/FolderPath");
const QString kEffectColorKey = QStringLiteral("PROFILE/LedMode/LED_MODE_%1_RGB");
const QString kEffectBrightKey = QStringLiteral("PROFILE/LedMode/LED_MODE_%1_bright");
const QString kEffectBreathKey = QStringLiteral("PROFILE/LedMode/LED_MODE_%1_breath");
const QString kButtonIdKey = QStringLiteral("PROFILE/BUTTON_INFO_%1_ID");
const QString kButtonFunKey = QStringLiteral("PROFILE/BUTTON_INFO_%1_Fun");
const QString kButtonLoopKey = QStringLiteral("PROFILE/BUTTON_INFO_%1_LoopNumber");
const QString kButtonKeyNumberKey = QStringLiteral("PROFILE/BUTTON_INFO_%1_KeyNumber");
const QString kButtonResKey = QStringLiteral("PROFILE/BUTTON_INFO_%1_Res%2");
const QString kMatrixKey = QStringLiteral("PROFILE/BUTTON_INFO_%1_Matrix");
const QString kMatrix2Key = QStringLiteral("PROFILE/BUTTON_INFO_%1_Matrix2");

constexpr int kDefaultShowSleep = 1;
constexpr int kDefaultSleepMin = 1;
constexpr int kDefaultSleepMax = 9;
constexpr int kDefaultMinDelay = 10;

int readInt(const QString& key, int fallback = 0)
{
    const GuardedSettings file(productDescriptionPath(), GuardedSettings::Mode::Read);
    return file.settings().value(key, fallback).toInt();
}

QString readString(const QString& key)
{
    const GuardedSettings file(productDescriptionPath(), GuardedSettings::Mode::Read);
    return file.settings().value(key).toString();
}

quint8 low8(const QVariant& value)
{
    return static_cast<quint8>(value.toInt() & 0xFF);
}

int loadButtonTable(const QString& keyPattern, ButtonTable& table)
{
    if (!productDescriptionExists()) {
        return -1;
    }
    const GuardedSettings file(productDescriptionPath(), GuardedSettings::Mode::Read);
    for (int i = 0; i < kButtonTableSize; ++i) {
        table[static_cast<size_t>(i)] = low8(file.settings().value(keyPattern.arg(i)));
    }
    return 0;
}

} // namespace

QString productDescriptionPath()
{
    return dataDir() + kProductFile;
}

bool productDescriptionExists()
{
    return QFileInfo(productDescriptionPath()).isFile();
}

int readProductDescription(ProductDescription& description)
{
    if (!productDescriptionExists()) {
        return -1;
    }
    const GuardedSettings file(productDescriptionPath(), GuardedSettings::Mode::Read);
    const QSettings& settings = file.settings();
    ProductDescription read;
    read.dpi = low8(settings.value(kDpiKey));
    for (size_t i = 0; i < read.dpiLevels.size(); ++i) {
        read.dpiLevels[i] = settings.value(kDpiLevelKey.arg(i)).toInt();
    }
    read.pollrate = settings.value(kPollrateKey).toInt();
    read.ledMode = low8(settings.value(kLedModeKey));
    read.style = low8(settings.value(kStyleKey));
    for (size_t i = 0; i < read.fontSizes.size(); ++i) {
        read.fontSizes[i] = low8(settings.value(kFontSizeKey.arg(i)));
        read.fontNames[i] = settings.value(kFontNameKey.arg(i)).toString();
        read.languages[i] = low8(settings.value(kLanguageKey.arg(i)));
    }
    read.buttonCount = low8(settings.value(kButtonCountKey));
    read.fontColor = settings.value(kFontColorKey).value<QColor>();
    read.backPic = settings.value(kBackPicKey).toString();
    read.companyName = settings.value(kCompanyNameKey).toString();
    read.productName = settings.value(kProductNameKey).toString();
    read.folderPath = settings.value(kFolderPathKey).toString();
    for (size_t e = 0; e < read.effects.size(); ++e) {
        ProductEffectDefault& effect = read.effects[e];
        effect.color = settings.value(kEffectColorKey.arg(e)).value<QColor>();
        effect.brightness = settings.value(kEffectBrightKey.arg(e)).toInt();
        effect.speed = settings.value(kEffectBreathKey.arg(e)).toInt();
    }
    for (int b = 0; b < kProductFilledButtonDefaults; ++b) {
        ProductButtonDefault& button = read.buttons[static_cast<size_t>(b)];
        button.ID = settings.value(kButtonIdKey.arg(b)).toInt();
        button.Fun = settings.value(kButtonFunKey.arg(b)).toInt();
        button.LoopNumber = settings.value(kButtonLoopKey.arg(b)).toInt();
        button.KeyNumber = settings.value(kButtonKeyNumberKey.arg(b)).toInt();
        button.Res1 = low8(settings.value(kButtonResKey.arg(b).arg(1)));
        button.Res2 = low8(settings.value(kButtonResKey.arg(b).arg(2)));
        button.Res3 = low8(settings.value(kButtonResKey.arg(b).arg(3)));
        button.Res4 = low8(settings.value(kButtonResKey.arg(b).arg(4)));
    }
    description = read;
    return 0;
}

int productButtonCount()
{
    const GuardedSettings file(productDescriptionPath(), GuardedSettings::Mode::Read);
    const QSettings& settings = file.settings();
    return settings.value(kButtonCountKey).toInt() ^ settings.value(kMouseDpiKey).toInt();
}

int productDpiStageCount()
{
    const GuardedSettings file(productDescriptionPath(), GuardedSettings::Mode::Read);
    const QSettings& settings = file.settings();
    return settings.value(kButtonCountKey).toInt() ^ settings.value(kMouseDpiKey).toInt() ^
           settings.value(kDpiCountKey).toInt();
}

int loadButtonMatrix(ButtonTable& matrix)
{
    return loadButtonTable(kMatrixKey, matrix);
}

std::array<int, kButtonTableSize> loadNamedButtonPositions()
{
    std::array<int, kButtonTableSize> positions;
    positions.fill(-1);
    if (!productDescriptionExists()) {
        return positions;
    }
    const GuardedSettings file(productDescriptionPath(), GuardedSettings::Mode::Read);
    for (int i = 0; i < kButtonTableSize; ++i) {
        const QVariant value = file.settings().value(kMatrixKey.arg(i));
        if (value.isValid()) {
            positions[static_cast<size_t>(i)] = low8(value);
        }
    }
    return positions;
}

int loadButtonPageLayout(ButtonTable& layout)
{
    if (loadButtonTable(kMatrix2Key, layout) < 0) {
        return -1;
    }
    return productButtonCount();
}

int visibleButtonSlotCount(const ButtonTable& layout, int buttonCount)
{
    int visible = buttonCount;
    const int shown = std::min(buttonCount, kButtonTableSize);
    for (int i = 0; i < shown; ++i) {
        if (layout[static_cast<size_t>(i)] == kHiddenButtonSlot) {
            --visible;
        }
    }
    return visible;
}

int productRawButtonCount()
{
    return readInt(kButtonCountKey);
}

int productMouseDpi()
{
    return readInt(kMouseDpiKey);
}

int productRawDpiCount()
{
    return readInt(kDpiCountKey);
}

QString productName()
{
    return readString(kProductNameKey);
}

QString productVersion()
{
    return readString(kVersionKey);
}

int productDisableMacro()
{
    return readInt(kDisableMacroKey);
}

int productLedDisable()
{
    return readInt(kLedDisableKey);
}

int productShowSleep()
{
    return readInt(kShowSleepKey, kDefaultShowSleep);
}

int productSleepMin()
{
    return readInt(kSleepMinKey, kDefaultSleepMin);
}

int productSleepMax()
{
    return readInt(kSleepMaxKey, kDefaultSleepMax);
}

int productScrollRev()
{
    return readInt(kScrollRevKey);
}

int productMinDelay()
{
    return readInt(kMinDelayKey, kDefaultMinDelay);
}

int productColorMode()
{
    return readInt(kColorModeKey);
}

int productSync()
{
    return readInt(kSyncKey);
}

int productHighDpiRange()
{
    return readInt(kHighDpiRangeKey);
}

int productWideRange3327()
{
    return readInt(kWideRange3327Key);
}

UsbIdentifiers readUsbIdentifiers()
{
    const GuardedSettings file(productDescriptionPath(), GuardedSettings::Mode::Read);
    const QSettings& settings = file.settings();
    UsbIdentifiers ids;
    ids.receiverVendorId = settings.value(kVid1Key, kDefaultReceiverVendorId).toInt();
    ids.receiverProductId = settings.value(kPid1Key, kDefaultReceiverProductId).toInt();
    ids.cableVendorId = settings.value(kVid2Key, kDefaultCableVendorId).toInt();
    ids.cableProductId = settings.value(kPid2Key, kDefaultCableProductId).toInt();
    return ids;
}

void readUsbIdentifiers(int& receiverVendorId, int& receiverProductId, int& cableVendorId, int& cableProductId)
{
    const UsbIdentifiers ids = readUsbIdentifiers();
    receiverVendorId = ids.receiverVendorId;
    receiverProductId = ids.receiverProductId;
    cableVendorId = ids.cableVendorId;
    cableProductId = ids.cableProductId;
}
