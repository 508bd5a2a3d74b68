#include "ui/help.h"

#include "frame/plugin_instance.h"
#include "frame/plugin_messages.h"

#include <string>

const char kHelpDocument[] = "ZXFXPLG1.HTML";
const char kHelpFailedMessage[] = "There has been an error displaying the Help document.";

int ShowHelp(HWND owner, const char *anchor)
{
    std::string topic = kHelpDocument;
    if (anchor && *anchor)
        topic.append("#").append(anchor);
    const bool shown = g_hostRecord && g_hostRecord->service &&
                       g_hostRecord->service(nullptr, HOST_SHOW_HELP, 0, &topic[0]);
    if (!shown)
        ShowMessage(owner, kHelpFailedMessage);
    return 1;
}
