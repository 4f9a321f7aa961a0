#pragma once
// Runs the built qiankun-cli (QIANKUN_CLI_PATH) with arguments and optional
// standard input, and collects its output and exit code.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace qk::test {

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

inline std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs `program` with arguments, standard input and working directory; a run
// that takes longer than 60 s is killed.
inline CliRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input = {}, const std::string& workingDirectory = {}) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("qkcli_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path in = dir / "in", out = dir / "out", err = dir / "err";
  std::ofstream(in, std::ios::binary) << input;
  std::fflush(nullptr);  // the child must not repeat our buffered output
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (!workingDirectory.empty() && ::chdir(workingDirectory.c_str()) != 0) _exit(127);
    std::freopen(in.c_str(), "rb", stdin);
    std::freopen(out.c_str(), "wb", stdout);
    std::freopen(err.c_str(), "wb", stderr);
    ::alarm(60);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    std::vector<std::string> copies = args;
    for (auto& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  CliRun run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  run.out = Slurp(out);
  run.err = Slurp(err);
  fs::remove_all(dir);
  return run;
}

// Runs the built qiankun-cli.
inline CliRun RunCli(const std::vector<std::string>& args, const std::string& input = {},
                     const std::string& workingDirectory = {}) {
  return RunProgram(QIANKUN_CLI_PATH, args, input, workingDirectory);
}

}  // namespace qk::test
