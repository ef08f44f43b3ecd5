#include "platform/headless/headless_host.h"

#include <algorithm>
#include <cstdio>

#include "platform/gl/gl_render_device.h"
#include "platform/headless/egl_context.h"
#include "platform/headless/recording_render_device.h"
#include "platform/image.h"
#include "platform/key_codes.h"

namespace platform {

// ---------------------------------------------------------------- input and dialogs

class HeadlessHost::HeadlessInput : public Input {
 public:
  explicit HeadlessInput(HeadlessHost& host) : host_(host) {}

  bool ReadKeyboard(const Window& window, KeyboardState& out) override {
    host_.DeliverDue();
    out.fill(0);
    if (!window.hasFocus()) return false;
    out = host_.keys_;
    return true;
  }

  int controllerCount() override { return int(host_.controllers_.size()); }

  bool ReadController(const Window& window, int index, ControllerState& out) override {
    out = ControllerState{};
    if (!window.hasFocus() || index < 0 || index >= controllerCount()) return false;
    out = host_.controllers_[index];
    return true;
  }

 private:
  HeadlessHost& host_;
};

class HeadlessHost::HeadlessDialogs : public Dialogs {
 public:
  explicit HeadlessDialogs(HeadlessHost& host) : host_(host) {}

  MessageResult ShowMessage(const Window* owner, const std::string& textCp932,
                            const std::string& captionCp932, MessageButtons buttons,
                            MessageKind kind) override {
    DialogRecord record;
    record.textCp932 = textCp932;
    record.captionCp932 = captionCp932;
    record.buttons = buttons;
    record.kind = kind;
    return host_.ShowMessage(owner, std::move(record));
  }

