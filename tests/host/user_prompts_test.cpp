#include "host/user_prompts.h"

#include <gtest/gtest.h>

namespace
{

// The plug-in names the help document; a name that leaves the plug-in's folder, or a
// document that is not there, is refused before anything is opened.
TEST(HelpDocument, RefusesNamesOutsideThePluginFolderAndMissingDocuments)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const struct {
        const char *topic;
        const char *error;
    } cases[] = {
        {"..\\secret.html#a", "the help document must be a file name beside the plug-in"},
        {"C:zx.html", "the help document must be a file name beside the plug-in"},
        {"#MainDialog", "the help document must be a file name beside the plug-in"},
        {"..", "no help document .. in "},
        {"ZXFXPLG1-MISSING.HTML#a", "no help document ZXFXPLG1-MISSING.HTML in "},
    };
    for (const auto &c : cases) {
        std::string error;
        EXPECT_FALSE(ShowHelpDocument(folder, c.topic, error)) << c.topic;
        EXPECT_EQ(0u, error.find(c.error)) << error;
    }
}

} // namespace
