// Runs the scenarios; a scenario that fails leaves a picture of the screen in the build folder,
// taken while its windows are still up.
#include "e2e/driver.h"

#include <gtest/gtest.h>

namespace {

class ScreenshotOnFailure : public ::testing::EmptyTestEventListener {
  void OnTestPartResult(const ::testing::TestPartResult& result) override {
    if (!result.failed() || taken_) return;
    taken_ = true;  // the first failure shows the screen as it went wrong
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    if (!info) return;
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    const std::wstring folder = e2e::driverFolder() + L"\\e2e-screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring path = folder + L"\\" + std::wstring(name.begin(), name.end()) + L".bmp";
    if (e2e::saveScreenshot(path)) printf("screenshot: build/windows/e2e-screenshots/%s.bmp\n", name.c_str());
  }
  void OnTestStart(const ::testing::TestInfo&) override { taken_ = false; }
  bool taken_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new ScreenshotOnFailure);
  return RUN_ALL_TESTS();
}