 private:
  HeadlessHost& host_;
};

// ---------------------------------------------------------------- window

HeadlessWindow::HeadlessWindow(HeadlessHost& host, const WindowDesc& desc)
    : host_(host), desc_(desc), title_(desc.titleCp932), size_{desc.clientWidth, desc.clientHeight} {
  if (desc.placement == WindowPlacement::Centered) {
    Size screen = screenSize();
    position_ = {(screen.width - size_.width) / 2, (screen.height - size_.height) / 2};
  }
  record_.Publish(desc.classNameCp932, desc.titleCp932);
}

HeadlessWindow::~HeadlessWindow() {
  Destroy();
  host_.Forget(this);
}

void HeadlessWindow::Destroy() {
  if (destroyed_) return;
  destroyed_ = true;
  record_.Withdraw();
  *alive_ = false;
  for (auto& weak : contexts_)
    if (auto context = weak.lock()) context->Release();
  contexts_.clear();
}

bool HeadlessWindow::PollEvent(Event& out) {
  host_.DeliverDue();
  if (destroyed_) return false;
  uint64_t now = host_.clock_.nowMicros();
  if (!queue_.HasEvent() && !closeSent_ && now >= host_.options_.closeAfterMicros) {
    closeSent_ = true;
    out = Event{};
    out.type = EventType::CloseRequested;
    return true;
  }
  if (queue_.Take(out, keys_)) return true;
  int id = 0;
  if (!timers_.TakeDue(now, id)) return false;
  out = Event{};
  out.type = EventType::Timer;
  out.timerId = id;
  return true;
}

void HeadlessWindow::WaitEvent(Event& out) {
  while (!PollEvent(out)) {
    // Nothing is waiting: time passes until the next scripted event or timer (or the closing
    // time).
    uint64_t next = host_.options_.closeAfterMicros;
    uint64_t scheduled;
    if (host_.NextScheduled(scheduled)) next = std::min(next, scheduled);
    if (timers_.NextDue(scheduled)) next = std::min(next, scheduled);
    if (destroyed_ || (closeSent_ && !host_.NextScheduled(scheduled))) {
      out = Event{};
      out.type = EventType::CloseRequested;
      return;
    }
    host_.clock_.AdvanceTo(next);
  }
}

bool HeadlessWindow::SetIconFromFile(const std::string& hostPath) {
  Image icon;
  if (!LoadImageFile(hostPath, icon)) return false;
  iconPath_ = hostPath;
  return true;
}

void HeadlessWindow::PresentPixels(const Image& picture) {
  presented_ = picture;
  ++presents_;
}

void HeadlessWindow::SetTimer(int id, uint32_t periodMicros) {
  timers_.Set(id, periodMicros, host_.clock_.nowMicros());
}

void HeadlessWindow::SetClientSize(int width, int height) {
  if (!fullscreen_) size_ = {width, height};
}

void HeadlessWindow::SetPosition(int x, int y) {
  if (!fullscreen_) position_ = {x, y};
}

Size HeadlessWindow::screenSize() const { return host_.options_.screen; }
int HeadlessWindow::displayRefreshRate() const { return host_.options_.displayRefreshRate; }

void HeadlessWindow::Deliver(const Event& e) {
  Apply(e);
  queue_.Push(e, boxOpen_);
}

void HeadlessWindow::Apply(const Event& e) {
  switch (e.type) {
    case EventType::FocusGained: focus_ = true; break;
    case EventType::FocusLost: focus_ = false; break;
    case EventType::Minimized: minimized_ = true; break;
    case EventType::Restored: minimized_ = false; break;
    default: break;
  }
}

std::unique_ptr<RenderDevice> HeadlessWindow::CreateRenderDevice(const DeviceRequest& request) {
  const HeadlessOptions& o = host_.options_;
  bool refused = o.refuseAllDevices || (request.requireAccelerated && o.refuseAcceleratedDevices);
  std::unique_ptr<RenderDevice> device;
  if (!refused && !destroyed_) {
    // A device may outlive its window: what it calls back reaches the host, never the window.
    HeadlessHost* host = &host_;
    auto onPresent = [host] { host->OnPresent(); };
    auto onUseAfterWindowGone = [host] { host->OnUseAfterWindowGone(); };
    if (o.drawing == HeadlessDrawing::OffscreenGl) {
      auto context = CreateSurfacelessGlContext([host] { return host->options_.presentationRate; },
                                                onPresent, onUseAfterWindowGone);
      if (context) {
        contexts_.push_back(context);
        device = CreateGlRenderDevice(std::move(context), request.backBufferWidth,
                                      request.backBufferHeight);
      }
    } else {
      bool keepRecords = o.drawing != HeadlessDrawing::CountingOnly;
      auto recording = std::make_unique<RecordingRenderDevice>(
          request.backBufferWidth, request.backBufferHeight, onPresent, alive_,
          onUseAfterWindowGone, keepRecords);
      recording->setPresentationRate(o.presentationRate);
      device = std::move(recording);
    }
  }
  host_.requests_.push_back({request, device != nullptr});
  if (device) device_ = device.get();
  return device;
}

// ---------------------------------------------------------------- host

HeadlessHost::HeadlessHost(HeadlessOptions options)
    : options_(std::move(options)),
      clock_(options_.startTicks, options_.counterAvailable, options_.clockReadCostMicros,
             options_.startSecondsSinceEpoch),
      input_(std::make_unique<HeadlessInput>(*this)),
      dialogs_(std::make_unique<HeadlessDialogs>(*this)),
      audio_(clock_, options_.audioAvailable, options_.trackSeconds, options_.recordAudioCalls) {}

// Windows must be gone before their host: each one unregisters itself on destruction.
HeadlessHost::~HeadlessHost() = default;

std::unique_ptr<Window> HeadlessHost::CreateWindow(const WindowDesc& desc) {
  if (options_.refuseWindows) return nullptr;
  auto window = std::make_unique<HeadlessWindow>(*this, desc);
  windows_.push_back(window.get());
  return window;
}

bool HeadlessHost::OpenDocument(const std::string& hostPath) {
  documents_.push_back(hostPath);
  return true;
}

void HeadlessHost::At(double milliseconds, const Event& e) {
  script_.emplace(uint64_t(milliseconds * 1000), e);
}

void HeadlessHost::KeyDown(double milliseconds, uint8_t dikCode, KeyModifiers modifiers) {
  Event e;
  e.type = EventType::KeyDown;
  e.key = dikCode;
  e.virtualKey = MessageVirtualKeyOf(dikCode);
  e.modifiers = modifiers;
  At(milliseconds, e);
}

void HeadlessHost::KeyUp(double milliseconds, uint8_t dikCode) {
  Event e;
  e.type = EventType::KeyUp;
  e.key = dikCode;
  e.virtualKey = MessageVirtualKeyOf(dikCode);
  At(milliseconds, e);
}

void HeadlessHost::Tap(double milliseconds, uint8_t dikCode, KeyModifiers modifiers) {
  KeyDown(milliseconds, dikCode, modifiers);
  KeyUp(milliseconds + 1, dikCode);
}

void HeadlessHost::SetFocus(double milliseconds, bool focus) {
  Event e;
  e.type = focus ? EventType::FocusGained : EventType::FocusLost;
  At(milliseconds, e);
}

void HeadlessHost::SetController(int index, const ControllerState& state) {
  if (index < 0) return;
  if (int(controllers_.size()) <= index) controllers_.resize(size_t(index) + 1);
  controllers_[size_t(index)] = state;
}

void HeadlessHost::RemoveControllers() { controllers_.clear(); }

void HeadlessHost::DeliverDue() {
  while (!script_.empty() && script_.begin()->first <= clock_.nowMicros()) {
    Event e = script_.begin()->second;
    script_.erase(script_.begin());
    if (e.type == EventType::KeyDown || e.type == EventType::KeyUp) OnKey(e);
    if (HeadlessWindow* window = newestWindow(); window && !window->destroyed()) window->Deliver(e);
  }
}

bool HeadlessHost::NextScheduled(uint64_t& micros) const {
  if (script_.empty()) return false;
  micros = script_.begin()->first;
  return true;
}

void HeadlessHost::OnKey(const Event& e) {
  keys_[e.key] = e.type == EventType::KeyDown ? 0x80 : 0;
}

MessageResult HeadlessHost::ShowMessage(const Window* owner, DialogRecord record) {
  DeliverDue();  // what came before the box reaches its window as usual
  Answer answer{record.buttons == MessageButtons::YesNo ? MessageResult::Yes : MessageResult::Ok, 0};
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  record.answer = answer.result;
  record.hadOwner = owner != nullptr;
  record.shownAtMilliseconds = clock_.nowMilliseconds();
  record.answerMilliseconds = answer.afterMilliseconds;
  auto found = std::find(windows_.begin(), windows_.end(), owner);
  HeadlessWindow* ownerWindow = found != windows_.end() ? *found : nullptr;
  // The player looks at the box: time passes, and what the script does meanwhile to the owner
  // is swallowed by the box.
  if (ownerWindow) ownerWindow->boxOpen_ = true;
  clock_.Advance(uint64_t(answer.afterMilliseconds * 1000));
  DeliverDue();
  if (ownerWindow) {
    ownerWindow->boxOpen_ = false;
    ownerWindow->queue_.Settle(ownerWindow->keys_);
  }
  shown_.push_back(std::move(record));
  return answer.result;
}

void HeadlessHost::OnPresent() {
  if (options_.presentationRate <= 0) return;
  // Vertical sync: the present returns at the next refresh.
  uint64_t period = 1000000 / uint64_t(options_.presentationRate);
  clock_.AdvanceTo((clock_.nowMicros() / period + 1) * period);
}

void HeadlessHost::OnUseAfterWindowGone() {
  if (callsAfterWindowGone_++ == 0)
    std::fprintf(stderr, "headless: a device was used after its window was destroyed; "
                         "the call does nothing, as on the real backend\n");
}

void HeadlessHost::Forget(HeadlessWindow* window) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
}

}  // namespace platform
