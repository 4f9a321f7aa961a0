#include "divination/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "common/gbk.h"

namespace qk::divination {
namespace {

std::string Reason(int error) {
  switch (error) {
    case EACCES:
    case EPERM: return "没有写入权限";
    case ENOENT:
    case ENOTDIR: return "文件夹不存在";
    case ENOSPC:
    case EDQUOT: return "磁盘空间不足";
    case EROFS: return "磁盘为只读";
    case EISDIR: return "该名称是一个文件夹";
    case ENAMETOOLONG: return "文件名太长";
    default: return "系统错误 " + std::to_string(error);
  }
}

std::string Failure(const std::filesystem::path& path, int error) {
  return "保存失败：无法写入文件“" + path.string() + "”（" + Reason(error) + "）。";
}

// Permissions a new file would get from the process umask; an existing file
// keeps its own.
mode_t ModeFor(const std::filesystem::path& path) {
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::string SaveNameWithTxt(const std::string& chosen) { return chosen + ".txt"; }

SaveResult SaveLinesAsGbk(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  std::string utf8;
  for (const auto& line : lines) utf8 += line + "\r\n";
  const auto gbk = Utf8ToGbk(utf8);
  if (!gbk) return {false, "保存失败：文本中含有无法以GBK编码保存的字符。"};

  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return {false, Failure(path, EISDIR)};

  std::string temp = (path.parent_path() / ("." + path.filename().string() + ".XXXXXX")).string();
  if (path.parent_path().empty()) temp = "." + path.filename().string() + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return {false, Failure(path, errno)};

  const bool written = WriteAll(fd, *gbk) && ::fchmod(fd, ModeFor(path)) == 0 && ::fsync(fd) == 0;
  const int writeError = errno;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    const int error = written ? errno : writeError;
    ::unlink(temp.c_str());
    return {false, Failure(path, error)};
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    return {false, Failure(path, error)};
  }
  return {true, {}};
}

}  // namespace qk::divination
