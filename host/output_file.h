// Writes a whole file or nothing: the bytes go to a temporary file beside the target, which
// replaces the target only once every byte is on disk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

bool WriteWholeFile(const std::string &path, const std::vector<uint8_t> &bytes, std::string &error);
