// Answers every message box the code under test shows on this thread with OK, and keeps
// their captions and texts.
#pragma once

#include <string>
#include <vector>

struct ShownMessage {
    std::string caption;
    std::string text;
};

class MessageBoxRecorder
{
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder &) = delete;
    MessageBoxRecorder &operator=(const MessageBoxRecorder &) = delete;

    const std::vector<ShownMessage> &Shown() const;
    // The texts alone, in order.
    std::vector<std::string> Texts() const;
};
