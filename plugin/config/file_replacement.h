// Replaces a file only once its new content is completely on disk, so that a failure half way
// (a full disk, a crash) leaves the old file as it was.
#pragma once

#include <cstdio>
#include <string>

// Writes the content into a new file beside path and moves it over path when the writer and
// the file system both succeeded; otherwise removes the new file. Returns true on success.
bool ReplaceFileWith(const std::string &path, bool (*writeContent)(FILE *file));
