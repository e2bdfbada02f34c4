// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

class TTempFolder {
public:
  TTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "specctraif-XXXXXX").string();
    if (::mkdtemp(pattern.data())) FRoot = pattern;
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;
  ~TTempFolder() {
    std::error_code ignored;
    if (!FRoot.empty()) std::filesystem::remove_all(FRoot, ignored);
  }

  const std::string& Root() const { return FRoot; }
  std::string Path(std::string_view name) const { return FRoot + "/" + std::string(name); }

  // Writes the bytes to a file in the folder and answers its path.
  std::string Write(std::string_view name, std::string_view bytes) const {
    const std::string path = Path(name);
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // The names in the folder, sorted.
  std::vector<std::string> FileNames() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(FRoot))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

private:
  std::string FRoot;
};
