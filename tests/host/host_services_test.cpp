#include "host/host_services.h"

#include "imaging/packed_image.h"
#include "support/heap_census.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

namespace
{

// One host session logging into a temporary file, served by the callback.
class ServiceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char folder[MAX_PATH], path[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        GetTempFileNameA(folder, "zxl", 0, path);
        logPath_ = path;
        ASSERT_TRUE(log_.Open(logPath_));
        session_.reset(new HostSession(options_, log_));
        ServeSession(session_.get());
        task_.size = sizeof(task_);
        task_.version = kRecordVersion;
        task_.width = 4;
        task_.height = 2;
        task_.bits = 2;
        task_.frameCount = 2;
        task_.palette[3] = 255; // entry 1 is red
    }
    void TearDown() override
    {
        ServeSession(nullptr);
        DeleteFileA(logPath_.c_str());
    }

    int Call(void *task, int operation, int value, void *data)
    {
        return HostServiceCallback(task, operation, value, data);
    }

    // Adds frame `number`, an image the test frees at once as the plug-in does.
    int AddFrame(int number, int delay = 10, int width = 4)
    {
        ImageRecord record{};
        record.size = sizeof(record);
        record.version = kRecordVersion;
        record.image = CreatePackedImage(width, 2, task_.palette, 2);
        record.delay = delay;
        record.frameNumber = number;
        record.transparentIndex = -1;
        const int result = Call(&task_, HOST_ADD_IMAGE, 0, &record);
        GlobalFree(record.image);
        return result;
    }

    std::vector<std::string> LogLines()
    {
        std::ifstream in(logPath_);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    HostOptions options_;
    ServiceLog log_;
    std::string logPath_;
    std::unique_ptr<HostSession> session_;
    TaskRecord task_{};
};

TEST_F(ServiceTest, LogsEveryCallOfABuildAndKeepsItsOwnCopies)
{
    char status[] = "Remapping";
    char comment[] = "say \"hi\"\\\n";
    Call(nullptr, HOST_PROGRESS, 0, nullptr);
    Call(nullptr, HOST_SET_STATUS, 0, status);
    EXPECT_EQ(1, Call(nullptr, HOST_NEW_TASK, 0, &task_));
    EXPECT_EQ(1, AddFrame(0, 8));
    EXPECT_EQ(1, AddFrame(1, 9));
    Call(&task_, HOST_ADD_COMMENT, 0, comment);
    Call(&task_, HOST_END_TASK, 1, nullptr);

    const std::vector<std::string> expected = {
        R"({"op":"HOST_PROGRESS","position":0,"total":0,"result":1})",
        R"({"op":"HOST_SET_STATUS","text":"Remapping","result":1})",
        R"({"op":"HOST_NEW_TASK","size":1069,"version":513,"width":4,"height":2,"bits":2,)"
        R"("frames":2,"transparent":0,"result":1})",
        R"({"op":"HOST_ADD_IMAGE","frame":0,"delay":8,"transparent_flag":0,)"
        R"("transparent_index":-1,"image":{"width":4,"height":2,"bits":4},"result":1})",
        R"({"op":"HOST_ADD_IMAGE","frame":1,"delay":9,"transparent_flag":0,)"
        R"("transparent_index":-1,"image":{"width":4,"height":2,"bits":4},"result":1})",
        R"({"op":"HOST_ADD_COMMENT","text":"say \"hi\"\\\u000a","result":1})",
        R"({"op":"HOST_END_TASK","commit":1,"frames_received":2,"result":1})",
    };
    EXPECT_EQ(expected, LogLines());

    const Document &document = session_->document;
    EXPECT_EQ(DocumentState::Committed, document.state);
    ASSERT_EQ(2u, document.frames.size());
    int bits = 0;
    uint8_t palette[kPaletteBytes];
    ASSERT_TRUE(GetImageInfo(document.frames[1].image.get(), nullptr, nullptr, &bits, palette));
    EXPECT_EQ(4, bits);
    EXPECT_EQ(255, palette[3]);
}

