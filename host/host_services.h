// The host's side of the service callback: every operation the plug-in may call, honoured
// with the records read at their fixed offsets, and logged one line per call.
#pragma once

#include "frame/host_records.h"
#include "host/command_line.h"
#include "host/document.h"
#include "host/service_log.h"

#include <string>

// Everything one run of the plug-in shares with the callback, which carries no context of
// its own.
struct HostSession {
    HostSession(const HostOptions &options, ServiceLog &log) : options(options), log(log) {}

    // Counts a call of the operation and says whether --fail refuses it.
    bool ShouldFail(FailOperation operation);

    const HostOptions &options;
    ServiceLog &log;
    bool interactive = false; // the user answers the choosers and sees the help
    HWND window = nullptr;    // the host's main window, owner of its own dialogs
    std::string pluginFolder; // where the plug-in's help document lives
    Document document;
    const TaskRecord *openTask = nullptr; // the plug-in's record of the open document
    bool refusedTask = false;             // a new document was refused
    int calls[kFailOperations] = {};      // calls so far per FailOperation
};

// Makes session the one the callback serves (null: none).
void ServeSession(HostSession *session);
int __cdecl HostServiceCallback(void *task, int operation, int value, void *data);
