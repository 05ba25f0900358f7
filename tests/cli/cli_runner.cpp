#include "cli_runner.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "support/temp_folder.h"

namespace kirvo::testing {
namespace {

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

CliResult RunCli(const std::vector<std::string>& args, const std::string& input,
                 const std::vector<std::string>& environment) {
  TempFolder folder;
  std::ofstream(folder / "in.txt", std::ios::binary) << input;
  std::string command = "KIRVO_HOME=" + Quoted(folder.path().string()) +
                        " KIRVO_STORE_DIR=" + Quoted(folder.path().string());
  for (const std::string& setting : environment) {
    const std::size_t equals = setting.find('=');
    command += " " + setting.substr(0, equals) + "=" + Quoted(setting.substr(equals + 1));
  }
  command += " " + Quoted(KIRVO_CLI_PATH);
  for (const std::string& arg : args) command += " " + Quoted(arg);
  command += " < " + Quoted((folder / "in.txt").string()) + " > " + Quoted((folder / "out.txt").string()) +
             " 2> " + Quoted((folder / "err.txt").string());
  const int status = std::system(command.c_str());
  CliResult result;
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadAll(folder / "out.txt");
  result.err = ReadAll(folder / "err.txt");
  return result;
}

}  // namespace kirvo::testing
