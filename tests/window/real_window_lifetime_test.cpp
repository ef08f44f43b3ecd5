// The real backend's windows and devices on the X server of $DISPLAY: a device, its textures
// and its meshes stay safe after their window is destroyed (the window releases their GL
// context while its surface still exists). Run it under valgrind to see inside SDL and Mesa.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/sdl/sdl_host.h"
#include "tests/support/meshes.h"

namespace platform {
namespace {

class RealWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X server (DISPLAY is not set)";
    host = CreateSdlHost();
    WindowDesc desc;
    desc.titleCp932 = "lifetime";
    desc.clientWidth = 160;
    desc.clientHeight = 120;
    window = host->CreateWindow(desc);
    ASSERT_NE(window, nullptr);
    DeviceRequest request{160, 120, false, false};
    device = window->CreateRenderDevice(request);
    ASSERT_NE(device, nullptr);
  }
  std::unique_ptr<Host> host;
  std::unique_ptr<Window> window;
  std::unique_ptr<RenderDevice> device;
};

TEST_F(RealWindow, ADeviceAndItsObjectsAreSafeAfterTheWindowIsDestroyed) {
  auto texture = device->CreateTexture(Image(4, 4, 0xFFFFFFFF));
  auto mesh = device->CreateMesh(testing_support::OneTriangle());
  ASSERT_TRUE(texture && mesh);
  device->state.texture = texture.get();
  device->Clear(kClearTarget, 0xFF000000, 1);
  EXPECT_TRUE(device->Present());

  window->Destroy();
  device->Clear(kClearTarget, 0xFFFFFFFF, 1);
  device->DrawMeshSubset(*mesh, 0);
  EXPECT_FALSE(device->Present());
  texture.reset();
  device.reset();
  mesh.reset();
  window.reset();
}

TEST_F(RealWindow, TheWindowObjectMayGoBeforeItsDevice) {
  window.reset();
  EXPECT_FALSE(device->Present());
  device.reset();
}

}  // namespace
}  // namespace platform
