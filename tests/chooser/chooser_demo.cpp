// Shows the "Open Multiple Files" chooser over a device holding the sample
// lessons in its documents folder, a subfolder and a storage card, for a
// person to look at (scripts/screenshot.sh).
#include <windows.h>

#include <string>

#include "chooser/file_chooser.h"
#include "chooser/device_layer_files.h"
#include "device/device_storage.h"
#include "temp_device_root.h"
#include "win32_test_support.h"

namespace {

std::string readSample(const char* name) {
  const std::string path = std::string(MORVANE_SOURCE_DIR) + "/samples/" + name;
  return quillmark::fakes::TempFolder::readFile(std::wstring(path.begin(), path.end()));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  morvane::fakes::TempDeviceRoot device;
  device.addFile(L"\\My Documents\\everyday.gb", readSample("everyday.gb"));
  device.addFile(L"\\My Documents\\everyday.b5", readSample("everyday.b5"));
  device.addFile(L"\\My Documents\\Lessons\\greetings.gb", readSample("everyday.gb"));
  device.addFile(L"\\My Documents\\Lessons\\numbers.gb", readSample("everyday.gb"));
  device.addFile(L"\\Storage Card\\My Documents\\travel.gb", readSample("everyday.gb"));
  device.addFile(L"\\Storage Card\\My Documents\\HSK Level 1\\hsk1-verbs.gb",
                 readSample("everyday.gb"));
  morvane::device::setDeviceRoot(device.root());
  morvane::DeviceLayerFiles files;

  // A handheld-sized owner to centre over.
  HWND owner = CreateWindowExW(0, L"static", L"MorvaneCHS", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE,
                               100, 100, 240, 320, nullptr, nullptr, instance, nullptr);
  morvane::FileChooser chooser(std::nullopt, L"*.gb", morvane::multiOpenFileTypes(), owner,
                               instance, true, files);
  chooser.runChooser();
  DestroyWindow(owner);
  return 0;
}
