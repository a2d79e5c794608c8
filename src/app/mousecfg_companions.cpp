// SPDX-License-Identifier: GPL-3.0-or-later
// The window's bridges to the programs that ship beside it: the on-screen display, which shows
// changes made with the mouse's own buttons, and the firmware updater.
#include "app/firmware.h"
#include "app/mousecfg_widget.h"
#include "app/osd_link.h"
#include "controls/message_box.h"
#include "controls/push_button.h"
#include "controls/theme.h"
#include "device/sensor_resolution.h"
#include "pages/dpi_page.h"
#include "platform/executable_name.h"
#include "platform/osd_message.h"
#include "storage/languages.h"
#include "storage/paths.h"

#include <QDir>

namespace {

const char kFirmwareQuestion[] = QT_TRANSLATE_NOOP("TarqMessageBox", "Do you want to upgrade the firmware?");
const char kFirmwareNeedsCable[] =
    QT_TRANSLATE_NOOP("TarqMessageBox", "To update the firmware, please connect to the computer with a cable.");
const char kUpdaterMissing[] = QT_TRANSLATE_NOOP("TarqMessageBox", "The firmware updater %1 is missing.");
const char kUpdaterNotStarted[] = QT_TRANSLATE_NOOP("TarqMessageBox", "The firmware updater %1 could not be started.");

} // namespace

void MousecfgWidget::createOsdLink()
{
    m_osd = new OsdLink(appDir() + QLatin1Char('/') + executableName(QStringLiteral("OSD")),
                        QString::fromLatin1(kOsdWindowTitle), this);
}

void MousecfgWidget::ShowOsdText(const QString& text)
{
    OsdMessage message;
    message.text = text;
    message.colour = themeColour();
    m_osd->send(encodeOsdMessage(message));
}

QString MousecfgWidget::dpiStageOsdText(int stage) const
{
    const ProfileRecord& current = m_configuration.working.profiles[m_configuration.working.ProfileID];
    const int dpi = dpiOfStep(int(current.dpiStages[size_t(stage)].y), m_dpiPage->sensorCode());
    return tr("DPI") + QString::asprintf(" %d:%d", stage + 1, dpi);
}

QString MousecfgWidget::reportRateOsdText(int rateCode)
{
    switch (rateCode) {
        case 8:
            return tr("125 HZ");
        case 4:
            return tr("250 HZ");
        case 2:
            return tr("500 HZ");
        case 1:
            return tr("1000 HZ");
        default:
            return QString();
    }
}

void MousecfgWidget::onFirmwarePressed()
{
    m_firmwareButton->setChecked(false);
    if (!sidePresent(true, true)) {
        showMessage(TarqMessageBox::Warning, QLatin1String(kFirmwareNeedsCable));
        return;
    }
    showMessage(TarqMessageBox::Question, QLatin1String(kFirmwareQuestion), [this](bool accepted) {
        if (!accepted)
            return;
        StopBatteryThread();
        const QString updater = firmwareUpdaterPath(dataDir(), currentLanguageIndex());
        const UpdaterStart started = startFirmwareUpdater(updater);
        if (started == UpdaterStart::Started) {
            // The updater takes the device over; nothing is saved and nothing more is sent.
            emit exitRequested(0);
            return;
        }
        // Quitting as if the updater ran would leave the user with neither program.
        StartBatteryThread();
        const char* text = started == UpdaterStart::Missing ? kUpdaterMissing : kUpdaterNotStarted;
        showMessage(TarqMessageBox::Warning, TarqMessageBox::tr(text).arg(QDir::toNativeSeparators(updater)));
    });
}
