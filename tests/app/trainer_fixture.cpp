// The trainer's window test set-up.
#include "trainer_fixture.h"

#include <filesystem>
#include <fstream>

#include "device/device_storage.h"
#include "platform/file.h"

namespace morvane::test {

const char kNi[] = "\xc4\xe3";
const char kHao[] = "\xba\xc3";
const char kXie[] = "\xd0\xbb";

namespace {

const wchar_t kSettingsKey[] = L"Software\\MorvaneCHS";

// Ends a run stuck on a modal box nobody answers.
struct Watchdog {
  Watchdog() {
    CreateThread(
        nullptr, 0,
        [](void*) -> DWORD {
          Sleep(240000);
          fprintf(stderr, "watchdog: trainer tests still running, giving up\n");
          ExitProcess(3);
        },
        nullptr, 0, nullptr);
  }
} watchdog;

std::wstring makeDeviceFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring root =
      std::wstring(temp) + L"morvane-trainer-" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(root.c_str(), nullptr);
  device::setDeviceRoot(root);
  device::setStorageCards(L"");
  writeGbFont(L"\\Windows\\dxi24.hbf", 24);
  return root;
}

struct DeviceCleanup {
  ~DeviceCleanup() {
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove_all(path, ignored);
  }
  std::wstring path;
} cleanup;

std::string littleEndian(uint32_t v) {
  std::string s;
  for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  return s;
}

}  // namespace

const std::wstring& deviceFolder() {
  static const std::wstring root = makeDeviceFolder();
  cleanup.path = root;
  return root;
}

std::wstring onDevice(const std::wstring& devicePath) { return deviceFolder() + devicePath; }

void writeDeviceFile(const std::wstring& devicePath, const std::string& bytes) {
  std::filesystem::path path(device::hostPath(devicePath));
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void removeDeviceFile(const std::wstring& devicePath) {
  DeleteFileW(device::hostPath(devicePath).c_str());
}

void writeGbFont(const std::wstring& devicePath, int size) {
  const int rows = 0xF7 - 0xA1 + 1;
  const std::wstring bitmap = devicePath + L".bin";
  const std::wstring bitmapName = bitmap.substr(bitmap.rfind(L'\\') + 1);
  writeDeviceFile(devicePath, hbfFont({"HBF_CODE_RANGE 0xA1A1-0xF7FE " +
                                       std::string(bitmapName.begin(), bitmapName.end()) + " 0"},
                                      "HBF_START_BYTE_2_RANGES 1\nHBF_BYTE_2_RANGE 0xA1-0xFE\n"
                                      "HBF_END_BYTE_2_RANGES\n",
                                      size, size));
  writeDeviceFile(bitmap, glyphData(rows * 94, (size + 7) / 8 * size));
}

void writeFeedbackData(const std::vector<FeedbackChar>& chars, const std::wstring& base) {
  std::string index, data;
  for (const FeedbackChar& c : chars) {
    index +=
        littleEndian(c.code) + littleEndian(static_cast<uint32_t>(data.size())) + littleEndian(0);
    data += static_cast<char>(c.strokes.size());
    for (const auto& s : c.strokes) {
      data += static_cast<char>(s[0]);
      data += static_cast<char>(s[1]);
      data += static_cast<char>(s[2]);
      data += '\0';
    }
  }
  writeDeviceFile(L"\\Windows\\" + base + L".ind", index);
  writeDeviceFile(L"\\Windows\\" + base + L".dat", data);
}

void writeStrokeIndex(const std::wstring& base, const std::vector<uint16_t>& codes) {
  std::string index;
  for (uint16_t code : codes) index += littleEndian(code) + littleEndian(0) + littleEndian(0);
  writeDeviceFile(L"\\Windows\\" + base + L".ind", index);
  writeDeviceFile(L"\\Windows\\" + base + L".dat", std::string(1, '\0'));
}

void clearSettings() { RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey); }

bool readSwitch(const wchar_t* name, DWORD& value) {
  DWORD size = sizeof value;
  return RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_DWORD, nullptr, &value,
                      &size) == ERROR_SUCCESS;
}

std::wstring readText(const wchar_t* name) {
  wchar_t text[260] = L"";
  DWORD size = sizeof text;
  if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_SZ, nullptr, text, &size) !=
      ERROR_SUCCESS) {
    return L"";
  }
  return text;
}

void writeSwitch(const wchar_t* name, DWORD value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name, REG_DWORD, &value, sizeof value);
}

void writeText(const wchar_t* name, const std::wstring& text, bool withZero) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name, REG_SZ, text.c_str(),
                  static_cast<DWORD>((text.size() + (withZero ? 1 : 0)) * sizeof(wchar_t)));
}

void TrainerTest::SetUp() {
  static const bool registered = registerFrameClass(GetModuleHandleW(nullptr));
  ASSERT_TRUE(registered);
  deviceFolder();
  clearSettings();
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  lessonFolder = deviceFolder() + L"\\lessons-" +
                 std::wstring(info->name(), info->name() + strlen(info->name()));
  CreateDirectoryW(lessonFolder.c_str(), nullptr);
}

void TrainerTest::start(const wchar_t* commandLine) {
  frame = createFrame(GetModuleHandleW(nullptr), commandLine, SW_SHOW);
  ASSERT_NE(frame, nullptr);
  ASSERT_NE(main(), nullptr);
}

void TrainerTest::close() {
  if (frame != nullptr && IsWindow(frame)) SendMessageW(frame, WM_CLOSE, 0, 0);
  frame = nullptr;
  // The frame's destruction posted WM_QUIT; take it so that later modal
  // loops of this thread keep running.
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

void TrainerTest::TearDown() { close(); }

std::wstring TrainerTest::meaning() const {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(main()->meaningEdit)) + 1, L'\0');
  text.resize(static_cast<size_t>(
      GetWindowTextW(main()->meaningEdit, &text[0], static_cast<int>(text.size()))));
  return text;
}

std::vector<uint8_t> TrainerTest::hanziMarks() const {
  if (main()->currentItem == nullptr) return {};
  const auto marks = main()->currentItem->hanziMarks();
  return {marks.begin(), marks.end()};
}

std::wstring TrainerTest::lessonPath(const std::string& name) const {
  return lessonFolder + L"\\" + std::wstring(name.begin(), name.end());
}

std::wstring TrainerTest::writeLesson(const std::string& name, const std::string& bytes) const {
  const std::wstring path = lessonPath(name);
  std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

bool visible(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0; }
bool enabled(HWND window) { return IsWindowEnabled(window) != FALSE; }

RECT placeOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace morvane::test
