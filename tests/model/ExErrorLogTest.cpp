#include "ExErrorLog.h"
#include "ExException.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

class ExErrorLogTest : public ::testing::Test {
protected:
    ExErrorLogTest() {
        m_folder = fs::temp_directory_path() /
                   ("qp-log-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    ~ExErrorLogTest() override {
        exlog::Stop();
        fs::remove_all(m_folder);
    }

    void WriteOldLog(const std::string& text) {
        std::ofstream(m_folder / exlog::kLogName, std::ios::binary) << text;
    }
    std::string Read(const char* name) const {
        std::ifstream in(m_folder / name, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool Start() { return exlog::Start(m_folder, exlog::kLogName, exlog::kTitle, m_now); }

    fs::path m_folder;
    // 2026-12-07 03:04:05 UTC, shown as Japan Standard Time.
    std::chrono::system_clock::time_point m_now =
        std::chrono::sys_days{std::chrono::year{2026} / 12 / 7} + std::chrono::hours{3} +
        std::chrono::minutes{4} + std::chrono::seconds{5};
};

TEST_F(ExErrorLogTest, FirstStartWritesOnlyTheTitleAndNoHistory) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(Read(exlog::kLogName), "QUILLPLAN - Exception Report\n");
    EXPECT_FALSE(fs::exists(m_folder / exlog::kHistoryName));
}

TEST_F(ExErrorLogTest, TitleOnlyLogAddsNothingToTheHistory) {
    WriteOldLog("QUILLPLAN - Exception Report\n");
    ASSERT_TRUE(Start());
    EXPECT_FALSE(fs::exists(m_folder / exlog::kHistoryName));
}

TEST_F(ExErrorLogTest, OldErrorLinesAreAppendedUnderATimeHeader) {
    std::ofstream(m_folder / exlog::kHistoryName, std::ios::binary) << "earlier\n";
    WriteOldLog("QUILLPLAN - Exception Report\none\ntwo\nthree\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(Read(exlog::kHistoryName),
              "earlier\n<< LOGING TIME : 2026/12/07 12:04:05 >>\none\ntwo\nthree\n");
    EXPECT_EQ(Read(exlog::kLogName), "QUILLPLAN - Exception Report\n");
}

TEST_F(ExErrorLogTest, ExceptionPassingThroughHandlersLeavesAChain) {
    ASSERT_TRUE(Start());
    CExException exception("Module.cpp", 120);
    exception.Log("Module.cpp", 130);
    exception.Log("Module.cpp", 140);
    EXPECT_EQ(Read(exlog::kLogName), "QUILLPLAN - Exception Report\n"
                                     "1st Exception:  Module.cpp - 120 \n"
                                     " ->:Module.cpp - 130 \n");
}

TEST_F(ExErrorLogTest, UnexpectedFailuresShowTheMessageAndAreLogged) {
    RecordingServices services;
    ASSERT_TRUE(Start());
    try {
        throw 42;
    } catch (...) {
        ReportCaughtException();
    }
    ASSERT_EQ(services.Messages().size(), 1u);
    EXPECT_EQ(services.Messages()[0].text, "予期せぬエラーが発生しました。");
    EXPECT_NE(Read(exlog::kLogName).find("1st Exception:  ExErrorLogTest.cpp - "),
              std::string::npos);
}

TEST_F(ExErrorLogTest, ApplicationExceptionsAreLoggedWithoutAMessage) {
    RecordingServices services;
    ASSERT_TRUE(Start());
    try {
        throw CExException("Raiser.cpp", 7);
    } catch (...) {
        ReportCaughtException();
    }
    EXPECT_TRUE(services.Messages().empty());
    EXPECT_EQ(Read(exlog::kLogName),
              "QUILLPLAN - Exception Report\n1st Exception:  Raiser.cpp - 7 \n");
}

TEST_F(ExErrorLogTest, LogThatCannotBeOpenedIgnoresWrites) {
    fs::create_directories(m_folder / exlog::kLogName / "blocked");
    EXPECT_FALSE(Start());
    exlog::WriteLine("ignored");
    CExException("Module.cpp", 1).Log("Module.cpp", 2);
}

} // namespace
