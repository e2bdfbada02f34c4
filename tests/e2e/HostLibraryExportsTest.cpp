// The stand-in host's libraries export their C entry points and the factories of their
// objects, and nothing of their insides (they are built with hidden visibility).
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

namespace {

// The library loaded for one test and unloaded afterwards.
class TLoadedLibrary {
public:
  explicit TLoadedLibrary(const std::string& path)
      : FHandle(::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {}
  TLoadedLibrary(const TLoadedLibrary&) = delete;
  TLoadedLibrary& operator=(const TLoadedLibrary&) = delete;
  ~TLoadedLibrary() {
    if (FHandle) ::dlclose(FHandle);
  }
  bool Loaded() const { return FHandle != nullptr; }
  bool Exports(const char* name) const { return ::dlsym(FHandle, name) != nullptr; }

private:
  void* FHandle;
};

TEST(HostLibraryExports, EntryPointsAreExportedAndInternalsAreNot) {
  struct TCase {
    const char* Library;
    const char* Name;
    bool Exported;
  };
  const TCase cases[] = {
      {"libkelvane.so", "PcbApi_GetCurrentBoardHandle", true},
      {"libkelvane.so", "PcbApi_GetBoardHandleFromFileName", true},
      {"libkelvane.so", "PcbApi_Percent_Init", true},
      {"libkelvane.so", "PcbApi_Percent_Update", true},
      {"libkelvane.so", "PcbApi_Percent_Finish", true},
      {"libkelvane.so", "Kelvane_StartPcbServer", true},
      {"libkelvane.so", "Kelvane_SetProgressSink", true},
      {"libkelvane.so", "_ZN7standin12NewPcbHandleEv", false},
      {"libkelvane.so", "_Z15ParseParametersSt17basic_string_viewIcSt11char_traitsIcEE", false},
      {"libpcbclient.so", "ClientAPI_ExistSpecific", true},
      {"libpcbclient.so", "ClientAPI_ExtractFileNameFromPath", true},
      {"libpcbclient.so", "ClientAPI_ExtractWholeFileNameFromPath", true},
      {"libpcbclient.so", "ClientAPI_ForceFileNameExtension", true},
      {"libpcbclient.so", "_ZN7standin15CreatePcbClientEv", true},
      {"libpcbclient.so", "_ZN7standin14FileNameOfPathESt17basic_string_viewIcSt11char_traitsIcEE",
       false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Library) + " " + c.Name);
    const TLoadedLibrary library(std::string(BIN_DIR) + "/" + c.Library);
    ASSERT_TRUE(library.Loaded()) << ::dlerror();
    EXPECT_EQ(library.Exports(c.Name), c.Exported);
  }
}

}  // namespace
