#include "tiltwell/stage_files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "platform/atomic_file.h"
#include "platform/dialogs.h"
#include "platform/file_read.h"
#include "platform/game_path.h"
#include "platform/profile_file.h"
#include "platform/text_encoding.h"
#include "platform/window.h"
#include "tiltwell/game_files.h"

namespace {

constexpr size_t kNameBuffer = 64;  // names of up to 63 characters

// Text of at most `bytes` bytes that need not end in a zero.
std::string FixedText(const uint8_t* text, size_t bytes) {
  const uint8_t* end = std::find(text, text + bytes, 0);
  return std::string(text, end);
}

}  // namespace

int StageFiles::LoadSet(const Settings& settings, int k, platform::Dialogs& dialogs) {
  const std::string setName = k >= 0 && k < Settings::kStageSets ? settings.stageSets[k] : std::string();
  const std::string relativeSetPath = settings.StagesDir + "\\" + setName;
  const std::string setPath = WorkingFolder() + "\\" + relativeSetPath;
  // FIXED: paths too long for the game's buffers are refused instead of overflowing them.
  if (!FitsBuffer(relativeSetPath, kRelativePathBuffer) || !FitsBuffer(setPath, kAbsolutePathBuffer))
    return ENAMETOOLONG;
  if (int error = OpenError(setPath)) return error;
  const std::string host = platform::HostPath(setPath);
  auto text = [&host](const std::string& key) {
    return platform::ReadProfileString("Stages", key, "", kNameBuffer, host);
  };
  const std::string dataName = text("StagesFileName");
  if (dataName.empty()) return 2;
  NumOfStages = platform::ReadProfileInt("Stages", "NumOfStages", 0, host);
  for (int i = 0; i < 8; ++i) GraphicName[i] = text("GraphicName" + std::to_string(i));
  SaveFileName = text("SaveFileName");
  BGIMGName = text("BGIMGName");
  if (dataLoaded) {
    data.clear();
    dataLoaded = false;
  }
  // FIXED: a negative or absurd number of stages would size the buffer wrongly; such a set
  // is refused as one without a data file.
  if (NumOfStages < 0 || NumOfStages > kMaxStages) return 2;
  const std::string dataPath = settings.StagesDir + "\\" + dataName;
  std::string bytes;
  int error = FitsBuffer(dataPath, kRelativePathBuffer) ? OpenError(dataPath) : ENAMETOOLONG;
  if (error || !platform::ReadWholeFile(platform::HostPath(dataPath), bytes)) {
    char message[300];
    std::snprintf(message, sizeof message, "faild to load file :\n%s", dataPath.substr(0, 255).c_str());
    dialogs.ShowMessage(nullptr, message, platform::Cp932Literal("失敗"), platform::MessageButtons::Ok);
    return error ? error : EIO;
  }
  // Zero-filled and a little larger than the stages need; a shorter file leaves zeros.
  data.assign(size_t(NumOfStages) * kRecordBytes + kTableBytes + 32, 0);
  size_t wanted = size_t(NumOfStages) * kRecordBytes + kTableBytes;
  std::copy_n(bytes.begin(), std::min(bytes.size(), wanted), data.begin());
  dataLoaded = true;
  if (SaveFileName.empty()) return 2;
  ReadSave(settings);
  return 0;
}

int StageFiles::ReadSave(const Settings& settings) {
  const std::string path = WorkingFolder() + "\\" + settings.SaveFileDir + "\\" + SaveFileName;
  storedCleared = FitsBuffer(path, kAbsolutePathBuffer)
                      ? platform::ReadProfileInt("Save", "ClearedStage", 0, platform::HostPath(path))
                      : 0;
  return storedCleared;
}

void StageFiles::WriteSave(const Settings& settings, int cleared) {
  const std::string relative = settings.SaveFileDir + "\\" + SaveFileName;
  const std::string absolute = WorkingFolder() + "\\" + relative;
  if (!FitsBuffer(relative, kRelativePathBuffer) || !FitsBuffer(absolute, kAbsolutePathBuffer)) return;
  const int error = OpenError(relative);
  const std::string number = std::to_string(cleared);
  if (error == 0) {
    // Only the value changes; every other line of the file stays.
    platform::WriteProfileString("Save", "ClearedStage", number,
                                 platform::HostPath(absolute));
  } else if (error == ENOENT) {
    platform::MakeFolder(platform::HostPath(settings.SaveFileDir));  // it may exist already
    platform::ReplaceFile(platform::HostPath(relative), "[Save]\r\n\r\nClearedStage=" + number + "\r\n");
  }
}

bool StageFiles::LoadStage(int n) {
  if (!dataLoaded || n < 0 || n >= NumOfStages) return false;
  const uint8_t* record = data.data() + kTableBytes + size_t(n) * kRecordBytes;
  const int c = record[0], r = record[1];
  if (c * r > kMaxCells) return false;
  cols = c;
  rows = r;
  startColumn = record[4];
  startRow = record[5];
  timeLimitSeconds = record[6] + 256 * record[7];
  name = FixedText(record + 8, 24);
  comment = FixedText(record + 32, 96);
  cells.assign(size_t(c) * size_t(r), Cell());
  stageLoaded = true;
  for (size_t i = 0; i < cells.size(); ++i) {
    const uint8_t* type = data.data() + size_t(record[128 + i]) * 8;
    Cell& cell = cells[i];
    cell.kind = type[0];
    cell.sheet = type[1] >> 4;
    cell.column = type[1] & 0x0F;
    cell.row = type[2];
    cell.grip = type[4];
    cell.param = type[5];
    cell.spare = type[6];
    cell.timer = type[7];
  }
  return true;
}

void StageFiles::UpdateTitle(platform::Window& window) const {
  if (!stageLoaded) {
    window.SetTitle("Tiltwell.");
    return;
  }
  char title[256];
  std::snprintf(title, sizeof title, "Tiltwell. ~ %s - %s", name.c_str(), comment.c_str());
  window.SetTitle(title);
}

void StageFiles::Free() {
  data.clear();
  dataLoaded = false;
  cells.clear();
  stageLoaded = false;
  cols = rows = 0;
}
