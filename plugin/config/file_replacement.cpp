#include "config/file_replacement.h"

#include <windows.h>

bool ReplaceFileWith(const std::string &path, bool (*writeContent)(FILE *file))
{
    const std::string newPath = path + ".new";
    FILE *file = std::fopen(newPath.c_str(), "wt");
    if (!file)
        return false;
    bool written = writeContent(file);
    written = std::fflush(file) == 0 && !std::ferror(file) && written;
    written = std::fclose(file) == 0 && written;
    if (written && MoveFileExA(newPath.c_str(), path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(newPath.c_str());
    return false;
}
