#include "host/host_run.h"

#include "host/config_file.h"
#include "host/console_display.h"
#include "host/dialog_driver.h"
#include "host/gif_writer.h"
#include "host/host_services.h"
#include "host/host_window.h"
#include "host/plugin_library.h"
#include "host/png_writer.h"

#include <objbase.h>

#include <cstdio>

namespace
{

int Fail(int code, const std::string &message)
{
    std::fprintf(stderr, "zxhost: %s\n", message.c_str());
    return code;
}

// Keeps COM initialised on this thread for the imaging component.
class ComApartment
{
public:
    ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment()
    {
        if (initialised_)
            CoUninitialize();
    }
    ComApartment(const ComApartment &) = delete;
    ComApartment &operator=(const ComApartment &) = delete;

private:
    bool initialised_;
};

bool WriteDocument(const HostOptions &options, const Document &document, std::string &error)
{
    if (document.frames.empty()) {
        error = "the document has no frames to write";
        return false;
    }
    const bool milliseconds = !(options.flags & kHostFlagGifType);
    if (HasExtension(options.out, ".gif"))
        return WriteGif(document, milliseconds, options.out, error);
    return WriteApng(document, milliseconds, options.out, error);
}

// The exit code from what the plug-in did with its document.
int Outcome(const HostOptions &options, const HostSession &session)
{
    const Document &document = session.document;
    switch (document.state) {
    case DocumentState::Open:
        return Fail(kExitBuildFailed, "the plug-in left its document unfinished");
    case DocumentState::Abandoned:
        return Fail(kExitBuildFailed, "the plug-in abandoned its document");
    case DocumentState::Committed: {
        std::string error;
        if (!options.out.empty() && !WriteDocument(options, document, error))
            return Fail(kExitBuildFailed, error);
        return kExitDone;
    }
    case DocumentState::None:
        break;
    }
    if (session.refusedTask)
        return Fail(kExitBuildFailed, "the new document was refused");
    if (options.press == PressButton::Build)
        return Fail(kExitBuildFailed, "the plug-in committed no document");
    return kExitDone;
}

// Runs the plug-in's dialog, driven unless the user is to work it; error: why the
// screenshot could not be saved.
void RunDialog(const PluginLibrary &plugin, HostWindow &window, const HostSession &session,
               std::string &error)
{
    const HostOptions &options = session.options;
    DialogDriver driver(window.get(), options.press, options.screenshot, !session.interactive,
                        session.log);
    window.Attach(&driver);
    HostRecord record{};
    record.size = sizeof(record);
    record.version = kRecordVersion;
    record.service = options.noCallback ? nullptr : HostServiceCallback;
    record.flags = static_cast<uint8_t>(options.flags);
    plugin.DoBuild(window.get(), &record);
    ShowProgress(0, 0); // a bar the plug-in left behind
    window.Attach(nullptr);
    error = driver.Error();
}

} // namespace

int RunHost(const HostOptions &options)
{
    ServiceLog log;
    if (!options.log.empty() && !log.Open(options.log))
        return Fail(kExitUsage, "cannot write the log " + options.log);
    PluginLibrary plugin;
    std::string error;
    if (!plugin.Load(options.plugin.empty() ? DefaultPluginPath() : options.plugin, error))
        return Fail(kExitNoPlugin, error);
    if (options.info) {
        std::printf("%s\n", plugin.Name().c_str());
        return kExitDone;
    }
    if (!EditConfigFile(options.fresh, options.settings, error))
        return Fail(kExitBuildFailed, error);

    ComApartment com;
    HostWindow window;
    if (!window.get())
        return Fail(kExitBuildFailed, "cannot create the host window");
    HostSession session(options, log);
    session.interactive = options.interactive || options.press == PressButton::None;
    session.window = window.get();
    session.pluginFolder = plugin.Folder();
    ServeSession(&session);
    RunDialog(plugin, window, session, error);
    ServeSession(nullptr);
    const int code = Outcome(options, session);
    if (!error.empty())
        return Fail(kExitBuildFailed, error);
    return code;
}
