#include "divination/text_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/gbk.h"

namespace qk::divination {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class SaveText : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qk_save_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::size_t FileCount() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }
  fs::path dir_;
};

TEST(SaveName, TxtIsAlwaysAppended) {
  EXPECT_EQ(SaveNameWithTxt("金钱卦"), "金钱卦.txt");
  EXPECT_EQ(SaveNameWithTxt("卦.txt"), "卦.txt.txt");
}

TEST_F(SaveText, WritesGbkWithCrLfAfterEveryLineAndNoByteOrderMark) {
  const fs::path path = dir_ / "卦.txt";
  const SaveResult result = SaveLinesAsGbk(path, {"第17卦 泽雷随", "", "【象曰】泽中有雷"});
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(ReadBytes(path), *Utf8ToGbk("第17卦 泽雷随\r\n\r\n【象曰】泽中有雷\r\n"));
  EXPECT_EQ(FileCount(), 1u);  // no temporary file left behind
}

TEST_F(SaveText, ReplacesAnExistingFileWhole) {
  const fs::path path = dir_ / "old.txt";
  std::ofstream(path) << std::string(500, 'x');
  ASSERT_TRUE(SaveLinesAsGbk(path, {"乾"}).ok);
  EXPECT_EQ(ReadBytes(path), *Utf8ToGbk("乾\r\n"));
}

TEST_F(SaveText, FailuresSayWhyAndWriteNothing) {
  const struct {
    const char* name;
    fs::path path;
    std::vector<std::string> lines;
    const char* says;
  } cases[] = {
      {"missing folder", dir_ / "no" / "卦.txt", {"乾"}, "文件夹不存在"},
      {"name of a folder", dir_, {"乾"}, "文件夹"},
      {"text outside GBK", dir_ / "卦.txt", {"乾 \xF0\x9F\x98\x80"}, "GBK"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const SaveResult result = SaveLinesAsGbk(c.path, c.lines);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("保存失败"), std::string::npos);
    EXPECT_NE(result.message.find(c.says), std::string::npos) << result.message;
    EXPECT_EQ(FileCount(), 0u);
  }
}

}  // namespace
}  // namespace qk::divination
