#include "performance_page.h"

#include <cstdio>

#include "machine/not_stored.h"
#include "scenario.h"

namespace e2e {

void ExpectApplyCannotStore(PerformanceRun& run, const char* cause) {
  ASSERT_TRUE(ClickButton(run.page, IDC_D3D_DISABLE_VSYNC));
  ASSERT_TRUE(FocusAndPressButton(run.page, IDC_PERF_APPLY));
  ExpectMessageAndPressOk(
      run.program, std::string(settings::kNotStoredStart) +
                       "the Performance page's settings for 3Dfx Voodoo "
                       "Banshee.\n\n" +
                       cause + "\n\n" + settings::kPageKeepsChoices);
  EXPECT_TRUE(IsEnabled(run.page, IDC_PERF_APPLY));
  EXPECT_TRUE(IsEnabled(run.page, IDC_PERF_RESET));
  EXPECT_TRUE(Unload(run.program, run.sheet));
}

FileBytes ReadFileBytes(const std::string& path) {
  FileBytes file;
  std::FILE* stream = std::fopen(path.c_str(), "rb");
  if (stream == nullptr) return file;
  file.exists = true;
  for (int c; (c = std::fgetc(stream)) != EOF;)
    file.bytes += static_cast<char>(c);
  std::fclose(stream);
  return file;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::FILE* stream = std::fopen(path.c_str(), "wb");
  if (stream == nullptr) return;
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fclose(stream);
}

void RemoveStartupFiles() {
  for (const std::string& path : {kStartupFile, kStartupCopy, kSplashBatch}) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
  }
}

}  // namespace e2e