// Calls a plug-in could make in the wrong order, or that the run was told to refuse.
TEST_F(ServiceTest, RefusesCallsOutOfOrderAndOnRequest)
{
    options_.failures.push_back({FailOperation::AddImage, 2});
    TaskRecord other = task_;
    EXPECT_EQ(0, AddFrame(0));                             // no document yet
    EXPECT_EQ(0, Call(&task_, HOST_END_TASK, 1, nullptr)); // nothing to end
    EXPECT_EQ(1, Call(nullptr, HOST_NEW_TEST_TASK, 0, &task_));
    EXPECT_EQ(0, Call(nullptr, HOST_NEW_TASK, 0, &task_)); // one document at a time
    EXPECT_EQ(0, AddFrame(1));                             // frame 0 comes first
    EXPECT_EQ(0, AddFrame(0));                             // the third add: refused by --fail
    EXPECT_EQ(0, AddFrame(0, 10, 5));                      // wider than the document
    EXPECT_EQ(1, AddFrame(0));
    EXPECT_EQ(0, Call(&other, HOST_ADD_COMMENT, 0, nullptr)); // another task record
    EXPECT_EQ(1, AddFrame(1));
    EXPECT_EQ(0, AddFrame(2)); // more than announced
    EXPECT_EQ(0, Call(nullptr, 99, 0, nullptr));

    std::vector<std::string> errors;
    for (const std::string &line : LogLines()) {
        const size_t at = line.find("\"error\":\"");
        errors.push_back(
            at == std::string::npos ? "" : line.substr(at + 9, line.find('"', at + 9) - at - 9));
    }
    const std::vector<std::string> expected = {
        "no open document",
        "no open document",
        "",
        "a document is already open",
        "frame out of order",
        "refused by --fail",
        "the image does not fit the document",
        "",
        "not the open document's task record",
        "",
        "more frames than the task announced",
        "",
    };
    EXPECT_EQ(expected, errors);
    EXPECT_EQ(R"({"op":"unknown","code":99,"value":0,"result":0})", LogLines().back());
    EXPECT_TRUE(session_->document.test);
    EXPECT_EQ(2u, session_->document.frames.size());
}

TEST_F(ServiceTest, ChoosersAnswerFromTheCommandLineOrLeaveTheValue)
{
    char buffer[MAX_PATH] = "C:\\old.wav";
    ColourRequest request{sizeof(request), kRecordVersion, nullptr, 24, 0, 0x123456, nullptr};
    EXPECT_EQ(0, Call(nullptr, HOST_CHOOSE_FILE, 0, buffer));
    EXPECT_EQ(0, Call(nullptr, HOST_CHOOSE_COLOUR, 0, &request));
    EXPECT_STREQ("C:\\old.wav", buffer);
    EXPECT_EQ(0x123456u, request.colour);

    options_.hasFile = true;
    options_.file = "Z:\\tmp\\new.wav";
    options_.hasColour = true;
    options_.colour = 255;
    EXPECT_EQ(1, Call(nullptr, HOST_CHOOSE_FILE, 0, buffer));
    EXPECT_EQ(1, Call(nullptr, HOST_CHOOSE_COLOUR, 0, &request));
    EXPECT_STREQ("Z:\\tmp\\new.wav", buffer);
    EXPECT_EQ(255u, request.colour);
    EXPECT_EQ(R"({"op":"HOST_CHOOSE_COLOUR","size":28,"version":513,"constant":24,)"
              R"("colour":1193046,"chosen":255,"result":1})",
              LogLines().back());

    options_.failures.push_back({FailOperation::ChooseColour, -1});
    EXPECT_EQ(0, Call(nullptr, HOST_CHOOSE_COLOUR, 0, &request));
}

TEST_F(ServiceTest, AbandonedDocumentKeepsNoFrames)
{
    const HeapCensus census;
    ASSERT_EQ(1, Call(nullptr, HOST_NEW_TASK, 0, &task_));
    ASSERT_EQ(1, AddFrame(0));
    Call(&task_, HOST_END_TASK, 0, nullptr);
    EXPECT_EQ(DocumentState::Abandoned, session_->document.state);
    EXPECT_TRUE(session_->document.frames.empty());
    EXPECT_EQ(0, census.Leaked());
}

} // namespace
