// A device, its textures and its meshes against the window that made them: destroying them in
// any order is safe, a device whose window is gone draws nothing, and a destroyed texture is
// never drawn with.
#include <gtest/gtest.h>

#include "platform/headless/headless_host.h"
#include "platform/headless/recording_render_device.h"
#include "tests/support/offscreen.h"
#include "tests/support/meshes.h"

namespace platform {
namespace {

using testing_support::Hex;
using testing_support::OffscreenDevice;

constexpr uint32_t kBlack = 0xFF000000, kWhite = 0xFFFFFFFF;

void Quad(RenderDevice& d, float x, float y, float w, float h) {
  ScreenVertex v[4] = {{x, y, 0, 1, kWhite, 0, 0}, {x + w, y, 0, 1, kWhite, 1, 0},
                       {x, y + h, 0, 1, kWhite, 0, 1}, {x + w, y + h, 0, 1, kWhite, 1, 1}};
  d.DrawScreenPrimitive(PrimitiveType::TriangleStrip, v, 4);
}

TEST(DeviceLifetime, AGlDeviceWhoseWindowIsGoneDoesNothingAndIsSafeToDestroy) {
  OffscreenDevice gl(16, 16);
  ASSERT_NE(gl.device, nullptr);
  auto texture = gl.device->CreateTexture(Image(4, 4, kWhite));
  auto mesh = gl.device->CreateMesh(testing_support::OneTriangle());
  ASSERT_TRUE(texture && mesh);
  gl.device->state.texture = texture.get();

  gl.window->Destroy();
  EXPECT_FALSE(gl.device->Present()) << "presenting needs the window";
  gl.device->Clear(kClearTarget, kWhite, 1);
  Quad(*gl.device, 0, 0, 8, 8);
  gl.device->DrawMeshSubset(*mesh, 0);
  EXPECT_EQ(gl.device->CreateTexture(Image(4, 4, kWhite)), nullptr);
  EXPECT_EQ(gl.device->CreateMesh(testing_support::OneTriangle()), nullptr);
  EXPECT_FALSE(gl.device->ResizeBackBuffer(32, 32));
  Image pixels;
  EXPECT_FALSE(gl.device->ReadBackBuffer(pixels));
  EXPECT_EQ(gl.host.callsAfterWindowGone(), 8) << "each call after the window went is reported";

  // Whatever the order, nothing touches the context the window released.
  texture.reset();
  gl.device.reset();
  mesh.reset();
  gl.window.reset();
}

TEST(DeviceLifetime, ARecordingDeviceWhoseWindowIsGoneRecordsNothing) {
  HeadlessHost host;
  auto window = host.CreateWindow({});
  auto device = window->CreateRenderDevice({64, 64, true, true});
  auto& recorder = static_cast<RecordingRenderDevice&>(*device);
  Quad(*device, 0, 0, 8, 8);
  window->Destroy();
  Quad(*device, 0, 0, 8, 8);
  EXPECT_FALSE(device->Present());
  EXPECT_EQ(recorder.presentCount(), 0);
  EXPECT_EQ(recorder.pending().size(), 1u) << "only the quad drawn while the window existed";
  EXPECT_EQ(host.callsAfterWindowGone(), 2);
}

TEST(DeviceLifetime, ADeviceMayOutliveItsWindowObject) {
  HeadlessOptions options;
  options.drawing = HeadlessDrawing::OffscreenGl;
  options.presentationRate = 60;
  HeadlessHost host(options);
  auto window = host.CreateWindow({});
  auto device = window->CreateRenderDevice({16, 16, true, true});
  ASSERT_NE(device, nullptr);
  window.reset();  // destroyed without Destroy: the same as closing it
  EXPECT_EQ(device->presentationRate(), 60);
  EXPECT_FALSE(device->Present());
}

TEST(DeviceLifetime, TexturesAndMeshesMayOutliveTheirDevice) {
  OffscreenDevice gl(16, 16);
  ASSERT_NE(gl.device, nullptr);
  auto texture = gl.device->CreateTexture(Image(4, 4, kWhite));
  auto mesh = gl.device->CreateMesh(testing_support::OneTriangle());
  gl.device.reset();
  texture.reset();
  mesh.reset();
}

// Two devices, each with a texture. Deleting the first device's texture while the second
// device's context is current must not delete the second device's texture of the same GL name.
TEST(DeviceLifetime, ATextureIsDeletedInItsOwnContext) {
  OffscreenDevice a(8, 8), b(8, 8);
  ASSERT_TRUE(a.device && b.device);
  auto red = a.device->CreateTexture(Image(2, 2, 0xFFFF0000));
  auto green = b.device->CreateTexture(Image(2, 2, 0xFF00FF00));
  b.device->state.lighting = false;
  b.device->state.texture = green.get();
  b.device->Clear(kClearTarget, kBlack, 1);  // b's context is current now
  red.reset();
  Quad(*b.device, 0, 0, 8, 8);
  EXPECT_EQ(Hex(b.Read().at(4, 4)), Hex(0xFF00FF00)) << "b's texture is still there";
}

TEST(TextureLifetime, ADestroyedTextureIsNeverReachableFromTheState) {
  OffscreenDevice gl(16, 16);
  ASSERT_NE(gl.device, nullptr);
  auto texture = gl.device->CreateTexture(Image(2, 2, 0xFF0000FF));
  gl.device->state.texture = texture.get();
  gl.device->state.lighting = false;
  RenderState saved = gl.device->state;
  EXPECT_TRUE(gl.device->state.texture == texture.get());
  texture.reset();
  EXPECT_EQ(gl.device->state.texture.get(), nullptr);
  EXPECT_EQ(saved.texture.get(), nullptr) << "copies of the state let go of it too";
  gl.device->Clear(kClearTarget, kBlack, 1);
  Quad(*gl.device, 0, 0, 16, 16);
  EXPECT_EQ(Hex(gl.Read().at(8, 8)), Hex(kWhite)) << "drawn as without a texture";
  // A new texture that happens to reuse the old one's memory is not the old reference.
  auto other = gl.device->CreateTexture(Image(2, 2, 0xFF00FF00));
  EXPECT_EQ(saved.texture.get(), nullptr);
}

}  // namespace
}  // namespace platform
