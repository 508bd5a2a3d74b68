// The call log: one JSON object per line (JSON Lines) for every host service call, dialog
// press and message box, so that scripts can read what crossed the host boundary.
#pragma once

#include <cstdio>
#include <string>

// Builds one JSON object field by field, in the order the fields are added.
class JsonLine
{
public:
    JsonLine &Add(const char *name, long long value);
    // Text from the plug-in is in the system's ANSI code page; the line holds UTF-8.
    JsonLine &Add(const char *name, const std::string &text);
    JsonLine &Add(const char *name, const char *text) { return Add(name, std::string(text)); }
    JsonLine &AddNull(const char *name);
    JsonLine &AddObject(const char *name, const JsonLine &object);
    std::string Text() const { return "{" + body_ + "}"; }

private:
    void AddName(const char *name);
    std::string body_;
};

std::string JsonEscape(const std::string &ansiText);

// Appends lines to the log file given on the command line; without one it writes nothing.
class ServiceLog
{
public:
    ServiceLog() = default;
    ~ServiceLog();
    ServiceLog(const ServiceLog &) = delete;
    ServiceLog &operator=(const ServiceLog &) = delete;

    // Creates (or empties) the file; false when it cannot be written.
    bool Open(const std::string &path);
    void Write(const JsonLine &line);

private:
    FILE *file_ = nullptr;
};
