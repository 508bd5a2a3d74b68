#include "host/output_file.h"

#include <windows.h>

namespace
{

// Closes a file handle on scope exit.
class FileHandle
{
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    FileHandle(const FileHandle &) = delete;
    FileHandle &operator=(const FileHandle &) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

bool WriteAll(const std::string &path, const std::vector<uint8_t> &bytes)
{
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    return WriteFile(file.get(), bytes.data(), bytes.size(), &written, nullptr) &&
           written == bytes.size();
}

} // namespace

bool WriteWholeFile(const std::string &path, const std::vector<uint8_t> &bytes, std::string &error)
{
    const std::string temporary = path + ".part";
    if (!WriteAll(temporary, bytes) ||
        !MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileA(temporary.c_str());
        error = "cannot write " + path;
        return false;
    }
    return true;
}
