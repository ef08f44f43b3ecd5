#pragma once
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headless_audio.h"
#include "platform/headless/virtual_clock.h"
#include "platform/host.h"
#include "platform/key_state.h"
#include "platform/window_record.h"
#include "platform/window_event_queue.h"
#include "platform/window_timers.h"

namespace platform {

class GlContext;
class HeadlessHost;

enum class HeadlessDrawing {
  None,         // devices record their calls and draw nothing
  CountingOnly, // devices count their calls, keep nothing and allocate nothing while drawing
  OffscreenGl   // devices draw with GL into an offscreen back buffer that tests read back
};

struct HeadlessOptions {
  HeadlessDrawing drawing = HeadlessDrawing::None;
  bool refuseAcceleratedDevices = false;  // as a machine without a GL driver
  bool refuseAllDevices = false;          // as a machine without any GL
  bool refuseWindows = false;
  bool counterAvailable = true;
  uint32_t startTicks = 0;
  int64_t startSecondsSinceEpoch = 1796774400;  // 2026-12-09 00:00 UTC
  uint32_t clockReadCostMicros = 1;
  // When non-zero, Present waits for the next refresh of a display of this rate, as vertical
  // sync does; 0 means Present returns at once.
  int presentationRate = 0;
  int displayRefreshRate = 60;
  Size screen{1920, 1080};
  bool audioAvailable = true;
  double trackSeconds = 120;  // how long every music track plays
  bool recordAudioCalls = true;  // the audio's log of calls (see HeadlessAudio)
  std::string programFilePath = "/headless/bin/program";
  // After this much virtual time every window asks to be closed, so a test never hangs.
  uint64_t closeAfterMicros = 3600ull * 1000000;
};

struct DialogRecord {
  std::string textCp932;
  std::string captionCp932;
  MessageButtons buttons = MessageButtons::Ok;
  MessageKind kind = MessageKind::Plain;
  MessageResult answer = MessageResult::Ok;
  bool hadOwner = false;
  double shownAtMilliseconds = 0;  // virtual time; the answer came answerMilliseconds later
  double answerMilliseconds = 0;
};

struct DeviceRequestRecord {
  DeviceRequest request;
  bool granted = false;
};

// A window of the headless backend: state the test can look at, events from the host's script.
class HeadlessWindow : public Window {
 public:
  HeadlessWindow(HeadlessHost& host, const WindowDesc& desc);
  ~HeadlessWindow() override;

  bool PollEvent(Event& out) override;
  void WaitEvent(Event& out) override;
  void SetTitle(const std::string& titleCp932) override {
    title_ = titleCp932;
    record_.SetTitle(titleCp932);
  }
  std::string title() const override { return title_; }
  bool SetIconFromFile(const std::string& hostPath) override;
  Size clientSize() const override { return fullscreen_ ? screenSize() : size_; }
  void SetClientSize(int width, int height) override;
  Point position() const override { return fullscreen_ ? Point{} : position_; }
  void SetPosition(int x, int y) override;
  void SetFullscreen(bool fullscreen) override { fullscreen_ = fullscreen; }
  bool fullscreen() const override { return fullscreen_; }
  Size screenSize() const override;
  int displayRefreshRate() const override;
  bool hasFocus() const override { return focus_ && !minimized_ && !destroyed_; }
  bool minimized() const override { return minimized_; }
  bool KeyHeld(uint8_t virtualKey) const override { return keys_.Held(virtualKey); }
  void SetCursorVisible(bool visible) override { cursorVisible_ = visible; }
  bool cursorVisible() const override { return cursorVisible_; }
  void Destroy() override;
  bool destroyed() const override { return destroyed_; }
  std::unique_ptr<RenderDevice> CreateRenderDevice(const DeviceRequest& request) override;
  void PresentPixels(const Image& picture) override;
  void SetTimer(int id, uint32_t periodMicros) override;
  void KillTimer(int id) override { timers_.Kill(id); }

  // For tests.
  const WindowDesc& desc() const { return desc_; }
  std::string iconPath() const { return iconPath_; }
  RenderDevice* device() const { return device_; }
  const Image& presented() const { return presented_; }
  bool timerPeriod(int id, uint64_t& periodMicros) const { return timers_.Period(id, periodMicros); }
  int presentCount() const { return presents_; }
  void Deliver(const Event& e);  // puts an event into the queue now, with its effect on state

 private:
  friend class HeadlessHost;
  void Apply(const Event& e);

