#include "platform/win/SharedMemory.h"
#include "support/TestPrinters.h"

#include <cstring>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// A name of this test process alone, so that parallel runs never meet.
QString BlockName(const char *what)
{
    return QStringLiteral("HalvernSharedMemoryTest_%1_%2").arg(getpid()).arg(QLatin1StringView(what));
}

} // namespace

TEST(TSharedMemory, AnOpenedBlockSeesWhatTheHostWrote)
{
    auto host = TSharedMemory::Create(BlockName("seen"), 4096);
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->Size(), 4096);
    EXPECT_EQ(host->Data()[0], 0) << "a new block starts zeroed";
    std::memcpy(host->Data(), "ABCD", 5);

    auto module = TSharedMemory::Open(BlockName("seen"));
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(module->Size(), 4096) << "the module maps the whole object";
    EXPECT_STREQ(module->Data(), "ABCD");

    module->Data()[1] = 'x';
    EXPECT_EQ(host->Data()[1], 'x') << "both map the same memory";
}

TEST(TSharedMemory, OpenGivesNothingWhenNoHostCreatedTheBlock)
{
    EXPECT_EQ(TSharedMemory::Open(BlockName("none")), nullptr);
}

TEST(TSharedMemory, TheNameGoesWithTheHostsBlockWhileAnOpenMappingStays)
{
    auto host = TSharedMemory::Create(BlockName("gone"), 16);
    ASSERT_NE(host, nullptr);
    std::memcpy(host->Data(), "OK", 3);
    auto module = TSharedMemory::Open(BlockName("gone"));
    ASSERT_NE(module, nullptr);

    host.reset();
    EXPECT_EQ(TSharedMemory::Open(BlockName("gone")), nullptr);
    EXPECT_STREQ(module->Data(), "OK");
}

TEST(TSharedMemory, CreateRefusesAnEmptyBlock)
{
    EXPECT_EQ(TSharedMemory::Create(BlockName("empty"), 0), nullptr);
    EXPECT_EQ(TSharedMemory::Open(BlockName("empty")), nullptr) << "a failed create leaves no name behind";
}
