#include "host/host_services.h"

#include "frame/global_block.h"
#include "host/console_display.h"
#include "host/image_loader.h"
#include "host/user_prompts.h"
#include "imaging/packed_image.h"

#include <cstring>

namespace
{

HostSession *g_session = nullptr;

// Texts from the plug-in are NUL-terminated; a path buffer holds at most MAX_PATH bytes.
constexpr size_t kTextLimit = 65536;

std::string ReadText(const void *data, size_t limit = kTextLimit)
{
    const char *text = static_cast<const char *>(data);
    return text ? std::string(text, strnlen(text, limit)) : std::string();
}

int Refuse(JsonLine &line, const char *reason)
{
    line.Add("error", reason);
    return 0;
}

JsonLine ImageFields(HGLOBAL image)
{
    int width = 0, height = 0, bits = 0;
    GetImageInfo(image, &width, &height, &bits, nullptr);
    return JsonLine().Add("width", width).Add("height", height).Add("bits", bits);
}

bool ValidTask(const TaskRecord &task)
{
    const bool paletteBits = task.bits >= 1 && task.bits <= 8;
    return task.width > 0 && task.height > 0 && task.frameCount >= 0 &&
           (paletteBits || task.bits == 24 || task.bits == 32);
}

// Checks that an add, comment or end belongs to the document the plug-in opened.
const char *OpenDocumentError(const HostSession &session, const void *task)
{
    if (session.document.state != DocumentState::Open)
        return "no open document";
    if (task != session.openTask)
        return "not the open document's task record";
    return nullptr;
}

int NewTask(HostSession &session, int operation, void *, int, void *data, JsonLine &line)
{
    const TaskRecord *task = static_cast<const TaskRecord *>(data);
    if (!task)
        return Refuse(line, "no task record");
    line.Add("size", task->size)
        .Add("version", task->version)
        .Add("width", task->width)
        .Add("height", task->height)
        .Add("bits", task->bits)
        .Add("frames", task->frameCount)
        .Add("transparent", task->transparentIndex);
    session.refusedTask = true;
    if (session.ShouldFail(FailOperation::NewTask))
        return Refuse(line, "refused by --fail");
    if (session.document.state == DocumentState::Open)
        return Refuse(line, "a document is already open");
    if (!ValidTask(*task))
        return Refuse(line, "the task record describes no document");
    session.refusedTask = false;
    session.document = Document();
    session.document.state = DocumentState::Open;
    session.document.test = operation == HOST_NEW_TEST_TASK;
    session.document.task = *task;
    session.openTask = task;
    return 1;
}

// The host copies the frame: the plug-in keeps its image and frees it itself.
int AddImage(HostSession &session, int, void *task, int, void *data, JsonLine &line)
{
    const ImageRecord *record = static_cast<const ImageRecord *>(data);
    if (!record)
        return Refuse(line, "no image record");
    line.Add("frame", record->frameNumber)
        .Add("delay", record->delay)
        .Add("transparent_flag", record->transparent)
        .Add("transparent_index", record->transparentIndex);
    int width = 0, height = 0, bits = 0;
    if (GetImageInfo(record->image, &width, &height, &bits, nullptr))
        line.AddObject("image", ImageFields(record->image));
    else
        line.AddNull("image");
    if (session.ShouldFail(FailOperation::AddImage))
        return Refuse(line, "refused by --fail");
    if (const char *error = OpenDocumentError(session, task))
        return Refuse(line, error);
    Document &document = session.document;
    if (record->frameNumber != static_cast<int>(document.frames.size()))
        return Refuse(line, "frame out of order");
    if (record->frameNumber >= document.task.frameCount)
        return Refuse(line, "more frames than the task announced");
    if (bits == 0 || width > document.task.width || height > document.task.height)
        return Refuse(line, "the image does not fit the document");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return Refuse(line, "the image has an unknown depth");
    OwnedImage copy(DuplicateImage(record->image));
    if (!copy)
        return Refuse(line, "out of memory");
    document.frames.push_back(DocumentFrame{std::move(copy), record->delay,
                                            record->transparent != 0, record->transparentIndex});
    return 1;
}

int AddComment(HostSession &session, int, void *task, int, void *data, JsonLine &line)
{
    const std::string text = ReadText(data);
    line.Add("text", text);
    if (const char *error = OpenDocumentError(session, task))
        return Refuse(line, error);
    session.document.comments.push_back(text);
    return 1;
}

int EndTask(HostSession &session, int, void *task, int value, void *, JsonLine &line)
{
    line.Add("commit", value);
    if (const char *error = OpenDocumentError(session, task))
        return Refuse(line, error);
    Document &document = session.document;
    line.Add("frames_received", document.frames.size());
    document.state = value ? DocumentState::Committed : DocumentState::Abandoned;
    if (!value)
        document.frames.clear();
    session.openTask = nullptr;
    return 1;
}

int ChooseFile(HostSession &session, int, void *, int value, void *data, JsonLine &line)
{
    char *buffer = static_cast<char *>(data);
    if (!buffer)
        return Refuse(line, "no file name buffer");
    line.Add("current", ReadText(buffer, MAX_PATH));
    if (session.ShouldFail(FailOperation::ChooseFile))
        return Refuse(line, "refused by --fail");
    bool chosen = false;
    if (session.interactive) {
        chosen = AskForFile(reinterpret_cast<HWND>(value), buffer);
    } else if (session.options.hasFile) {
        lstrcpynA(buffer, session.options.file.c_str(), MAX_PATH);
        chosen = true;
    }
    if (chosen)
        line.Add("chosen", ReadText(buffer, MAX_PATH));
    return chosen;
}

// The plug-in owns the block it receives and frees it.
int LoadPicture(HostSession &session, int, void *, int, void *data, JsonLine &line)
{
    const std::string path = ReadText(data, MAX_PATH);
    line.Add("path", path);
    if (session.ShouldFail(FailOperation::LoadImage))
        return Refuse(line, "refused by --fail");
    std::string error;
    HGLOBAL image = LoadImageFile(path, error);
    if (!image)
        return Refuse(line, error.c_str());
    line.AddObject("image", ImageFields(image));
    return reinterpret_cast<int>(image);
}

int ShowHelp(HostSession &session, int, void *, int, void *data, JsonLine &line)
{
    const std::string topic = ReadText(data);
    line.Add("topic", topic);
    if (session.ShouldFail(FailOperation::ShowHelp))
        return Refuse(line, "refused by --fail");
    if (!session.interactive)
        return 1;
    std::string error;
    if (!ShowHelpDocument(session.pluginFolder, topic, error))
        return Refuse(line, error.c_str());
    return 1;
}

int SetStatus(HostSession &, int, void *, int, void *data, JsonLine &line)
{
    const std::string text = ReadText(data);
    line.Add("text", text);
    ShowStatus(text);
    return 1;
}

int ChooseColour(HostSession &session, int, void *, int, void *data, JsonLine &line)
{
    ColourRequest *request = static_cast<ColourRequest *>(data);
    if (!request)
        return Refuse(line, "no colour request");
    line.Add("size", request->size)
        .Add("version", request->version)
        .Add("constant", request->constant24)
        .Add("colour", request->colour);
    if (session.ShouldFail(FailOperation::ChooseColour))
        return Refuse(line, "refused by --fail");
    bool chosen = false;
    if (session.interactive) {
        chosen = AskForColour(session.window, *request);
    } else if (session.options.hasColour) {
        request->colour = session.options.colour;
        chosen = true;
    }
    if (chosen)
        line.Add("chosen", request->colour);
    return chosen;
}

int Progress(HostSession &, int, void *, int value, void *data, JsonLine &line)
{
    const int total = reinterpret_cast<int>(data);
    line.Add("position", value).Add("total", total);
    ShowProgress(value, total);
    return 1;
}

struct ServiceRow {
    int operation;
    const char *name;
    int (*serve)(HostSession &, int operation, void *task, int value, void *data, JsonLine &);
};

const ServiceRow kServices[] = {
    {HOST_NEW_TASK, "HOST_NEW_TASK", NewTask},
    {HOST_ADD_IMAGE, "HOST_ADD_IMAGE", AddImage},
    {HOST_ADD_COMMENT, "HOST_ADD_COMMENT", AddComment},
    {HOST_END_TASK, "HOST_END_TASK", EndTask},
    {HOST_NEW_TEST_TASK, "HOST_NEW_TEST_TASK", NewTask},
    {HOST_CHOOSE_FILE, "HOST_CHOOSE_FILE", ChooseFile},
    {HOST_LOAD_IMAGE, "HOST_LOAD_IMAGE", LoadPicture},
    {HOST_SHOW_HELP, "HOST_SHOW_HELP", ShowHelp},
    {HOST_SET_STATUS, "HOST_SET_STATUS", SetStatus},
    {HOST_CHOOSE_COLOUR, "HOST_CHOOSE_COLOUR", ChooseColour},
    {HOST_PROGRESS, "HOST_PROGRESS", Progress},
};

} // namespace

bool HostSession::ShouldFail(FailOperation operation)
{
    const int call = calls[static_cast<int>(operation)]++;
    for (const FailRule &rule : options.failures)
        if (rule.operation == operation && (rule.call == -1 || rule.call == call))
            return true;
    return false;
}

void ServeSession(HostSession *session)
{
    g_session = session;
}

int __cdecl HostServiceCallback(void *task, int operation, int value, void *data)
{
    if (!g_session)
        return 0;
    for (const ServiceRow &row : kServices) {
        if (row.operation == operation) {
            JsonLine line;
            line.Add("op", row.name);
            const int result = row.serve(*g_session, operation, task, value, data, line);
            line.Add("result", result != 0);
            g_session->log.Write(line);
            return result;
        }
    }
    g_session->log.Write(JsonLine()
                             .Add("op", "unknown")
                             .Add("code", operation)
                             .Add("value", value)
                             .Add("result", false));
    return 0;
}
