#pragma once
#include <epoxy/gl.h>

#include "platform/render_device.h"

namespace platform {

// What a draw feeds the pipeline with, beside the render state.
struct DrawInputs {
  bool pretransformed = false;  // screen vertices: no transform, no lighting
  bool hasVertexColor = false;  // otherwise the colour comes from the material (lit) or is white
  bool textureBound = false;
  float targetWidth = 1, targetHeight = 1;  // the back buffer, for pretransformed positions
};

// The shader program that stands in for Direct3D 9's fixed-function vertex and pixel pipeline:
// world/view/projection transforms with clip depth 0..1, one directional light with material
// colours and global ambient, texture stage 0 (modulate or select) and the alpha test.
class FixedFunctionProgram {
 public:
  bool Build();  // false when the shaders do not compile or link
  void Release();
  void Use(const RenderState& state, const DrawInputs& inputs);

  // Attribute locations of the vertex layouts.
  static constexpr GLuint kPosition = 0, kNormal = 1, kColor = 2, kTexCoord = 3;

 private:
  GLuint program_ = 0;
  struct {
    GLint pretransformed, targetSize, worldViewProj, worldView, normalMatrix, lighting,
        hasVertexColor, normalizeNormals, matDiffuse, matAmbient, matSpecular, matEmissive,
        matPower, globalAmbient, lightEnabled, lightToward, lightDiffuse, lightAmbient,
        lightSpecular, specularEnabled, texture, textureBound, colorOp, alphaOp, alphaTest,
        alphaFunc, alphaRef;
  } loc_{};
};

}  // namespace platform
