#include "configuration_send.h"

#include "cli_commands.h"
#include "cli_output.h"
#include "device_session.h"
#include "session/send_check.h"
#include "session/sending.h"
#include "session/startup.h"
#include "window_link.h"

namespace {

const char kSent[] = "Configuration sent.\n";
const char kNothingSent[] = "Nothing changed since the last upload; nothing sent.\n";

} // namespace

void loadConfigurationReporting(ConfigurationPair& configuration)
{
    for (const QString& message : loadStartupConfiguration(configuration))
        err() << message << '\n';
}

bool takeFullOption(QStringList& arguments)
{
    return arguments.removeAll(QLatin1String(kFullOption)) > 0;
}

int sendReporting(ConfigurationPair& configuration, bool full, DeviceSession& session)
{
    if (!session.openProduct()) {
        err() << "No mouse connected.\n";
        return kExitNoDevice;
    }
    const SendCheck check = checkBeforeSend(configuration.working);
    if (check.refused()) {
        err() << check.refusalText() << " Nothing was sent.\n";
        return kExitBadFile;
    }
    for (const QString& warning : check.warnings)
        err() << warning << '\n';
    // The command line runs no monitor thread, so nothing needs stopping around the upload.
    const SendOutcome outcome = runSendingSequence(configuration.working, configuration.lastUploaded, full);
    const bool saved = outcome.saved == StorageResult::Ok;
    if (!saved)
        err() << "The configuration could not be saved: cannot write " << outcome.unsavedPath << ".\n";
    if (outcome.result != 0) {
        err() << sendingMessage(outcome) << " (transport result " << int(outcome.result) << ")\n";
        return exitCodeForResult(outcome.result);
    }
    if (outcome.sentFlags == ChangeFlag::None)
        out() << kNothingSent;
    else if (saved)
        out() << kSent;
    else
        out() << "Configuration sent, but not saved.\n";
    return saved ? kExitOk : kExitCannotWrite;
}

int sendThroughWindow(WindowLink& window, const char* method, const QVariantList& arguments, bool full)
{
    if (full) {
        if (const int refused = window.call(MouseBus::kRequestFullUpload, {}, kExitCannotWrite))
            return refused;
    }
    QVariantList values;
    if (const int failed = window.call(method, arguments, kExitNotConfirmed, &values))
        return failed;
    const bool sent = !values.isEmpty() && values.first().toBool();
    for (const QString& note : values.value(1).toStringList())
        err() << note << '\n';
    out() << (sent ? kSent : kNothingSent);
    return kExitOk;
}
