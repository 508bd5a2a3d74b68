#include "frame/host_records.h"
#include "frame/plugin_entry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{

// The host sizes the record; bytes past that size belong to someone else.
TEST(PluginInfo, NeverWritesPastTheSizeTheHostGave)
{
    for (int size : {4, 8, 9, 12, 268, 269, 270, 280, 400}) {
        SCOPED_TRACE(size);
        std::vector<char> block(size + 64, '\x5A');
        reinterpret_cast<PluginInfo *>(block.data())->size = size;

        EXPECT_EQ(1, FillPluginInfo(reinterpret_cast<PluginInfo *>(block.data())));

        const PluginInfo *info = reinterpret_cast<const PluginInfo *>(block.data());
        EXPECT_EQ(size, info->size);
        for (size_t i = size; i < block.size(); i++)
            ASSERT_EQ('\x5A', block[i]) << "byte " << i;
        if (size >= 8) {
            EXPECT_EQ(kRecordVersion, info->version);
        }
        if (size > 8) {
            EXPECT_EQ(std::string("Zentrix #1").substr(0, size - 9), info->name);
        }
    }
}

TEST(PluginInfo, FullRecordCarriesNameAndCredit)
{
    std::vector<char> block(600, '\x5A');
    PluginInfo *info = reinterpret_cast<PluginInfo *>(block.data());
    info->size = static_cast<int32_t>(block.size());
    FillPluginInfo(info);
    EXPECT_STREQ("Zentrix #1", info->name);
    EXPECT_EQ(0, std::strncmp(block.data() + kPluginInfoCreditOffset, "Zentrix #1 Plugin", 17));
    EXPECT_EQ('\0', block[sizeof(PluginInfo) - 1]); // the name field is zeroed to its end
}

// The built DLL, loaded the way a host loads it.
TEST(PluginDll, ExportsItsEntryPointsByPlainName)
{
    HMODULE dll = LoadLibraryA("zxfxplg1.dll");
    ASSERT_NE(nullptr, dll);
    typedef int(WINAPI * GetParams)(PluginInfo *, void *);
    auto getParams = reinterpret_cast<GetParams>(
        reinterpret_cast<void *>(GetProcAddress(dll, "PLUGINGetPluginParams")));
    ASSERT_NE(nullptr, getParams);
    EXPECT_NE(nullptr, GetProcAddress(dll, "PLUGINDoBuild"));
    EXPECT_NE(nullptr, GetProcAddress(dll, "DllEntryPoint"));

    std::vector<char> block(400);
    PluginInfo *info = reinterpret_cast<PluginInfo *>(block.data());
    info->size = 400;
    EXPECT_EQ(1, getParams(info, nullptr));
    EXPECT_STREQ("Zentrix #1", info->name);
    EXPECT_EQ(kRecordVersion, info->version);
    FreeLibrary(dll);
}

} // namespace