  HeadlessHost& host_;
  WindowDesc desc_;
  std::string title_;
  std::string iconPath_;
  Size size_;
  Point position_;
  bool fullscreen_ = false;
  bool focus_ = true;
  bool minimized_ = false;
  bool destroyed_ = false;
  bool closeSent_ = false;
  bool cursorVisible_ = true;
  bool boxOpen_ = false;  // a message box owned by the window is open
  RenderDevice* device_ = nullptr;
  // What the devices made for this window know of it: as on the real backend, their contexts
  // are released when the window goes, and every later use of them is a no-op.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  std::vector<std::weak_ptr<GlContext>> contexts_;
  WindowEventQueue queue_;
  WindowTimers timers_;
  KeyStateTracker keys_;
  Image presented_;
  int presents_ = 0;
  WindowRecord record_;
};

// The machine of the tests: a virtual clock, input and window events from a script, dialogs
// that answer as told and are recorded, and devices that record or draw offscreen.
class HeadlessHost : public Host {
 public:
  explicit HeadlessHost(HeadlessOptions options = {});
  ~HeadlessHost() override;

  Clock& clock() override { return clock_; }
  Input& input() override { return *input_; }
  Dialogs& dialogs() override { return *dialogs_; }
  Audio& audio() override { return audio_; }
  std::unique_ptr<Window> CreateWindow(const WindowDesc& desc) override;
  std::string programFilePath() override { return options_.programFilePath; }
  bool OpenDocument(const std::string& hostPath) override;

  // The script: an event reaches the newest window once the virtual clock is at its time.
  // Key events also change the keyboard state then, whether or not the game takes the event.
  void At(double milliseconds, const Event& e);
  void KeyDown(double milliseconds, uint8_t dikCode, KeyModifiers modifiers = {});
  void KeyUp(double milliseconds, uint8_t dikCode);
  void Tap(double milliseconds, uint8_t dikCode, KeyModifiers modifiers = {});  // down, up 1 ms later
  void SetFocus(double milliseconds, bool focus);
  void SetController(int index, const ControllerState& state);
  void RemoveControllers();
  // Answers for the next dialogs, in order, each given after the player has looked at the box
  // for this much virtual time; once they run out, dialogs answer with their first button at
  // once. While a box is open the clock runs on: scripted events that fall in that time reach
  // the box's owner as the real backend lets them (see Dialogs::ShowMessage).
  void AnswerNextDialog(MessageResult answer, double afterMilliseconds = 0) {
    answers_.push_back({answer, afterMilliseconds});
  }

  VirtualClock& virtualClock() { return clock_; }
  HeadlessAudio& headlessAudio() { return audio_; }
  const HeadlessOptions& options() const { return options_; }
  const std::vector<DialogRecord>& shownDialogs() const { return shown_; }
  const std::vector<DeviceRequestRecord>& deviceRequests() const { return requests_; }
  const std::vector<std::string>& openedDocuments() const { return documents_; }
  HeadlessWindow* newestWindow() const { return windows_.empty() ? nullptr : windows_.back(); }
  // Calls that tried to draw, present or make something on a device after its window was
  // destroyed. The real backend ignores them too, so a game that makes them shows nothing
  // where it meant to; each one is also reported on the error stream, once per host.
  int callsAfterWindowGone() const { return callsAfterWindowGone_; }

 private:
  friend class HeadlessWindow;
  class HeadlessInput;
  class HeadlessDialogs;

  // Moves every scripted event that is due into its window, and returns the time of the next
  // one still to come (or none).
  void DeliverDue();
  bool NextScheduled(uint64_t& micros) const;
  void OnKey(const Event& e);
  void OnPresent();
  void OnUseAfterWindowGone();
  MessageResult ShowMessage(const Window* owner, DialogRecord record);
  void Forget(HeadlessWindow* window);

  HeadlessOptions options_;
  VirtualClock clock_;
  std::unique_ptr<Input> input_;
  std::unique_ptr<Dialogs> dialogs_;
  HeadlessAudio audio_;
  std::multimap<uint64_t, Event> script_;
  std::vector<HeadlessWindow*> windows_;
  KeyboardState keys_{};
  std::vector<ControllerState> controllers_;
  struct Answer {
    MessageResult result;
    double afterMilliseconds;
  };
  std::deque<Answer> answers_;
  std::vector<DialogRecord> shown_;
  std::vector<DeviceRequestRecord> requests_;
  std::vector<std::string> documents_;
  int callsAfterWindowGone_ = 0;
};

}  // namespace platform
