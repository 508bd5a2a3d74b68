#include "host/service_log.h"

#include <windows.h>

#include <vector>

namespace
{

std::string AnsiToUtf8(const std::string &text)
{
    if (text.empty())
        return text;
    const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), text.size(), nullptr, 0);
    std::vector<wchar_t> buffer(wide);
    MultiByteToWideChar(CP_ACP, 0, text.data(), text.size(), buffer.data(), wide);
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, buffer.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string result(bytes, '\0');
    WideCharToMultiByte(CP_UTF8, 0, buffer.data(), wide, &result[0], bytes, nullptr, nullptr);
    return result;
}

} // namespace

std::string JsonEscape(const std::string &ansiText)
{
    std::string result;
    for (const char c : AnsiToUtf8(ansiText)) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            result += '\\';
            result += c;
        } else if (byte < 0x20) {
            char escape[8];
            wsprintfA(escape, "\\u%04x", byte);
            result += escape;
        } else {
            result += c;
        }
    }
    return result;
}

void JsonLine::AddName(const char *name)
{
    if (!body_.empty())
        body_ += ',';
    body_ += '"';
    body_ += name;
    body_ += "\":";
}

JsonLine &JsonLine::Add(const char *name, long long value)
{
    AddName(name);
    body_ += std::to_string(value);
    return *this;
}

JsonLine &JsonLine::Add(const char *name, const std::string &text)
{
    AddName(name);
    body_ += '"' + JsonEscape(text) + '"';
    return *this;
}

JsonLine &JsonLine::AddNull(const char *name)
{
    AddName(name);
    body_ += "null";
    return *this;
}

JsonLine &JsonLine::AddObject(const char *name, const JsonLine &object)
{
    AddName(name);
    body_ += object.Text();
    return *this;
}

ServiceLog::~ServiceLog()
{
    if (file_)
        fclose(file_);
}

bool ServiceLog::Open(const std::string &path)
{
    file_ = fopen(path.c_str(), "wb");
    return file_ != nullptr;
}

void ServiceLog::Write(const JsonLine &line)
{
    if (!file_)
        return;
    fputs(line.Text().c_str(), file_);
    fputc('\n', file_);
    fflush(file_); // a run the user kills keeps every call made so far
}
