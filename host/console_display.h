// Status texts and the progress bar, shown on the console's error stream so that the
// output of a scripted run stays clean.
#pragma once

#include <string>

void ShowStatus(const std::string &text);
// (0, 0) clears the bar.
void ShowProgress(int position, int total);
