#include "upload_sandbox.h"

#include "device/device_state.h"
#include "device/upload.h"
#include "storage/app_config.h"
#include "storage/product_description.h"

#include <QSettings>
#include <QSignalSpy>

UploadSandbox::UploadSandbox()
{
    if (!m_device.isValid()) {
        return;
    }
    setProductCounts(6, 6);
    setProductValue(QStringLiteral("PROFILE/Sync"), 2);
    for (int i = 0; i < 6; ++i) {
        setProductValue(QStringLiteral("PROFILE/BUTTON_INFO_%1_Matrix").arg(i), i);
    }
    setSensor(3395);
    m_device.connect({ MouseLink::Receiver });
    setPendingUploadFlag(0);
    setMouseOff(false);
    setSensorModeByte(0);
    clearTrace();
}

void UploadSandbox::setProductValue(const QString& key, const QVariant& value)
{
    QSettings(productDescriptionPath(), QSettings::IniFormat).setValue(key, value);
}

void UploadSandbox::removeProductValue(const QString& key)
{
    QSettings(productDescriptionPath(), QSettings::IniFormat).remove(key);
}

void UploadSandbox::setProductCounts(int buttons, int dpiStages)
{
    setProductValue(QStringLiteral("PROFILE/MouseDpi"), 0);
    setProductValue(QStringLiteral("PROFILE/ButtonCount"), buttons);
    setProductValue(QStringLiteral("PROFILE/DPICount"), buttons ^ dpiStages);
}

void UploadSandbox::setSensor(int sensorCode)
{
    m_device.setConfigValue(QStringLiteral("MouseSenSor/1"), sensorCode);
}

QList<QByteArray> UploadSandbox::writes()
{
    QList<QByteArray> reports;
    for (const QString& line : m_device.mouse().trace().lines()) {
        if (line.startsWith(QLatin1Char('W'))) {
            reports.append(traceBytes(line));
        }
    }
    return reports;
}

QByteArray UploadSandbox::writtenCommands()
{
    QByteArray commands;
    for (const QByteArray& report : writes()) {
        commands.append(report.at(3));
    }
    return commands;
}

ConfigRecord UploadSandbox::configuration()
{
    ConfigRecord config;
    makeDefaultConfiguration(config);
    return config;
}

ProcessOutcome runProcessThread(ConfigRecord& working, ConfigRecord& lastUploaded, MonitorSwitch* monitor,
                                bool forceFull)
{
    TarqProcessThread thread(working, lastUploaded, monitor);
    thread.setForceFull(forceFull);
    QSignalSpy done(&thread, &TarqProcessThread::DoProcessDlg);
    thread.start();
    thread.wait();
    return { thread.result(), static_cast<int>(done.count()), thread.sentFlags() };
}
