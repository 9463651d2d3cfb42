#pragma once
// A fresh folder under the system's temporary folder, removed with its content at the end.
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

class TempDir {
public:
  TempDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("vudi-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() { std::error_code ec; std::filesystem::remove_all(path_, ec); }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}
